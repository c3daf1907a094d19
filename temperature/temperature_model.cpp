#include "temperature/temperature_model.h"

#include "engine/display_format.h"
#include "entry/key_codes.h"
#include "entry/keyfilter.h"
#include "entry/numeric_value.h"

#include <cmath>

namespace temperature {
namespace {

constexpr entry::EntryBounds kBounds{true, true, -100000, 100000};
constexpr engine::Places kPattern = engine::placesOf("###0.0");

Scale otherScale(Scale box) {
    return box == Scale::Fahrenheit ? Scale::Celsius : Scale::Fahrenheit;
}

} // namespace

double toFahrenheit(double celsius) {
    return celsius * 9 / 5 + 32;
}

double toCelsius(double fahrenheit) {
    return (fahrenheit - 32) * 5 / 9;
}

void TemperatureModel::keyPress(Scale box, std::int16_t& keyAscii, entry::Selection selection) {
    // The other box no longer matches once this one is being edited.
    if (keyAscii > 0)
        fields_.write(index(otherScale(box)), {});
    entry::filterKey(keyAscii, text(box), selection, kBounds, notices_);
    if (keyAscii == entry::kEnter) {
        keyAscii = entry::kRefused;
        convertFrom(box);
    }
}

void TemperatureModel::leave(Scale box) {
    if (!text(box).empty())
        convertFrom(box);
}

// Pasted text, or a number that BACKSPACE made longer than the keys allow, never passed the
// keystroke checks: a result too large to show sensibly is reported instead of written.
void TemperatureModel::convertFrom(Scale box) {
    const double t = entry::numericValue(text(box));
    const double result = box == Scale::Celsius ? toFahrenheit(t) : toCelsius(t);
    if (!(std::fabs(result) <= engine::kLargestSensibleValue)) {
        entry::tellRange(kBounds, notices_);
        return;
    }
    fields_.write(index(otherScale(box)), engine::formatPattern(result, kPattern));
}

} // namespace temperature
