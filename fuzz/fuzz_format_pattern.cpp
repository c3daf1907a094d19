// formatPattern with every pattern in use, on raw doubles and typed numbers (which reach decimal
// ties). A finite value shows as a plain decimal (no leading or optional trailing zero, no signed
// zero) rounded half away from zero from the value's 15 digits, the same when shown again, and
// its negative with a sign unless zero.
#include "fuzz_check.h"

#include "engine/display_format.h"
#include "entry/numeric_value.h"

#include <array>
#include <regex>
#include <string>

namespace {

constexpr std::array<std::string_view, 13> kPatterns = {
    "###0.0",           "###0.0#",      "###0.0##",      "###0.0###",      "###0.0####",
    "###0.0#####",      "###0.0######", "###0.0#######", "###0.0########", "###0.0#########",
    "###0.0##########", "####0.0#",     "#####0.0#"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const std::uint8_t choice = in.byte();
    const std::string_view pattern = kPatterns[choice % kPatterns.size()];
    const int places = static_cast<int>(pattern.size() - pattern.find('.') - 1);
    // High bit: the rest is a typed number; otherwise eight bytes of a double.
    const double value = choice & 0x80 ? entry::numericValue(in.rest()) : in.raw<double>();
    const std::string text = engine::formatPattern(value, pattern);
    const char* p = pattern.data();
    if (!std::isfinite(value)) {
        FUZZ_CHECK(text.empty(), "%g with %s shows '%s'", value, p, text.c_str());
        return 0;
    }
    static const std::regex shape(R"(-?(0|[1-9][0-9]*)\.([0-9]|[0-9]*[1-9]))");
    const int decimals = static_cast<int>(text.size() - text.find('.') - 1);
    FUZZ_CHECK(std::regex_match(text, shape) && decimals <= places && text != "-0.0",
               "%.17g with %s shows '%s'", value, p, text.c_str());

    char fifteen[32]; // the value to 15 significant digits, by the C library's own rounding
    std::snprintf(fifteen, sizeof fifteen, "%.14e", value);
    const double rounded = std::strtod(fifteen, nullptr), back = std::strtod(text.c_str(), nullptr);
    const double ulp = 2 * std::fabs(rounded - std::nextafter(rounded, 0.0));
    const double gap = std::fabs(back - rounded), half = 0.5 * std::pow(10.0, -places);
    if (std::isfinite(rounded)) { // not so just below DBL_MAX
        // Within half a unit of the last place, and away from zero when exactly half way.
        const bool tie = gap > 0 && std::fabs(gap - half) <= ulp;
        FUZZ_CHECK(gap <= half + ulp && !(tie && std::fabs(back) < std::fabs(rounded)),
                   "%.17g (%s) with %s shows '%s'", value, fifteen, p, text.c_str());
        const std::string again = engine::formatPattern(back, pattern);
        FUZZ_CHECK(again == text, "'%s' with %s shows as '%s'", text.c_str(), p, again.c_str());
    }

    const std::string negative = engine::formatPattern(-value, pattern);
    const std::string magnitude = text[0] == '-' ? text.substr(1) : text;
    const bool zero = magnitude.find_first_not_of("0.") == std::string::npos;
    FUZZ_CHECK(negative == (zero || value < 0 ? magnitude : "-" + magnitude),
               "%.17g shows '%s', its negative '%s'", value, text.c_str(), negative.c_str());
    return 0;
}
