// numericValue against a reference reading: the same number cut out by its grammar and read
// by strtod, which rounds correctly; blanks ignored; never an infinity or NaN.
#include "fuzz_check.h"

#include "engine/display_format.h"
#include "entry/numeric_value.h"

#include <cfloat>
#include <charconv>
#include <cmath>

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string withoutBlanks(std::string_view text) {
    std::string out;
    for (char c : text)
        if (!isBlank(c))
            out += c;
    return out;
}

// The leading number of a text without blanks: sign, digits with at most one point (at least
// one digit), then an exponent only when a digit follows its "E" and sign. "" when none.
std::string leadingNumber(const std::string& s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    bool digit = false;
    bool point = false;
    for (; i < s.size() && (isDigit(s[i]) || (s[i] == '.' && !point)); ++i) {
        point = point || s[i] == '.';
        digit = digit || isDigit(s[i]);
    }
    if (!digit)
        return {};
    std::size_t end = i;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            ++j;
        if (j < s.size() && isDigit(s[j])) {
            while (j < s.size() && isDigit(s[j]))
                ++j;
            end = j;
        }
    }
    return s.substr(0, end);
}

double reference(std::string_view text) {
    const std::string number = leadingNumber(withoutBlanks(text));
    if (number.empty())
        return 0;
    const double value = std::strtod(number.c_str(), nullptr);
    if (std::isinf(value))
        return std::copysign(DBL_MAX, value);
    return value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = entry::numericValue(text);
    FUZZ_CHECK(std::isfinite(value), "'%s' reads as %g", shown(text).c_str(), value);

    const double expected = reference(text);
    // Below the normal range the value may be kept or flushed to zero.
    const bool tiny = std::fabs(expected) < DBL_MIN && (value == 0 || value == expected);
    FUZZ_CHECK(value == expected || tiny, "'%s' reads as %.17g, expected %.17g",
               shown(text).c_str(), value, expected);

    const std::string bare = withoutBlanks(text);
    FUZZ_CHECK(entry::numericValue(bare) == value, "blanks change '%s'", shown(text).c_str());
    if (bare.empty() || (bare[0] != '+' && bare[0] != '-')) {
        const std::string negated = "-" + std::string(text);
        FUZZ_CHECK(entry::numericValue(negated) == -value, "'-%s' is not the negative",
                   shown(text).c_str());
    }

    // The shortest text of the double reads back exactly.
    char shortest[64];
    const auto written = std::to_chars(shortest, shortest + sizeof shortest, value);
    const std::string_view again(shortest, static_cast<std::size_t>(written.ptr - shortest));
    FUZZ_CHECK(entry::numericValue(again) == value, "'%s' does not read back as %.17g",
               std::string(again).c_str(), value);

    // What the display makes of it reads back within half a unit of its last place.
    const std::string formatted = engine::formatPattern(value, "###0.0##########");
    const double back = entry::numericValue(formatted);
    const double rounded = engine::round15(value);
    FUZZ_CHECK(std::fabs(back - rounded) <= halfUnitSlack(rounded, 11), "%.17g shows as '%s'",
               value, formatted.c_str());
    return 0;
}
