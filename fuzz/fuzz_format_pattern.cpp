// formatPattern with every pattern in use, on raw doubles and typed numbers (which reach decimal
// ties). A finite value shows as a plain decimal (no leading or optional trailing zero, no signed
// zero) rounded half away from zero from the value's 15 digits, the same when shown again, and
// its negative with a sign unless zero.
#include "fuzz_check.h"

#include "converter/boxes.h"
#include "engine/display_format.h"
#include "engine/level_text.h"
#include "entry/numeric_value.h"
#include "temperature/temperature_model.h"

#include <algorithm>
#include <array>
#include <regex>
#include <string>
#include <vector>

namespace {

// Every pattern the program shows numbers with: the levels' (one a decade), the frequency
// boxes' and the temperatures'.
std::vector<engine::Places> patternsInUse() {
    std::vector<engine::Places> patterns;
    const auto add = [&patterns](engine::Places p) {
        const auto same = [&p](const engine::Places& q) {
            return q.shown == p.shown && q.required == p.required && q.point == p.point;
        };
        if (std::none_of(patterns.begin(), patterns.end(), same))
            patterns.push_back(p);
    };
    add(engine::levelPattern(-1));
    for (double level = 1E+05; level > 1E-13; level /= 10)
        add(engine::levelPattern(level));
    for (const converter::BoxDescription& d : converter::kBoxes)
        if (!d.pattern.empty())
            add(engine::placesOf(d.pattern));
    add(engine::placesOf(temperature::kPattern));
    return patterns;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const std::uint8_t choice = in.byte();
    static const std::vector<engine::Places> kPatterns = patternsInUse();
    const engine::Places pattern = kPatterns[choice % kPatterns.size()];
    const int places = pattern.shown;
    // High bit: the rest is a typed number; otherwise eight bytes of a double.
    const double value = choice & 0x80 ? entry::numericValue(in.rest()) : in.raw<double>();
    const std::string text = engine::formatPattern(value, pattern);
    const std::string name = "0." + std::string(pattern.required, '0') +
                             std::string(pattern.shown - pattern.required, '#');
    const char* p = name.c_str();
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
