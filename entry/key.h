// A key offered to an entry box's model, and what the model made of it.
#pragma once

#include "entry/notice.h"

namespace entry {

// A key as an entry box's model sees it: the character it types. ENTER types a carriage
// return and BACKSPACE a backspace, as CTRL+M and CTRL+H do, so those two keys act alike;
// ESC and CTRL+letter type control characters, which no box takes.
class Key {
public:
    static constexpr Key typing(char16_t character) { return Key(character); }
    static constexpr Key enter() { return Key(kCarriageReturn); }
    static constexpr Key backspace() { return Key(kBackspace); }
    static constexpr Key escape() { return Key(kEscape); }
    // CTRL with a letter from A to Z.
    static constexpr Key control(char16_t letter) { return Key(letter - u'A' + 1); }

    constexpr char16_t character() const { return character_; }
    constexpr bool isEnter() const { return character_ == kCarriageReturn; }
    constexpr bool isBackspace() const { return character_ == kBackspace; }
    constexpr bool operator==(const Key&) const = default;

private:
    static constexpr char16_t kBackspace = 8;
    static constexpr char16_t kCarriageReturn = 13;
    static constexpr char16_t kEscape = 27;

    constexpr explicit Key(char16_t character) : character_(character) {}
    char16_t character_;
};

// What became of a key: the box takes its character, or it never reaches the box (refused, or
// an ENTER the model acted on by converting).
enum class KeyOutcome { Taken, Refused, Converted };

// A model's answer to a key: its outcome and what the user is to be told, in order, once the
// window shows the boxes as the model has them now.
struct KeyAnswer {
    KeyOutcome outcome = KeyOutcome::Taken;
    Notices notices;
};

} // namespace entry
