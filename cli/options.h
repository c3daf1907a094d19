// The command line of amplora-convert, read into what it asks for.
#pragma once

#include "converter/boxes.h"
#include "engine/decibels.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace cli {

// A command line that cannot be run; its text is the one-line hint.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Options {
    enum class Action { Convert, Help, Version };
    Action action = Action::Convert;
    engine::Reference reference = engine::Reference::US;
    // One reading from the command line: a frequency box and a level box with their values.
    std::optional<converter::Box> frequencyBox;
    std::string frequency;
    std::optional<converter::Box> levelBox;
    std::string level;
    bool csv = false;
    bool skipBad = false;
    bool decimalComma = false;       // numbers in and out have a comma for the decimal point
    std::optional<char> delimiter;   // between CSV fields, when not a comma
    std::vector<std::string> inputs; // files of readings; "-" is standard input

    bool oneReading() const { return frequencyBox.has_value(); }
    char separator() const { return delimiter.value_or(','); }
};

// Reads the arguments after the program name; throws UsageError.
Options parseOptions(int argc, const char* const* argv);

} // namespace cli
