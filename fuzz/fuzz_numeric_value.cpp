// numericValue on any text: never an infinity or NaN; without blanks it reads as strtod reads
// it, the largest finite double beyond the range; blanks anywhere, and whatever follows a
// character no number holds, change nothing; a leading minus sign negates.
#include "fuzz_check.h"

#include "entry/numeric_value.h"

#include <cfloat>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const char* shown = text.c_str();
    const double value = entry::numericValue(text);
    FUZZ_CHECK(std::isfinite(value), "'%s' reads as %g", shown, value);

    std::string bare = text;
    std::erase_if(bare, [](char c) { return c != 0 && std::strchr(" \t\r\n", c); });
    FUZZ_CHECK(entry::numericValue(bare) == value, "blanks change '%s'", shown);
    const std::string cut = text.substr(0, text.find_first_not_of("0123456789+-.eE \t\r\n"));
    FUZZ_CHECK(entry::numericValue(cut) == value, "'%s' reads other than '%s'", shown, cut.c_str());
    if (bare.empty() || (bare[0] != '+' && bare[0] != '-'))
        FUZZ_CHECK(entry::numericValue("-" + text) == -value, "'-%s' is not the negative", shown);

    // strtod reads the same grammar, but for hexadecimals, infinities, NaNs and form feeds.
    if (bare.find_first_of("xXiInN\v\f") == std::string::npos) {
        double expected = std::strtod(bare.c_str(), nullptr);
        if (std::isinf(expected))
            expected = std::copysign(DBL_MAX, expected);
        FUZZ_CHECK(value == expected, "'%s' reads as %.17g, strtod %.17g", shown, value, expected);
    }
    return 0;
}
