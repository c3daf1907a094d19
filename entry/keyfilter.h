// The key filter every entry box applies: which keys may reach a box, and the range message.
#pragma once

#include "entry/highlight.h"
#include "entry/key.h"
#include "entry/notice.h"

#include <string>
#include <string_view>

namespace entry {

// What an entry box accepts.
struct EntryBounds {
    bool decimalOk;
    bool negativeOk;
    double minValue;
    double maxValue;
};

// The filter's decision on one key and how the user is told, message first when both: a key
// is refused exactly when the user is told something.
struct KeyVerdict {
    bool rangeMessage = false;
    bool beep = false;
    double value = 0; // at ENTER: the number the box holds

    bool refused() const { return rangeMessage || beep; }
};

// Decides whether a key may reach a box holding `text` with `selection`: digits, BACKSPACE,
// ENTER, one decimal point and one leading minus sign where allowed; every digit or minus sign
// keeps the number within the bounds, and ENTER needs the number at or above the lower bound.
KeyVerdict judgeKey(Key key, std::string_view text, Selection selection, const EntryBounds& bounds);

// Keys typed one after another into an empty box, with those left out whose verdict an earlier
// key had already (repeated leading zeros, zeros too deep to count, digits beyond what a double
// resolves but for the first non-zero one) and those after a key that is refused whatever the
// box holds. The first refused key, its notices and the number the box holds at the end are
// those of `keys`; the keys left are at most about 1,200 digits and a point and a sign, so
// that typing a long value costs no more than typing a short one.
std::string keysJudgedAlike(std::string_view keys);

// The notices a verdict brings, appended to `notices`.
void tellVerdict(const KeyVerdict& verdict, const EntryBounds& bounds, Notices& notices);

// "Entry out of range.  Value must be between <min> and <max>", each bound written with a
// sign character (blank or "-") in the general decimal form ("1E-08", "100000").
std::string rangeMessage(const EntryBounds& bounds);
// The range message in its box, titled "Input Error".
Notice rangeNotice(const EntryBounds& bounds);

} // namespace entry
