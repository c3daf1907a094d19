// Exponent notation rewritten as plain decimals, and what is wrong with other number texts.
#include "cli/number_text.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace cli {
namespace {

// Beyond these decimal exponents every box refuses the number, or reads it as 0: the widest
// box takes 7 integer digits, and a double holds nothing below 1E-324.
constexpr std::int64_t kLargestExponent = 400;
constexpr std::int64_t kExponentCap = 1'000'000'000;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The blanks of numbers as spreadsheets write them: the no-break spaces group thousands.
constexpr std::array<std::string_view, 4> kBlanks = {" ", "\t", "\u00a0", "\u202f"};
constexpr std::string_view kMinusSign = "\u2212";

// The length of the blank at `pos`, 0 for none.
std::size_t blankAt(std::string_view text, std::size_t pos) {
    for (std::string_view blank : kBlanks)
        if (text.substr(pos).starts_with(blank))
            return blank.size();
    return 0;
}
bool endsWithBlank(std::string_view text) {
    return std::any_of(kBlanks.begin(), kBlanks.end(),
                       [&text](std::string_view blank) { return text.ends_with(blank); });
}

std::size_t digitsFrom(std::string_view text, std::size_t pos) {
    std::size_t end = pos;
    while (end < text.size() && isDigit(text[end]))
        ++end;
    return end - pos;
}

} // namespace

std::optional<std::string> plainDecimal(std::string_view text) {
    // Most numbers have no exponent: they are told apart first, at a test a character.
    if (std::none_of(text.begin(), text.end(), [](char c) { return (c | 0x20) == 'e'; }))
        return std::nullopt;
    // [-] digits [. digits] (E|e) [+|-] digits, with a digit before or after the point.
    std::size_t pos = text.starts_with('-') ? 1 : 0;
    const std::size_t whole = digitsFrom(text, pos);
    pos += whole;
    std::size_t fraction = 0;
    if (pos < text.size() && text[pos] == '.') {
        fraction = digitsFrom(text, pos + 1);
        pos += 1 + fraction;
    }
    if (whole + fraction == 0 || pos == text.size() || (text[pos] != 'E' && text[pos] != 'e'))
        return std::nullopt;
    const std::string_view mantissa = text.substr(0, pos);
    ++pos;
    const bool negativeExponent = pos < text.size() && text[pos] == '-';
    pos += pos < text.size() && (text[pos] == '-' || text[pos] == '+');
    if (digitsFrom(text, pos) == 0 || pos + digitsFrom(text, pos) != text.size())
        return std::nullopt;
    std::int64_t exponent = 0;
    for (char c : text.substr(pos))
        exponent = std::min(exponent * 10 + (c - '0'), kExponentCap);
    if (negativeExponent)
        exponent = -exponent;

    std::string digits;
    std::copy_if(mantissa.begin(), mantissa.end(), std::back_inserter(digits), isDigit);
    const std::string sign = mantissa.starts_with('-') ? "-" : "";
    const std::size_t leadingZeros = std::min(digits.find_first_not_of('0'), digits.size());
    if (leadingZeros == digits.size())
        return sign + "0";
    digits.erase(0, leadingZeros);
    // The point stands after `point` digits; negative: that many zeros come first.
    const std::int64_t point =
        static_cast<std::int64_t>(whole) - static_cast<std::int64_t>(leadingZeros) + exponent;
    if (point < -kLargestExponent)
        return sign + "0";
    if (point <= 0)
        return sign + "0." + std::string(static_cast<std::size_t>(-point), '0') + digits;
    const auto integerDigits = static_cast<std::size_t>(std::min(point, kLargestExponent + 1));
    if (integerDigits >= digits.size())
        return sign + digits + std::string(integerDigits - digits.size(), '0');
    return sign + digits.substr(0, integerDigits) + "." + digits.substr(integerDigits);
}

std::optional<std::string> typedForm(std::string_view value, bool decimalComma) {
    // Most values are typed as they stand: they are told apart first, at a test a character.
    if (std::none_of(value.begin(), value.end(), [decimalComma](char c) {
            return (c | 0x20) == 'e' || c == kMinusSign[0] ||
                   (decimalComma && (c == ',' || c == '.'));
        }))
        return std::nullopt;
    std::string text;
    text.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (value.substr(i).starts_with(kMinusSign)) {
            text += '-';
            i += kMinusSign.size() - 1;
        } else if (decimalComma && (c == ',' || c == '.')) {
            text += c == ',' ? '.' : ','; // so that the box refuses the point, as a comma
        } else {
            text += c;
        }
    }
    if (std::optional<std::string> plain = plainDecimal(text))
        return plain;
    return text;
}

std::string whyNotANumber(std::string_view text, char point) {
    const char comma = point == '.' ? ',' : '.'; // what stands for the point elsewhere
    const std::string decimalComma = std::string("the decimal point must be \"") + point + '"';
    constexpr std::string_view kGrouped = "thousands take no separator";
    if (text.empty())
        return {};
    if (blankAt(text, 0) > 0)
        return "it starts with a blank";
    if (endsWithBlank(text))
        return "it ends with a blank";
    // A group of three digits after a separator, ending the text or before a point or comma.
    const auto groupAfter = [&](std::size_t separator, std::size_t length) {
        const std::size_t end = separator + length + digitsFrom(text, separator + length);
        return separator > 0 && isDigit(text[separator - 1]) && end == separator + length + 3 &&
               (end == text.size() || text[end] == '.' || text[end] == ',');
    };
    const std::size_t commaAt = text.find(comma), pointAt = text.find(point);
    const auto commas = std::count(text.begin(), text.end(), comma);
    if (commaAt != std::string_view::npos) {
        if (pointAt < commaAt)
            return decimalComma + " and " + std::string(kGrouped);
        if (commas > 1 || pointAt != std::string_view::npos)
            return groupAfter(commaAt, 1) ? std::string(kGrouped) : decimalComma;
        return decimalComma + (groupAfter(commaAt, 1) ? " and " + std::string(kGrouped) : "");
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t separator = text[i] == '\'' ? 1 : blankAt(text, i);
        if (separator > 0 && groupAfter(i, separator))
            return std::string(kGrouped);
    }
    if (std::count(text.begin(), text.end(), point) > 1)
        return "a number has one decimal point at most";
    return {};
}

} // namespace cli
