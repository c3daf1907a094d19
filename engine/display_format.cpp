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

// Adds one unit in the last place, carrying to the left; the caller leaves a leading zero.
void incrementDigits(std::string& digits) {
    auto it = digits.rbegin();
    for (; *it == '9'; ++it) {
        *it = '0';
    }
    ++*it;
}

} // namespace

std::string formatPattern(double value, std::string_view pattern) {
    if (!std::isfinite(value)) {
        return {};
    }
    const Places places = placesOf(pattern);
    const Decimal15 decimal = toDecimal15(value);

    // |value| x 10^places: the digits at or above the last shown place, right-aligned behind
    // zeros (one spare for a carry, and enough for an integer digit in front of the decimals).
    const int keep = decimal.exponent + places.shown + 1;
    const int size = std::max(keep, places.shown + 1) + 1;
    std::string text(static_cast<std::size_t>(size), '0');
    if (keep > 0) {
        std::copy_n(decimal.digits, std::min(keep, kSignificantDigits), text.end() - keep);
    }
    // Half away from zero: the first digit not shown decides.
    if (keep >= 0 && keep < kSignificantDigits && decimal.digits[keep] >= '5') {
        incrementDigits(text);
    }

    const auto integerEnd = static_cast<std::size_t>(size - places.shown);
    const std::size_t firstNonZero = text.find_first_not_of('0');
    // A negative value that rounds to zero shows as zero, without a sign.
    const bool zero = firstNonZero == std::string::npos;
    const std::size_t leadingZeros = std::min(firstNonZero, integerEnd - 1);
    std::size_t end = text.size();
    while (end > integerEnd + static_cast<std::size_t>(places.required) && text[end - 1] == '0') {
        --end;
    }
    text.resize(end);
    text.erase(0, leadingZeros);
    if (places.point) {
        text.insert(integerEnd - leadingZeros, 1, '.');
    }
    if (decimal.negative && !zero) {
        text.insert(0, 1, '-');
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
