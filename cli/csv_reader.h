// Reading CSV records from a stream, one block and one record in memory at a time.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

// Thrown when an input cannot be read any further.
class InputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One record of a CSV text. A record that breaks the format is still returned whole, so that
// the reader can go on after it, with what went wrong.
struct Record {
    std::size_t line = 0; // where the record starts, from 1
    std::string problem;  // empty for a well-formed record
    std::size_t problemField = 0;

    std::size_t size() const { return ends_.size(); }
    std::string_view operator[](std::size_t i) const {
        const std::size_t begin = i == 0 ? 0 : ends_[i - 1];
        return std::string_view(text_).substr(begin, ends_[i] - begin);
    }

private:
    friend class CsvReader;
    std::string text_;              // the fields' texts one after the other, quotes undone
    std::vector<std::size_t> ends_; // where each field ends in text_
};

// Reads RFC 4180 records from a file descriptor as a stream: fields separated by commas (or
// another separator), optionally in double quotes (which may hold separators, line breaks and
// doubled quotes), records ended by LF, CR LF or CR. Blank lines are skipped, and so is a UTF-8
// byte order mark in front, however the reads deliver it. Memory stays within one block and the
// longest record.
class CsvReader {
public:
    // `beforeWait` runs before a read that would wait for more input: the time to show what
    // has been made of the input so far.
    CsvReader(int fd, char separator, std::function<void()> beforeWait = {})
        : fd_(fd), separator_(separator), beforeWait_(std::move(beforeWait)) {
        for (const char c : {separator, '\n', '\r', '"'})
            stops_[static_cast<unsigned char>(c)] = true;
    }
    CsvReader(const CsvReader&) = delete;
    CsvReader& operator=(const CsvReader&) = delete;

    // The next record into `record` (its storage is reused); false at the end of the input.
    bool next(Record& record);

    // A record longer than this is refused rather than held in memory.
    static constexpr std::size_t kLongestRecord = 1024 * 1024;

private:
    static constexpr int kEnd = -1;
    static constexpr std::size_t kBlock = 64 * 1024;

    int peek() {
        if (pos_ == size_ && !refill())
            return kEnd;
        return static_cast<unsigned char>(block_[pos_]);
    }
    // The next character; LF, CR LF and a lone CR each count as one line break.
    int get() {
        const int c = peek();
        if (c != kEnd) {
            ++pos_;
            line_ += c == '\r' || (c == '\n' && !afterCr_);
            afterCr_ = c == '\r';
        }
        return c;
    }
    bool refill();
    bool readMore();
    void skipByteOrderMark();
    void unquoted(Record& record);
    void quoted(Record& record);
    static bool fits(const Record& record, std::size_t more);
    void append(Record& record, char c);
    void appendRun(Record& record, const char* begin, const char* end);
    void fail(Record& record, std::string problem);

    int fd_;
    char separator_;
    std::array<bool, 256> stops_{}; // the characters an unquoted field stops at: a test each
    std::function<void()> beforeWait_;
    std::size_t pos_ = 0;
    std::size_t size_ = 0;
    std::size_t line_ = 1;
    bool afterCr_ = false; // the character read last was a CR: an LF now ends no other line
    bool started_ = false;
    bool ended_ = false;
    char block_[kBlock];
};

} // namespace cli
