// Reading CSV records from input that arrives in chunks, one record in memory at a time.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

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

// Reads RFC 4180 records from input pushed to it in chunks of any size: fields separated by
// commas (or another separator), optionally in double quotes (which may hold separators, line
// breaks and doubled quotes), records ended by LF, CR LF or CR. Blank lines are skipped, and
// so is a UTF-8 byte order mark in front, however the chunks cut it. Memory stays within the
// longest record, which the chunks are not kept for: each is read as it comes.
class CsvReader {
public:
    explicit CsvReader(char separator) : separator_(separator) {
        for (const char c : {separator, '\n', '\r', '"'})
            stops_[static_cast<unsigned char>(c)] = true;
    }
    CsvReader(const CsvReader&) = delete;
    CsvReader& operator=(const CsvReader&) = delete;

    // The next chunk of input; it must stay in place until next() has returned false.
    void push(std::string_view chunk);
    // The end of the input: the last record needs no line end.
    void end();
    // The next record the input completes, until the next call; nothing when the input pushed
    // so far completes none.
    const Record* next();

    // A record of more bytes than this (its fields' texts and separators) is refused rather
    // than held in memory.
    static constexpr std::size_t kLongestRecord = 1024 * 1024;

private:
    enum class State { BetweenRecords, FieldStart, Unquoted, Quoted, AfterQuote };

    void lineBreak(char c) {
        line_ += c == '\r' || !afterCr_;
        afterCr_ = c == '\r';
    }
    void unquotedRun();
    void quotedRun();
    const Record* endRecord();
    // Every field but the last takes a separator besides its text.
    void endField() {
        if (current_.text_.size() + current_.ends_.size() <= kLongestRecord)
            current_.ends_.push_back(current_.text_.size());
        else
            fail(kTooLong);
    }
    void append(std::string_view text) {
        if (current_.text_.size() + current_.ends_.size() + text.size() <= kLongestRecord)
            current_.text_.append(text);
        else
            fail(kTooLong);
    }
    void fail(std::string problem);

    static constexpr const char* kTooLong = "the record is longer than 1 MiB";

    char separator_;
    std::array<bool, 256> stops_{}; // the characters an unquoted field stops at: a test each
    std::string held_;              // the first bytes, while they may be a byte order mark
    bool markDecided_ = false;
    std::string_view input_;  // what is left of the chunk being read
    std::string_view queued_; // a chunk to read once the held bytes are
    bool ended_ = false;
    State state_ = State::BetweenRecords;
    std::size_t line_ = 1;
    bool afterCr_ = false; // the character read last was a CR: an LF now ends no other line
    Record current_;       // the record being read
};

} // namespace cli
