// The temperature window's model: two boxes, degrees Fahrenheit and Celsius, each converting
// into the other.
#pragma once

#include "entry/field_set.h"
#include "entry/highlight.h"
#include "entry/key.h"
#include "entry/keyfilter.h"

#include <bitset>
#include <string>
#include <string_view>

namespace temperature {

// The two boxes of the temperature window.
enum class Scale { Fahrenheit, Celsius };

double toFahrenheit(double celsius);
double toCelsius(double fahrenheit);

// Both boxes take any temperature a user might type, below zero too.
inline constexpr entry::EntryBounds kBounds{true, true, -100000, 100000};
// Converted temperatures show one decimal.
inline constexpr std::string_view kPattern = "###0.0";

// What the temperature window knows and decides: a temperature typed into one box appears in
// the other, with one decimal, at ENTER or when the focus leaves the box.
class TemperatureModel {
public:
    using Field = Scale;

    // A key pressed in a box whose selection is `selection`.
    entry::KeyAnswer keyPress(Scale box, entry::Key key, entry::Selection selection);
    // The focus left the box; what the user is to be told.
    entry::Notices leave(Scale box);
    // The user changed a box's text by editing it.
    void edited(Scale box, std::string_view text) { fields_.edited(index(box), text); }

    const std::string& text(Scale box) const { return fields_.text(index(box)); }
    std::bitset<2> takeWritten() { return fields_.takeWritten(); }

private:
    static std::size_t index(Scale box) { return static_cast<std::size_t>(box); }
    // Writes the other box from this one; false (and a range message) when the result is too
    // large to show.
    bool convertFrom(Scale box, entry::Notices& notices);

    entry::FieldSet<2> fields_;
};

} // namespace temperature
