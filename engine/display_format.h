// Display patterns ("###0.0##"): how a number becomes the text a box shows.
#pragma once

#include <limits>
#include <string>
#include <string_view>

namespace engine {

// A display pattern such as "###0.0##" as the formatter reads it: the decimal places after the
// point ("0" and "#" alike) and how many of them are required ("0").
struct Places {
    int shown = 0;
    int required = 0;
    bool point = false;
};
constexpr Places placesOf(std::string_view pattern) {
    Places places;
    const auto point = pattern.find('.');
    if (point == std::string_view::npos)
        return places;
    places.point = true;
    for (char c : pattern.substr(point + 1)) {
        ++places.shown;
        places.required += c == '0' ? 1 : 0;
    }
    return places;
}

// Renders `value` with a display pattern: all integer digits (at least one), ".", one required
// decimal and as many optional ones as the pattern has "#" after the point. The value is taken
// to 15 significant digits, rounded half away from zero at the pattern's last place, then
// trailing optional zeros are dropped. No digit grouping. A value that is not finite renders
// as "" so that no box ever reads "inf" or "nan". Patterns known in advance are best read once
// (placesOf in a constant).
std::string formatPattern(double value, Places places);
// The same text written over `out`, whose room is reused: boxes are rewritten millions of times.
void formatPattern(double value, Places places, std::string& out);
inline std::string formatPattern(double value, std::string_view pattern) {
    return formatPattern(value, placesOf(pattern));
}

// The largest magnitude worth showing: beyond the 15 digits a double holds, a shown number's
// further digits are invented zeros.
inline constexpr double kLargestSensibleValue = 1e15;

// The value correctly rounded to 15 significant decimal digits, read back as a double.
double round15(double value);

// The value in single precision, rounded to nearest as the hardware does; beyond the single
// range it becomes an infinity of its sign (a plain conversion would be undefined there).
inline float toSingle(double value) {
    constexpr double kRoundsToInfinity = 0x1.ffffffp+127; // FLT_MAX and half its last place
    if (value >= kRoundsToInfinity)
        return std::numeric_limits<float>::infinity();
    if (value <= -kRoundsToInfinity)
        return -std::numeric_limits<float>::infinity();
    return static_cast<float>(value);
}

} // namespace engine
