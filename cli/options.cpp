#include "cli/options.h"

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
    return name == "csv" || name == "skip-bad" || name == "help" || name == "version";
}

engine::Reference referenceNamed(std::string_view name) {
    if (sameName(name, "us"))
        return engine::Reference::US;
    if (sameName(name, "iso"))
        return engine::Reference::ISO;
    throw UsageError("--ref takes us or iso, not '" + std::string(name) + "'");
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
    if (options.levelBox && !options.frequencyBox)
        throw UsageError("a level needs its frequency: --hz or --cpm");
    if (options.frequencyBox && !options.levelBox)
        throw UsageError("the frequency needs a level, such as --g-pk 1");
    if (options.frequencyBox && !options.inputs.empty())
        throw UsageError("convert either one reading or files of readings, not both");
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
            throw UsageError("unknown option '" + std::string(arg) + "'");
        name.remove_prefix(2);
        std::optional<std::string> value;
        if (const auto equals = name.find('='); equals != std::string_view::npos) {
            value = std::string(name.substr(equals + 1));
            name = name.substr(0, equals);
        }
        const std::optional<Box> box = boxNamed(name);
        const bool takesValue = box || name == "ref";
        if (!takesValue && !isFlag(name))
            throw UsageError("unknown option '--" + std::string(name) + "'");
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
        else if (name == "csv")
            options.csv = true;
        else if (name == "skip-bad")
            options.skipBad = true;
        else if (name == "help")
            options.action = Options::Action::Help;
        else
            options.action = Options::Action::Version;
    }
    checkCombination(options);
    return options;
}

} // namespace cli
