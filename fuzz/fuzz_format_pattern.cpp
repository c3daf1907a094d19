// formatPattern with every pattern the program uses, on raw doubles and on typed numbers
// (which reach the decimal ties that raw bit patterns rarely hit).
#include "fuzz_check.h"

#include "engine/display_format.h"
#include "entry/numeric_value.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string_view>

namespace {

constexpr std::array<std::string_view, 13> kPatterns = {
    "###0.0",           "###0.0#",      "###0.0##",      "###0.0###",      "###0.0####",
    "###0.0#####",      "###0.0######", "###0.0#######", "###0.0########", "###0.0#########",
    "###0.0##########", "####0.0#",     "#####0.0#"};

int decimalsOf(std::string_view pattern) {
    return static_cast<int>(pattern.size() - pattern.find('.') - 1);
}

// True when the value's 15-digit decimal lies exactly halfway between two texts of `decimals`
// places: its first dropped digit is a 5 with only zeros after it.
bool tieAt(double value, int decimals) {
    char text[32];
    const auto end =
        std::to_chars(text, text + sizeof text, std::fabs(value), std::chars_format::scientific, 14)
            .ptr;
    std::string digits(1, text[0]);
    digits.append(text + 2, 14);
    int exponent = 0;
    const char* e = std::find(text, end, 'e') + 1;
    std::from_chars(*e == '+' ? e + 1 : e, end, exponent);
    // digits[k] is the digit of 10^(exponent - k); the first dropped place is 10^-(decimals+1).
    const int first = exponent + decimals + 1;
    if (first < 0 || first >= 15 || digits[static_cast<std::size_t>(first)] != '5')
        return false;
    return digits.find_first_not_of('0', static_cast<std::size_t>(first) + 1) == std::string::npos;
}

void checkShape(double value, std::string_view pattern, const std::string& text) {
    const char* p = pattern.data();
    if (!std::isfinite(value)) {
        FUZZ_CHECK(text.empty(), "%g with %s shows '%s'", value, p, text.c_str());
        return;
    }
    FUZZ_CHECK(!text.empty(), "%.17g with %s shows nothing", value, p);
    FUZZ_CHECK(text.find("inf") == std::string::npos && text.find("nan") == std::string::npos,
               "%.17g shows '%s'", value, text.c_str());
    const std::size_t digitsStart = text[0] == '-' ? 1 : 0;
    const std::size_t point = text.find('.');
    FUZZ_CHECK(point != std::string::npos && text.find('.', point + 1) == std::string::npos,
               "%.17g with %s shows '%s': not one point", value, p, text.c_str());
    for (std::size_t i = digitsStart; i < text.size(); ++i)
        FUZZ_CHECK(i == point || (text[i] >= '0' && text[i] <= '9'),
                   "%.17g with %s shows '%s': stray character", value, p, text.c_str());
    const std::size_t integerDigits = point - digitsStart;
    FUZZ_CHECK(integerDigits >= 1, "%.17g shows '%s': no integer digit", value, text.c_str());
    FUZZ_CHECK(integerDigits == 1 || text[digitsStart] != '0', "%.17g shows '%s': leading zero",
               value, text.c_str());
    const int decimals = static_cast<int>(text.size() - point - 1);
    FUZZ_CHECK(decimals >= 1 && decimals <= decimalsOf(pattern),
               "%.17g with %s shows '%s': %d decimals", value, p, text.c_str(), decimals);
    FUZZ_CHECK(decimals == 1 || text.back() != '0', "%.17g with %s shows '%s': optional zero kept",
               value, p, text.c_str());
    const bool allZero = text.find_first_not_of("0.", digitsStart) == std::string::npos;
    FUZZ_CHECK(digitsStart == 0 || !allZero, "%.17g shows '%s': signed zero", value, text.c_str());
    FUZZ_CHECK(digitsStart == 0 || value < 0, "%.17g shows '%s': sign of a positive value", value,
               text.c_str());
}

void checkValue(double value, std::string_view pattern, const std::string& text) {
    if (!std::isfinite(value))
        return;
    const double rounded = engine::round15(value);
    const double back = entry::numericValue(text);
    FUZZ_CHECK(std::fabs(back - rounded) <= halfUnitSlack(rounded, decimalsOf(pattern)),
               "%.17g (15 digits %.17g) with %s shows '%s', which reads %.17g", value, rounded,
               pattern.data(), text.c_str(), back);
    // Halfway goes away from zero.
    if (tieAt(value, decimalsOf(pattern)))
        FUZZ_CHECK(std::fabs(back) > std::fabs(rounded), "tie %.17g with %s shows '%s'", value,
                   pattern.data(), text.c_str());
    // Its own output, shown again, does not change.
    const std::string again = engine::formatPattern(back, pattern);
    FUZZ_CHECK(again == text, "'%s' with %s shows as '%s'", text.c_str(), pattern.data(),
               again.c_str());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const std::uint8_t choice = in.byte();
    const std::string_view pattern = kPatterns[choice % kPatterns.size()];
    // High bit: the rest is a typed number; otherwise eight bytes of a double.
    const double value = choice & 0x80 ? entry::numericValue(in.rest()) : in.raw<double>();
    const std::string text = engine::formatPattern(value, pattern);
    checkShape(value, pattern, text);
    checkValue(value, pattern, text);
    // The value and its negative show the same digits; a zero shows no sign.
    if (std::isfinite(value)) {
        const std::string magnitude = text[0] == '-' ? text.substr(1) : text;
        const bool zero = magnitude.find_first_not_of("0.") == std::string::npos;
        const std::string expected = zero || value < 0 ? magnitude : "-" + magnitude;
        const std::string negative = engine::formatPattern(-value, pattern);
        FUZZ_CHECK(negative == expected, "%.17g shows '%s', its negative '%s'", value, text.c_str(),
                   negative.c_str());
    }
    return 0;
}
