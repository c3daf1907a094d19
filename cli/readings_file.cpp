#include "cli/readings_file.h"

#include "cli/box_columns.h"
#include "cli/diagnostics.h"

#include <algorithm>

namespace cli {
namespace {

using converter::Box;

constexpr std::string_view kLevelColumn = "level";
constexpr std::string_view kUnitColumn = "unit";

} // namespace

bool ReadingsConverter::convert(int fd, std::string_view name) {
    CsvReader reader(fd);
    if (!reader.next(record_))
        return refuse(name, 1, {}, "no header line");
    header_.clear();
    for (std::size_t i = 0; i < record_.size(); ++i)
        header_.emplace_back(record_[i]);
    std::optional<std::string> problem;
    if (!record_.problem.empty())
        problem = columnName(record_.problemField) + ": " + record_.problem;
    if (!problem)
        problem = readHeader(record_);
    if (!problem && headerWritten_)
        problem = passedNamesDiffer(record_);
    if (problem)
        return refuse(name, record_.line, {}, *problem);
    if (!headerWritten_)
        writeHeader(record_);
    while (reader.next(record_))
        if (!convertRow(name))
            return false;
    return true;
}

// The layout of a file from its header line; what is wrong with it otherwise.
std::optional<std::string> ReadingsConverter::readHeader(const Record& header) {
    layout_ = Layout{};
    layout_.fields = header.size();
    bool frequency = false, level = false, unit = false;
    const auto take = [](bool& seen, std::string_view column) -> std::optional<std::string> {
        if (seen)
            return std::string(column) + ": the column appears twice";
        seen = true;
        return std::nullopt;
    };
    for (std::size_t i = 0; i < header.size(); ++i) {
        std::optional<std::string> twice;
        if (sameName(header[i], converter::describe(Box::Hz).key) ||
            sameName(header[i], converter::describe(Box::Cpm).key)) {
            if (frequency)
                return std::string("give the frequency in one column: hz or cpm");
            frequency = true;
            layout_.frequency = i;
            layout_.frequencyBox =
                sameName(header[i], converter::describe(Box::Hz).key) ? Box::Hz : Box::Cpm;
        } else if (sameName(header[i], kLevelColumn)) {
            twice = take(level, kLevelColumn);
            layout_.level = i;
        } else if (sameName(header[i], kUnitColumn)) {
            twice = take(unit, kUnitColumn);
            layout_.unit = i;
        } else {
            layout_.passed.push_back(i);
        }
        if (twice)
            return twice;
    }
    if (!frequency)
        return std::string("no frequency column: hz or cpm");
    if (!level)
        return std::string("no level column");
    if (!unit)
        return std::string("no unit column");
    return std::nullopt;
}

void ReadingsConverter::writeHeader(const Record& header) {
    for (std::size_t i : layout_.passed) {
        passedNames_.emplace_back(header[i]);
        out_.field(header[i]);
        out_.put(',');
    }
    writeBoxColumns(out_);
    headerWritten_ = true;
}

std::optional<std::string> ReadingsConverter::passedNamesDiffer(const Record& header) const {
    const bool same = std::equal(
        layout_.passed.begin(), layout_.passed.end(), passedNames_.begin(), passedNames_.end(),
        [&header](std::size_t i, const std::string& first) { return header[i] == first; });
    if (same)
        return std::nullopt;
    return std::string("the columns besides hz or cpm, level and unit differ from those of the "
                       "first file");
}

bool ReadingsConverter::convertRow(std::string_view name) {
    const Record& row = record_;
    if (!row.problem.empty())
        return refuse(name, row.line, columnName(row.problemField), row.problem);
    if (row.size() != layout_.fields)
        return refuse(name, row.line, {},
                      std::to_string(row.size()) + " fields where the header has " +
                          std::to_string(layout_.fields));
    const std::string_view unit = row[layout_.unit];
    const std::optional<Box> levelBox = levelBoxNamed(unit);
    if (!levelBox)
        return refuse(name, row.line, columnName(layout_.unit),
                      "unknown unit " + shown(unit) + " (the units are " + levelKeys() + ")");
    const Reading reading{reference_, layout_.frequencyBox, row[layout_.frequency], *levelBox,
                          row[layout_.level]};
    if (const auto refusal = typist_.type(reading)) {
        const std::size_t field = refusal->inFrequency ? layout_.frequency : layout_.level;
        return refuse(name, row.line, columnName(field), refusal->message);
    }
    for (std::size_t i : layout_.passed) {
        out_.field(row[i]);
        out_.put(',');
    }
    writeBoxTexts(typist_, out_);
    return true;
}

// A column by its name in the header, or by its place where the header has none.
std::string ReadingsConverter::columnName(std::size_t field) const {
    if (field < header_.size() && !header_[field].empty())
        return header_[field];
    return "column " + std::to_string(field + 1);
}

bool ReadingsConverter::refuse(std::string_view name, std::size_t line, std::string_view column,
                               std::string_view what) {
    anyBad_ = true;
    std::string text(name);
    text += ':' + std::to_string(line) + ": ";
    if (!column.empty())
        text += std::string(column) + ": ";
    text += what;
    complain(text);
    return skipBad_;
}

} // namespace cli
