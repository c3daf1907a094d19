// The temperature model: the two formulas, and what a key or leaving a box does.
#include "temperature/temperature_model.h"

#include "engine/display_format.h"
#include "entry/numeric_value.h"

#include <cmath>

namespace temperature {
namespace {

constexpr engine::Places kPlaces = engine::placesOf(kPattern);

Scale otherScale(Scale box) {
    return box == Scale::Fahrenheit ? Scale::Celsius : Scale::Fahrenheit;
}

// A 16-bit character code from U+8000 up is negative; such a key leaves the other box as it is.
bool positiveCode(entry::Key key) {
    return key.character() > 0 && key.character() < 0x8000;
}

} // namespace

double toFahrenheit(double celsius) {
    return celsius * 9 / 5 + 32;
}

double toCelsius(double fahrenheit) {
    return (fahrenheit - 32) * 5 / 9;
}

entry::KeyAnswer TemperatureModel::keyPress(Scale box, entry::Key key, entry::Selection selection) {
    const entry::KeyVerdict verdict = entry::judgeKey(key, text(box), selection, kBounds);
    entry::KeyAnswer answer;
    entry::tellVerdict(verdict, kBounds, answer.notices);
    // A refused key edits nothing and changes nothing; any other, the other box no longer
    // matches.
    if (verdict.refused()) {
        answer.outcome = entry::KeyOutcome::Refused;
        return answer;
    }
    if (positiveCode(key))
        fields_.write(index(otherScale(box)), {});
    if (key.isEnter())
        answer.outcome = convertFrom(box, answer.notices) ? entry::KeyOutcome::Converted
                                                          : entry::KeyOutcome::Refused;
    return answer;
}

entry::Notices TemperatureModel::leave(Scale box) {
    entry::Notices notices;
    if (!text(box).empty())
        convertFrom(box, notices);
    return notices;
}

// Pasted text, or a number that BACKSPACE made longer than the keys allow, never passed the
// keystroke checks: a result too large to show sensibly is reported instead of written.
bool TemperatureModel::convertFrom(Scale box, entry::Notices& notices) {
    const double t = entry::numericValue(text(box));
    const double result = box == Scale::Celsius ? toFahrenheit(t) : toCelsius(t);
    if (!(std::fabs(result) <= engine::kLargestSensibleValue)) {
        notices.push_back(entry::rangeNotice(kBounds));
        return false;
    }
    fields_.write(index(otherScale(box)), engine::formatPattern(result, kPlaces));
    return true;
}

} // namespace temperature
