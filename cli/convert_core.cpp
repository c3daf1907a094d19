// FileConverter's run: inputs fed in chunks, each record taken as a header or a row, and the
// messages and exit status it comes to.
#include "cli/convert_core.h"

#include "cli/escaping.h"
#include "cli/exit_status.h"

namespace cli {
namespace {

// A spreadsheet's empty row: every field empty or blank.
bool spacer(const Record& record) {
    const std::string_view first = record[0];
    if (!first.empty() && first[0] != ' ' && first[0] != '\t')
        return false; // at a test for nearly every row
    for (std::size_t i = 0; i < record.size(); ++i)
        if (!trimmed(record[i]).empty())
            return false;
    return record.problem.empty();
}

} // namespace

std::optional<std::string> settingsProblem(const ConvertSettings& settings) {
    const char c = settings.separator;
    if (c != '\t' &&
        (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) >= 0x7f))
        return "--delimiter takes one printable character or tab, not " + shown({&c, 1});
    const bool alphanumeric =
        (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    if (alphanumeric || c == '.' || c == '-' || c == '+' || c == '"')
        return "--delimiter cannot be " + shown({&c, 1}) +
               ": numbers, units, quotes or line breaks hold it";
    if (settings.decimalComma && c == ',')
        return std::string("--decimal-comma needs another separator: --delimiter ';' or tab");
    return std::nullopt;
}

FileConverter::FileConverter(const ConvertSettings& settings)
    : settings_(settings), out_(settings.separator) {
    if (const std::optional<std::string> problem = settingsProblem(settings)) {
        messages_ = *problem + "\n";
        unusable_ = ended_ = true;
    }
}

void FileConverter::startInput(std::string_view name) {
    name_ = name;
    reader_.emplace(settings_.separator);
    headerRead_ = false;
    inputDone_ = ended_;
}

bool FileConverter::feed(std::string_view chunk) {
    if (inputDone_)
        return false;
    reader_->push(chunk);
    return readRecords();
}

bool FileConverter::finish() {
    if (!inputDone_) {
        reader_->end();
        if (readRecords() && !headerRead_ && !refuse(1, {}, "no header line"))
            ended_ = true;
    }
    inputDone_ = true;
    return !ended_;
}

int FileConverter::status() const {
    return unusable_ ? kExitUsage : anyBad_ ? kExitBadData : kExitOk;
}

// Takes every record the input pushed so far completes; false once no more is wanted.
bool FileConverter::readRecords() {
    while ((record_ = reader_->next())) {
        if (spacer(*record_))
            continue;
        const bool header = !headerRead_;
        headerRead_ = true;
        if (header ? takeHeader() : convertRow())
            continue;
        ended_ = !header || !settings_.skipBad;
        inputDone_ = true;
        return false;
    }
    return true;
}

// The header of an input: the columns it names, which must agree with the first input's.
bool FileConverter::takeHeader() {
    header_.clear();
    const Record& record = *record_;
    for (std::size_t i = 0; i < record.size(); ++i)
        header_.emplace_back(record[i]);
    std::optional<std::string> problem;
    if (header_[0].starts_with("\xFF\xFE") || header_[0].starts_with("\xFE\xFF"))
        problem = "the file is UTF-16: save it as UTF-8";
    if (!problem && !record.problem.empty())
        problem = columnName(record.problemField) + ": " + record.problem;
    if (!problem)
        problem = readHeader();
    if (!problem && headerWritten_)
        problem = passedNamesDiffer();
    if (problem) {
        refuse(record.line, {}, *problem);
        return false; // the rest of the input cannot be read without its header
    }
    if (!headerWritten_) {
        firstName_ = name_;
        writeHeader();
    }
    return true;
}

bool FileConverter::refuse(std::size_t line, std::string_view column, std::string_view what) {
    anyBad_ = true;
    messages_ += escaped(name_);
    messages_ += ':' + std::to_string(line) + ": ";
    if (!column.empty())
        messages_ += std::string(column) + ": ";
    messages_ += what;
    messages_ += '\n';
    return settings_.skipBad;
}

} // namespace cli
