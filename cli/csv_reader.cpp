#include "cli/csv_reader.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace cli {
namespace {
constexpr const char* kTooLong = "the record is longer than 1 MiB";
} // namespace

bool CsvReader::refill() {
    if (ended_)
        return false;
    for (;;) {
        const ssize_t got = ::read(fd_, block_, kBlock);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            throw InputError(std::strerror(errno));
        pos_ = 0;
        size_ = static_cast<std::size_t>(got);
        ended_ = got == 0;
        return !ended_;
    }
}

void CsvReader::skipByteOrderMark() {
    started_ = true;
    constexpr std::string_view kMark = "\xEF\xBB\xBF";
    if (peek() == kEnd || size_ < kMark.size())
        return;
    if (std::string_view(block_, kMark.size()) == kMark)
        pos_ += kMark.size();
}

bool CsvReader::next(Record& record) {
    if (!started_)
        skipByteOrderMark();
    record.text_.clear();
    record.ends_.clear();
    record.problem.clear();
    int c = peek();
    while (c == '\n' || c == '\r') {
        endLine(get());
        c = peek();
    }
    if (c == kEnd)
        return false;
    record.line = line_;
    for (;;) {
        if (peek() == '"')
            quoted(record);
        else
            unquoted(record);
        if (fits(record, 1))
            record.ends_.push_back(record.text_.size());
        else if (record.problem.empty())
            fail(record, kTooLong);
        c = get();
        if (c == ',')
            continue;
        endLine(c);
        return true;
    }
}

// Up to the next comma or line end, which is left to read.
void CsvReader::unquoted(Record& record) {
    for (;;) {
        if (pos_ == size_ && !refill())
            return;
        const char* begin = block_ + pos_;
        const char* end = block_ + size_;
        const char* p = begin;
        for (; p != end; ++p) {
            const char c = *p;
            if (c == ',' || c == '\n' || c == '\r')
                break;
            if (c == '"' && record.problem.empty())
                fail(record, "a quote inside a field that does not start with one");
        }
        appendRun(record, begin, p);
        pos_ += static_cast<std::size_t>(p - begin);
        if (p != end)
            return;
    }
}

void CsvReader::quoted(Record& record) {
    get(); // the opening quote
    for (;;) {
        const int c = get();
        if (c == kEnd) {
            fail(record, "a quoted field is not closed before the end of the input");
            return;
        }
        if (c == '"') {
            if (peek() != '"')
                break;
            get(); // a doubled quote stands for one
        }
        append(record, static_cast<char>(c));
    }
    const int after = peek();
    if (after == ',' || after == '\n' || after == '\r' || after == kEnd)
        return;
    if (record.problem.empty())
        fail(record, "text after the closing quote of a field");
    unquoted(record);
}

// LF, CR LF and a lone CR each end a line.
void CsvReader::endLine(int c) {
    if (c != '\r')
        return;
    if (peek() == '\n')
        get();
    else
        ++line_;
}

bool CsvReader::fits(const Record& record, std::size_t more) {
    // Every field but the last takes a comma besides its text.
    return record.text_.size() + record.ends_.size() + more <= kLongestRecord;
}

void CsvReader::append(Record& record, char c) {
    if (fits(record, 1))
        record.text_ += c;
    else if (record.problem.empty())
        fail(record, kTooLong);
}

void CsvReader::appendRun(Record& record, const char* begin, const char* end) {
    const auto size = static_cast<std::size_t>(end - begin);
    if (fits(record, size))
        record.text_.append(begin, size);
    else if (record.problem.empty())
        fail(record, kTooLong);
}

void CsvReader::fail(Record& record, std::string problem) {
    record.problem = std::move(problem);
    record.problemField = record.ends_.size();
}

} // namespace cli
