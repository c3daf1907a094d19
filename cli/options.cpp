// Reading the command line: options, their values, and which of them go together.
#include "cli/options.h"

#include "cli/convert_core.h"
#include "cli/escaping.h"
#include "cli/reading.h"

#include <string_view>

namespace cli {
namespace {

using converter::Box;

std::optional<Box> boxNamed(std::string_view key) {
    for (const converter::BoxDescription& d : converter::kBoxes)
        if (d.key == key)
            return d.box;
    return std::nullopt;
}

bool isFlag(std::string_view name) {
    return name == "csv" || name == "skip-bad" || name == "decimal-comma" || name == "help" ||
           name == "version";
}

engine::Reference referenceNamed(std::string_view name) {
    if (sameName(name, "us"))
        return engine::Reference::US;
    if (sameName(name, "iso"))
        return engine::Reference::ISO;
    throw UsageError("--ref takes us or iso, not " + shown(name));
}

// One character or TAB; which characters can separate fields is the converter's to say.
char delimiterNamed(std::string_view name) {
    if (sameName(name, "tab"))
        return '\t';
    if (name.size() != 1)
        throw UsageError("--delimiter takes one printable character or tab, not " + shown(name));
    return name[0];
}

// One box's option: the frequency or the level of the reading, each given once.
void setBox(Options& options, Box box, std::string value) {
    const bool frequency = converter::isFrequency(box);
    auto& slot = frequency ? options.frequencyBox : options.levelBox;
    if (slot)
        throw UsageError(frequency ? "give the frequency once, with --hz or --cpm"
                                   : "give one level, in one unit");
    slot = box;
    (frequency ? options.frequency : options.level) = std::move(value);
}

void checkCombination(const Options& options) {
    if (options.action != Options::Action::Convert)
        return;
    // The table of one reading has no separator to clash with a decimal comma.
    const bool csv = options.csv || !options.frequencyBox;
    if (const auto problem = settingsProblem(
            {options.reference, options.separator(), options.skipBad, options.decimalComma && csv}))
        throw UsageError(*problem);
    if (options.levelBox && !options.frequencyBox)
        throw UsageError("a level needs its frequency: --hz or --cpm");
    if (options.frequencyBox && !options.levelBox)
        throw UsageError("the frequency needs a level, such as --g-pk 1");
    if (options.frequencyBox && !options.inputs.empty())
        throw UsageError("convert either one reading or files of readings, not both");
    if (options.csv && !options.frequencyBox)
        throw UsageError("--csv is for one reading given with --hz or --cpm");
    if (options.skipBad && options.frequencyBox)
        throw UsageError("--skip-bad is for files of readings");
    if (options.delimiter && options.frequencyBox && !options.csv)
        throw UsageError("--delimiter is for CSV: files of readings, or --csv");
}

} // namespace

Options parseOptions(int argc, const char* const* argv) {
    Options options;
    bool optionsEnded = false;
    for (int i = 0; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (optionsEnded || arg == "-" || !arg.starts_with("-")) {
            options.inputs.emplace_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        // The short forms amplora itself takes.
        std::string_view name = arg == "-h" ? "--help" : arg == "-v" ? "--version" : arg;
        if (!name.starts_with("--"))
            throw UsageError("unknown option " + shown(arg));
        name.remove_prefix(2);
        std::optional<std::string> value;
        if (const auto equals = name.find('='); equals != std::string_view::npos) {
            value = std::string(name.substr(equals + 1));
            name = name.substr(0, equals);
        }
        const std::optional<Box> box = boxNamed(name);
        const bool takesValue = box || name == "ref" || name == "delimiter";
        if (!takesValue && !isFlag(name))
            throw UsageError("unknown option " + shown(arg.substr(0, name.size() + 2)));
        if (!takesValue && value)
            throw UsageError("--" + std::string(name) + " takes no value");
        if (takesValue && !value) {
            if (i + 1 == argc)
                throw UsageError("--" + std::string(name) + " needs a value");
            value = argv[++i]; // taken as it stands, even when it starts with '-'
        }
        if (box)
            setBox(options, *box, std::move(*value));
        else if (name == "ref")
            options.reference = referenceNamed(*value);
        else if (name == "delimiter")
            options.delimiter = delimiterNamed(*value);
        else if (name == "csv")
            options.csv = true;
        else if (name == "skip-bad")
            options.skipBad = true;
        else if (name == "decimal-comma")
            options.decimalComma = true;
        else if (name == "help")
            options.action = Options::Action::Help;
        else
            options.action = Options::Action::Version;
    }
    checkCombination(options);
    return options;
}

} // namespace cli
