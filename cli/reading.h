// One reading typed into a fresh converter model, and the names readings use for boxes.
#pragma once

#include "converter/boxes.h"
#include "converter/converter_model.h"
#include "engine/decibels.h"

#include <optional>
#include <string>
#include <string_view>

namespace cli {

// One reading as the user would type it into a freshly started converter window: the
// reference chosen first, then the frequency into its box and ENTER, then the level into its
// unit's box and ENTER.
struct Reading {
    engine::Reference reference = engine::Reference::US;
    converter::Box frequencyBox = converter::Box::Hz;
    std::string_view frequency;
    converter::Box levelBox = converter::Box::GRms;
    std::string_view level;
    bool decimalComma = false; // the values are written with a comma as the decimal point
};

// Why the window would not take a reading: which of its two values, and what the window said
// (its message, or a plain sentence where it only beeps).
struct Refusal {
    bool inFrequency = false;
    std::string message;
};

// Types each reading into a converter model started afresh for it, as into a newly opened
// window.
class ReadingTypist {
public:
    ReadingTypist() = default;
    ReadingTypist(const ReadingTypist&) = delete;
    ReadingTypist& operator=(const ReadingTypist&) = delete;

    // Why the window refused the reading, or nothing when it took it: text() then gives what
    // each box shows.
    std::optional<Refusal> type(const Reading& reading);
    const std::string& text(converter::Box box) const { return model_->text(box); }

private:
    std::optional<converter::ConverterModel> model_;
};

// Whether two names are the same in any letter case: names given by the user match so.
bool sameName(std::string_view name, std::string_view other);

// A name without the blanks around it.
std::string_view trimmed(std::string_view name);

// The unit box a reading names by its command-line key, in any letter case, blanks around it
// ignored.
std::optional<converter::Box> levelBoxNamed(std::string_view key);

// The level boxes' keys, "g-rms, g-pk, ..., vdb", for messages.
std::string levelKeys();

} // namespace cli
