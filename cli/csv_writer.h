// CSV text built in memory, for whoever writes it out.
#pragma once

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>

namespace cli {

// Lines of CSV appended to a text that the caller takes away when it likes: fields quoted
// where they need it, lines ended by LF.
class CsvWriter {
public:
    // `separator` stands between the fields of a line.
    explicit CsvWriter(char separator = ',') : separator_(separator) {}

    // Millions of short texts: each is a test and a copy.
    void put(std::string_view text) {
        if (text.size() > text_.size() - used_)
            grow(text.size());
        std::memcpy(text_.data() + used_, text.data(), text.size());
        used_ += text.size();
    }
    void put(char c) { put(std::string_view(&c, 1)); }
    // A field, quoted when it holds the separator, a quote or a line break.
    void field(std::string_view text);
    void separate() { put(separator_); }

    // How much was written since the last take.
    std::size_t size() const { return used_; }
    // What was written since the last call.
    std::string take() {
        std::string text;
        take(text);
        return text;
    }
    // The same into `into` (what it held is dropped), whose room is kept for the next lines.
    void take(std::string& into) {
        text_.resize(used_);
        into.swap(text_);
        text_.resize(text_.capacity()); // fills only what the lines taken last did not
        used_ = 0;
    }

private:
    void grow(std::size_t more) { text_.resize(std::max(2 * text_.size(), used_ + more + 4096)); }

    char separator_;
    std::string text_; // its first used_ characters are written
    std::size_t used_ = 0;
};

} // namespace cli
