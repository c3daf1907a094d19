#pragma once

#include "entry/keyfilter.h"

// What each entry box of the converter window accepts.
namespace converter {

inline constexpr entry::EntryBounds kHzBounds{true, false, 1, 100000};
inline constexpr entry::EntryBounds kCpmBounds{true, false, 1, 6000000};
inline constexpr double kLevelMin = 0.00000001;
inline constexpr entry::EntryBounds kLevelBounds{true, false, kLevelMin, 10000};
inline constexpr entry::EntryBounds kLevelMmBounds{true, false, kLevelMin, 1000000};
inline constexpr entry::EntryBounds kDecibelBounds{true, true, -60, 200};

// The smallest level a box shows (eleven decimals); a base box read back below it holds
// something the program did not write there.
inline constexpr double kSmallestShownLevel = 0.00000000001;

// The lowest frequency the frequency boxes can produce: 1 CPM.
inline constexpr double kLowestHz = 1.0 / 60;

inline constexpr const char* kNoFrequencyText = "Please enter the frequency first";
inline constexpr const char* kNoFrequencyTitle = "Sorry...";

} // namespace converter
