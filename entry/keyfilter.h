#pragma once

#include "entry/highlight.h"
#include "entry/notice.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace entry {

// What an entry box accepts.
struct EntryBounds {
    bool decimal_ok;
    bool negative_ok;
    double minval;
    double maxval;
};

// The filter's decision on one key: the code to go on with (kRefused when the key must not
// reach the box) and how the user is told, message first when both.
struct KeyVerdict {
    std::int16_t code;
    bool rangeMessage = false;
    bool beep = false;
    double value = 0; // at ENTER: the number the box holds
};

// Decides whether a key may reach a box holding `text` with `selection`: digits, BACKSPACE,
// ENTER, one decimal point and one leading minus sign where allowed; every digit or minus sign
// keeps the number within the bounds, and ENTER needs the number at or above the lower bound.
KeyVerdict keyfilter(std::int16_t keyAscii, std::string_view text, Selection selection,
                     const EntryBounds& bounds);

// keyfilter applied to a key press: refuses the key in place and tells the user why.
KeyVerdict filterKey(std::int16_t& keyAscii, std::string_view text, Selection selection,
                     const EntryBounds& bounds, const Notices& notices);

// "Entry out of range.  Value must be between <min> and <max>", each bound written with a
// sign character (blank or "-") in the general decimal form ("1E-08", "100000").
std::string rangeMessage(const EntryBounds& bounds);
// The range message in its box, titled "Input Error".
void tellRange(const EntryBounds& bounds, const Notices& notices);

} // namespace entry
