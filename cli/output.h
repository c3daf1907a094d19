// Buffered output to a file descriptor in which every failure counts.
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
    explicit Output(int fd) : fd_(fd) {}
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;

    // Written at once when the buffer is full or the text is long.
    void put(std::string_view text);

    void flush();
    // Flushes and closes the descriptor.
    void finish();

private:
    static constexpr std::size_t kCapacity = 64 * 1024;

    void writeAll(const char* data, std::size_t size);

    int fd_;
    std::string buffer_;
};

} // namespace cli
