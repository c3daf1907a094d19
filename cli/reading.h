#pragma once

#include "converter/boxes.h"
#include "engine/decibels.h"

#include <array>
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
    converter::Box levelBox = converter::Box::AccGrms;
    std::string_view level;
};

// Why the window would not take a reading: which of its two values, and what the window said
// (its message, or a plain sentence where it only beeps).
struct Refusal {
    bool inFrequency = false;
    std::string message;
};

// The twelve box texts in table order.
using BoxTexts = std::array<std::string, converter::kBoxCount>;

// Types the reading into a new converter model: the texts the window's twelve boxes would
// show afterwards, or why the window refused it. `texts` is only written when it took it.
std::optional<Refusal> convertReading(const Reading& reading, BoxTexts& texts);

// The unit box a reading names by its command-line key, in any letter case.
std::optional<converter::Box> levelBoxNamed(std::string_view key);

// The level boxes' keys, "g-rms, g-pk, ..., vdb", for messages.
std::string levelKeys();

} // namespace cli
