// The CSV reader: records field by field from a stream of blocks.
#include "cli/csv_reader.h"

#include <cerrno>
#include <cstring>
#include <poll.h>
#include <unistd.h>

namespace cli {
namespace {
constexpr const char* kTooLong = "the record is longer than 1 MiB";
constexpr std::string_view kMark = "\xEF\xBB\xBF"; // the UTF-8 byte order mark

// Whether a read from `fd` would return at once; a file always does.
bool readable(int fd) {
    pollfd request{fd, POLLIN, 0};
    return ::poll(&request, 1, 0) > 0;
}
} // namespace

// The next block, once the one read is used up.
bool CsvReader::refill() {
    pos_ = 0;
    size_ = 0;
    return readMore();
}

// Appends what the next read gives to the block; false at the end of the input.
bool CsvReader::readMore() {
    if (ended_)
        return false;
    if (beforeWait_ && !readable(fd_))
        beforeWait_();
    for (;;) {
        const ssize_t got = ::read(fd_, block_ + size_, kBlock - size_);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            throw InputError(std::strerror(errno));
        size_ += static_cast<std::size_t>(got);
        ended_ = got == 0;
        return !ended_;
    }
}

// The first bytes are read until they are the mark or cannot become it.
void CsvReader::skipByteOrderMark() {
    started_ = true;
    const auto start = [this] { return std::string_view(block_, size_).substr(0, kMark.size()); };
    while (start().size() < kMark.size() && kMark.starts_with(start()) && readMore()) {
    }
    if (start() == kMark)
        pos_ = kMark.size();
}

bool CsvReader::next(Record& record) {
    if (!started_)
        skipByteOrderMark();
    record.text_.clear();
    record.ends_.clear();
    record.problem.clear();
    int c = peek();
    while (c == '\n' || c == '\r') {
        get();
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
        if (fits(record, 0))
            record.ends_.push_back(record.text_.size());
        else if (record.problem.empty())
            fail(record, kTooLong);
        if (get() != static_cast<unsigned char>(separator_))
            return true;
    }
}

// Up to the next separator or line end, which is left to read.
void CsvReader::unquoted(Record& record) {
    for (;;) {
        if (pos_ == size_ && !refill())
            return;
        const char* begin = block_ + pos_;
        const char* end = block_ + size_;
        const char* p = begin;
        for (; p != end; ++p) {
            if (!stops_[static_cast<unsigned char>(*p)])
                continue;
            if (*p != '"')
                break;
            if (record.problem.empty())
                fail(record, "a quote inside a field that does not start with one");
        }
        appendRun(record, begin, p);
        pos_ += static_cast<std::size_t>(p - begin);
        afterCr_ = afterCr_ && p == begin;
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
    if (after == static_cast<unsigned char>(separator_) || after == '\n' || after == '\r' ||
        after == kEnd)
        return;
    if (record.problem.empty())
        fail(record, "text after the closing quote of a field");
    unquoted(record);
}

bool CsvReader::fits(const Record& record, std::size_t more) {
    // Every field but the last takes a separator besides its text.
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
