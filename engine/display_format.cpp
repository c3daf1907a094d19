#include "engine/display_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace engine {
namespace {

// Shown numbers never carry more than this many significant digits of the binary value.
constexpr int kSignificantDigits = 15;

// "d.dddddddddddddde±xxx" at most, with a sign.
constexpr int kScientificBufferSize = 32;

// A finite value as kSignificantDigits correctly rounded decimal digits:
// |value| = d0.d1d2...d14 x 10^exponent.
struct Decimal15 {
    bool negative = false;
    char digits[kSignificantDigits] = {};
    int exponent = 0;
};

Decimal15 toDecimal15(double value) {
    char text[kScientificBufferSize];
    const auto written = std::to_chars(text, text + sizeof text, value,
                                       std::chars_format::scientific, kSignificantDigits - 1);
    const char* p = text;
    Decimal15 decimal;
    if (*p == '-') {
        decimal.negative = true;
        ++p;
    }
    decimal.digits[0] = *p;
    p += 2; // the digit before the point, then the point
    std::copy_n(p, kSignificantDigits - 1, decimal.digits + 1);
    p += kSignificantDigits - 1;
    p += 1; // 'e'
    if (*p == '+') {
        ++p; // from_chars takes '-' but not '+'
    }
    std::from_chars(p, written.ptr, decimal.exponent);
    return decimal;
}

// Number of decimal places a pattern calls for, and how many of them are required.
struct Places {
    int shown = 0;
    int required = 0;
    bool point = false;
};

Places placesOf(std::string_view pattern) {
    Places places;
    const auto point = pattern.find('.');
    if (point == std::string_view::npos) {
        return places;
    }
    const auto decimals = pattern.substr(point + 1);
    places.point = true;
    places.shown = static_cast<int>(decimals.size());
    places.required = static_cast<int>(std::count(decimals.begin(), decimals.end(), '0'));
    return places;
}

// Adds one unit in the last place of a digit string, carrying to the left.
void incrementDigits(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

// |value| x 10^places, rounded half away from zero, as a digit string.
std::string scaledDigits(const Decimal15& decimal, int places) {
    // Digits at or above the last shown place; the one after them decides the rounding.
    const int keep = decimal.exponent + places + 1;
    std::string digits;
    bool roundUp = false;
    if (keep > 0) {
        const int fromValue = std::min(keep, kSignificantDigits);
        digits.reserve(static_cast<std::size_t>(keep) + 1);
        digits.assign(decimal.digits, static_cast<std::size_t>(fromValue));
        digits.append(static_cast<std::size_t>(keep - fromValue), '0');
        roundUp = keep < kSignificantDigits && decimal.digits[keep] >= '5';
    } else {
        roundUp = keep == 0 && decimal.digits[0] >= '5';
    }
    if (roundUp) {
        incrementDigits(digits);
    }
    return digits;
}

} // namespace

std::string formatPattern(double value, std::string_view pattern) {
    if (!std::isfinite(value)) {
        return {};
    }
    const Places places = placesOf(pattern);
    const Decimal15 decimal = toDecimal15(value);
    std::string digits = scaledDigits(decimal, places.shown);

    // At least one integer digit in front of the decimals.
    const auto minimumSize = static_cast<std::size_t>(places.shown) + 1;
    if (digits.size() < minimumSize) {
        digits.insert(0, minimumSize - digits.size(), '0');
    }
    const std::size_t integerSize = digits.size() - static_cast<std::size_t>(places.shown);
    std::size_t decimalsShown = static_cast<std::size_t>(places.shown);
    while (decimalsShown > static_cast<std::size_t>(places.required) &&
           digits[integerSize + decimalsShown - 1] == '0') {
        --decimalsShown;
    }
    // A negative value that rounds to zero shows as zero, without a sign.
    const bool zero = digits.find_first_not_of('0') == std::string::npos;

    std::string text;
    text.reserve(integerSize + decimalsShown + 2);
    if (decimal.negative && !zero) {
        text += '-';
    }
    text.append(digits, 0, integerSize);
    if (places.point) {
        text += '.';
        text.append(digits, integerSize, decimalsShown);
    }
    return text;
}

double round15(double value) {
    if (!std::isfinite(value)) {
        return value;
    }
    char text[kScientificBufferSize];
    const auto written = std::to_chars(text, text + sizeof text, value,
                                       std::chars_format::scientific, kSignificantDigits - 1);
    // Just below DBL_MAX the 15-digit value lies beyond the range; keep the value then.
    double rounded = value;
    std::from_chars(text, written.ptr, rounded);
    return rounded;
}

} // namespace engine
