// The CSV reader: a record's fields run by run from chunks of input, wherever they are cut.
#include "cli/csv_reader.h"

#include <algorithm>
#include <utility>

namespace cli {
namespace {
constexpr std::string_view kMark = "\xEF\xBB\xBF"; // the UTF-8 byte order mark
} // namespace

// The first bytes are held until they are the mark or cannot become it.
void CsvReader::push(std::string_view chunk) {
    if (markDecided_) {
        input_ = chunk;
        return;
    }
    const std::size_t wanted = std::min(kMark.size() - held_.size(), chunk.size());
    held_.append(chunk.substr(0, wanted));
    if (held_.size() < kMark.size() && kMark.starts_with(held_))
        return;
    markDecided_ = true;
    if (held_ == kMark)
        held_.clear();
    input_ = held_;
    queued_ = chunk.substr(wanted);
}

void CsvReader::end() {
    ended_ = true;
    if (!markDecided_) { // too short to be the mark: the bytes are text
        markDecided_ = true;
        input_ = held_;
    }
}

const Record* CsvReader::next() {
    for (;;) {
        if (input_.empty()) {
            if (!queued_.empty()) {
                input_ = std::exchange(queued_, {});
                continue;
            }
            if (!ended_ || state_ == State::BetweenRecords)
                return nullptr;
            if (state_ == State::Quoted)
                fail("a quoted field is not closed before the end of the input");
            return endRecord();
        }
        const char c = input_.front();
        switch (state_) {
        case State::BetweenRecords:
            if (c == '\n' || c == '\r') {
                lineBreak(c);
                input_.remove_prefix(1);
                break;
            }
            current_.text_.clear();
            current_.ends_.clear();
            current_.problem.clear();
            current_.line = line_;
            state_ = State::FieldStart;
            [[fallthrough]];
        case State::FieldStart:
            if (c == '"') {
                input_.remove_prefix(1);
                afterCr_ = false;
                state_ = State::Quoted;
                break;
            }
            state_ = State::Unquoted;
            [[fallthrough]];
        case State::Unquoted:
            unquotedRun();
            if (input_.empty())
                break;
            if (const char stop = input_.front(); stop != separator_) {
                input_.remove_prefix(1);
                lineBreak(stop);
                return endRecord();
            }
            input_.remove_prefix(1);
            endField();
            afterCr_ = false;
            state_ = State::FieldStart;
            break;
        case State::Quoted:
            quotedRun();
            break;
        case State::AfterQuote:
            if (c == '"') { // a doubled quote stands for one
                append("\"");
                input_.remove_prefix(1);
                state_ = State::Quoted;
                break;
            }
            if (c != separator_ && c != '\n' && c != '\r')
                fail("text after the closing quote of a field");
            state_ = State::Unquoted;
            break;
        }
    }
}

// Up to the next separator or line break, which is left to read.
void CsvReader::unquotedRun() {
    std::size_t i = 0;
    for (; i < input_.size(); ++i) {
        if (!stops_[static_cast<unsigned char>(input_[i])])
            continue;
        if (input_[i] != '"')
            break;
        fail("a quote inside a field that does not start with one");
    }
    if (i == 0)
        return;
    append(input_.substr(0, i));
    afterCr_ = false;
    input_.remove_prefix(i);
}

// Up to the closing quote, line breaks and all.
void CsvReader::quotedRun() {
    std::size_t i = 0;
    while (i < input_.size() && input_[i] != '"' && input_[i] != '\n' && input_[i] != '\r')
        ++i;
    if (i > 0) {
        append(input_.substr(0, i));
        afterCr_ = false;
        input_.remove_prefix(i);
    }
    if (input_.empty())
        return;
    const char c = input_.front();
    if (c == '"') {
        afterCr_ = false;
        state_ = State::AfterQuote;
    } else {
        lineBreak(c);
        append(input_.substr(0, 1));
    }
    input_.remove_prefix(1);
}

const Record* CsvReader::endRecord() {
    endField();
    state_ = State::BetweenRecords;
    return &current_;
}

// The first problem of a record is the one it is refused for.
void CsvReader::fail(std::string problem) {
    if (!current_.problem.empty())
        return;
    current_.problem = std::move(problem);
    current_.problemField = current_.ends_.size();
}

} // namespace cli
