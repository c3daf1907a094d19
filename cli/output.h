// Buffered output in which every failure counts, and CSV fields.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace cli {

// Thrown when the output cannot take what is written to it: a full disk, a closed pipe.
class OutputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Buffered writing to a file descriptor in which every failure counts: a write that does not
// go through, and the final flush and close, throw OutputError, so that nothing is reported
// as done that did not reach the output.
class Output {
public:
    // `separator` stands between the fields of a CSV line.
    explicit Output(int fd, char separator = ',') : fd_(fd), separator_(separator) {}
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;

    void put(std::string_view text) {
        if (text.size() > kCapacity - used_)
            flushSome(text);
        else
            append(text);
    }
    void put(char c) {
        if (used_ == kCapacity)
            flush();
        buffer_[used_++] = c;
    }
    // A CSV field, quoted when it holds the separator, a quote or a line break.
    void field(std::string_view text);
    void separate() { put(separator_); }

    void flush();
    // Flushes and closes the descriptor.
    void finish();

private:
    static constexpr std::size_t kCapacity = 64 * 1024;

    void append(std::string_view text) {
        text.copy(buffer_ + used_, text.size());
        used_ += text.size();
    }
    void flushSome(std::string_view text);
    void writeAll(const char* data, std::size_t size);

    int fd_;
    char separator_;
    std::size_t used_ = 0;
    char buffer_[kCapacity];
};

} // namespace cli
