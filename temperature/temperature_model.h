#pragma once

#include "entry/field_set.h"
#include "entry/highlight.h"
#include "entry/notice.h"

#include <bitset>
#include <cstdint>
#include <string>

namespace temperature {

// The two boxes of the temperature window.
enum class Scale { Fahrenheit, Celsius };

double toFahrenheit(double celsius);
double toCelsius(double fahrenheit);

// What the temperature window knows and decides: a temperature typed into one box appears in
// the other, with one decimal, at ENTER or when the focus leaves the box.
class TemperatureModel {
public:
    explicit TemperatureModel(entry::NoticeSink notices = {}) : notices_(std::move(notices)) {}

    void keyPress(Scale box, std::int16_t& keyAscii, entry::Selection selection);
    // The focus left the box.
    void leave(Scale box);
    // The user changed a box's text by editing it.
    void edited(Scale box, std::string_view text) { fields_.edited(index(box), text); }

    const std::string& text(Scale box) const { return fields_.text(index(box)); }
    std::bitset<2> takeWritten() { return fields_.takeWritten(); }

private:
    static std::size_t index(Scale box) { return static_cast<std::size_t>(box); }
    void convertFrom(Scale box);

    entry::FieldSet<2> fields_;
    entry::Notices notices_;
};

} // namespace temperature
