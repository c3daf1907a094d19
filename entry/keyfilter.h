#pragma once

#include <cstdint>
#include <string>

namespace toolkit {
class TextBox;
class Prompter;
} // namespace toolkit

namespace entry {

// What an entry box accepts.
struct EntryBounds {
    bool decimal_ok;
    bool negative_ok;
    double minval;
    double maxval;
};

// Decides whether the key with character code KeyAscii may reach the box; refuses it by
// setting KeyAscii to 0, with a beep or the "Input Error" range message. Never changes the
// box itself.
void keyfilter(std::int16_t& KeyAscii, toolkit::TextBox& textboxname, const EntryBounds& bounds,
               toolkit::Prompter& prompter);

// A bound as the range message writes it: a sign character (blank or "-"), then the
// general decimal form ("1E-08", "100000").
std::string boundText(double bound);

// "Entry out of range.  Value must be between <min> and <max>".
std::string rangeMessage(double minval, double maxval);

inline constexpr const char* kInputErrorTitle = "Input Error";

} // namespace entry
