// What a screen reader says of the converter window beyond the boxes' texts: the boxes' names
// and the announcement of a conversion.
#pragma once

#include "converter/converter_model.h"

#include <bitset>
#include <optional>
#include <string>
#include <string_view>

namespace converter {

// The name a box is known by to screen readers. A decibel box adds the reference it uses, in
// the words of its caption, and the reference's own name (as its option button says it):
// "Acceleration decibels re 1 micro-g, rms (US)". The other boxes keep their names.
std::string spokenName(Box box, engine::Reference reference, std::string_view referenceName);

// What to say after a key whose answer wrote the boxes `written`: a conversion (one that wrote
// a number: a frequency's ENTER, or a level's) as "Converted: " and every box that shows a
// number, in reading order, by its caption ("Frequency, Hz 50.0; Frequency, CPM 3000.0;
// Acceleration, g, rms 0.707; ..."); nothing after a key that only emptied boxes.
std::optional<std::string> conversionAnnouncement(const ConverterModel& model,
                                                  std::bitset<kBoxCount> written);

// What to say once Copy All Results has put the boxes on the clipboard: how many numbers it
// copied ("Copied 12 results").
std::string copiedAnnouncement(const ConverterModel& model);

// What to say once Clear has started the form over, the focus back in Hz.
inline constexpr std::string_view kClearedAnnouncement = "Form cleared";

} // namespace converter
