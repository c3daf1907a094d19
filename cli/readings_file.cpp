// Converting files of readings: the header's columns, then every row typed as a reading.
#include "cli/convert_core.h"

#include "cli/box_columns.h"
#include "cli/escaping.h"

#include <algorithm>
#include <array>

namespace cli {
namespace {

using converter::Box;

constexpr std::string_view kLevelColumn = "level";
constexpr std::string_view kUnitColumn = "unit";
// At most this many of a header's names are listed in a message.
constexpr std::size_t kNamesListed = 12;
constexpr std::size_t kLongestName = 40;

bool isFrequencyColumn(std::string_view name) {
    return sameName(name, converter::describe(Box::Hz).key) ||
           sameName(name, converter::describe(Box::Cpm).key);
}

// Whether a header split at `separator` names the three columns a file of readings needs.
bool namesReadings(std::string_view header, char separator) {
    bool frequency = false, level = false, unit = false;
    for (std::size_t start = 0; start <= header.size();) {
        const std::size_t end = std::min(header.find(separator, start), header.size());
        const std::string_view name = trimmed(header.substr(start, end - start));
        frequency = frequency || isFrequencyColumn(name);
        level = level || sameName(name, kLevelColumn);
        unit = unit || sameName(name, kUnitColumn);
        start = end + 1;
    }
    return frequency && level && unit;
}

std::string delimiterOption(char separator) {
    std::string quoted = "' '";
    quoted[1] = separator;
    return separator == '\t' ? "tab" : quoted;
}

} // namespace

// The layout of a file from its header line; what is wrong with it otherwise.
std::optional<std::string> FileConverter::readHeader() {
    layout_ = Layout{};
    layout_.fields = header_.size();
    bool frequency = false, level = false, unit = false;
    const auto take = [](bool& seen, std::string_view column) -> std::optional<std::string> {
        if (seen)
            return std::string(column) + ": the column appears twice";
        seen = true;
        return std::nullopt;
    };
    for (std::size_t i = 0; i < header_.size(); ++i) {
        const std::string_view name = trimmed(header_[i]);
        std::optional<std::string> problem;
        if (isFrequencyColumn(name)) {
            if (frequency)
                return std::string("give the frequency in one column: hz or cpm");
            frequency = true;
            layout_.frequency = i;
            layout_.frequencyBox =
                sameName(name, converter::describe(Box::Hz).key) ? Box::Hz : Box::Cpm;
        } else if (sameName(name, kLevelColumn)) {
            problem = take(level, kLevelColumn);
            layout_.level = i;
        } else if (sameName(name, kUnitColumn)) {
            problem = take(unit, kUnitColumn);
            layout_.unit = i;
        } else if (std::any_of(converter::kBoxes.begin(), converter::kBoxes.end(),
                               [&name](const auto& d) { return sameName(name, columnOf(d)); })) {
            problem = columnName(i) + ": the output has a column of this name; rename it";
        } else {
            layout_.passed.push_back(i);
        }
        if (problem)
            return problem;
    }
    return missingColumn(frequency, level, unit);
}

// A column the header lacks, with the names it has; or the separator that would find them.
std::optional<std::string> FileConverter::missingColumn(bool frequency, bool level,
                                                        bool unit) const {
    if (frequency && level && unit)
        return std::nullopt;
    std::string joined;
    for (const std::string& name : header_)
        joined += name + (&name == &header_.back() ? "" : std::string(1, settings_.separator));
    for (char separator : {',', ';', '\t'})
        if (separator != settings_.separator && namesReadings(joined, separator))
            return "the columns are separated by " +
                   std::string(separator == '\t' ? "TABs" : delimiterOption(separator)) +
                   ": give --delimiter " + delimiterOption(separator);
    std::string text = !frequency ? "no frequency column (hz or cpm)"
                       : !level   ? "no level column"
                                  : "no unit column";
    text += " among ";
    for (std::size_t i = 0; i < header_.size() && i < kNamesListed; ++i)
        text += (i == 0 ? "" : ", ") + shown(trimmed(header_[i]));
    if (header_.size() > kNamesListed)
        text += ", ... (" + std::to_string(header_.size()) + " columns)";
    return text;
}

// The passed-through names as they stand, then the twelve box columns.
void FileConverter::writeHeader() {
    for (std::size_t i : layout_.passed) {
        passedNames_.emplace_back(header_[i]);
        out_.field(header_[i]);
        out_.separate();
    }
    writeBoxColumns(out_);
    headerWritten_ = true;
}

// The first place where this file's passed-through columns differ from the first file's.
std::optional<std::string> FileConverter::passedNamesDiffer() const {
    const std::vector<std::size_t>& passed = layout_.passed;
    std::size_t i = 0;
    while (i < passed.size() && i < passedNames_.size() &&
           sameName(trimmed(header_[passed[i]]), trimmed(passedNames_[i])))
        ++i;
    if (i == passed.size() && i == passedNames_.size())
        return std::nullopt;
    const std::string first = escaped(firstName_);
    std::string text = "the columns passed through must be those of " + first + ": ";
    if (i == passed.size())
        return text + shown(trimmed(passedNames_[i])) + " is missing";
    if (i == passedNames_.size())
        return text + shown(trimmed(header_[passed[i]])) + " is not in " + first;
    return text + shown(trimmed(header_[passed[i]])) + " stands where " + first + " has " +
           shown(trimmed(passedNames_[i]));
}

bool FileConverter::convertRow() {
    const Record& row = *record_;
    if (!row.problem.empty())
        return refuse(row.line, columnName(row.problemField), row.problem);
    if (row.size() != layout_.fields)
        return refuse(row.line, {},
                      std::to_string(row.size()) + " fields where the header has " +
                          std::to_string(layout_.fields));
    const std::string_view unit = row[layout_.unit];
    const std::optional<Box> levelBox = levelBoxNamed(unit);
    if (!levelBox)
        return refuse(row.line, columnName(layout_.unit),
                      "unknown unit " + shown(unit) + " (the units are " + levelKeys() + ")");
    const Reading reading{settings_.reference, layout_.frequencyBox, row[layout_.frequency],
                          *levelBox,           row[layout_.level],   settings_.decimalComma};
    if (const auto refusal = typist_.type(reading)) {
        const std::size_t field = refusal->inFrequency ? layout_.frequency : layout_.level;
        return refuse(row.line, columnName(field), refusal->message);
    }
    for (std::size_t i : layout_.passed) {
        out_.field(row[i]);
        out_.separate();
    }
    writeBoxTexts(typist_, out_, settings_.decimalComma);
    ++rowsConverted_;
    return true;
}

// A column by its name in the header, or by its place where the header has none.
std::string FileConverter::columnName(std::size_t field) const {
    if (field < header_.size() && !trimmed(header_[field]).empty())
        return escaped(trimmed(header_[field]), kLongestName);
    return "column " + std::to_string(field + 1);
}

} // namespace cli
