// plainDecimal on any text: only exponent notation is rewritten; the plain decimal holds
// digits, at most one point and a leading minus sign, and within the double range it reads
// as exactly the same number, so no digit was lost or rounded on the way.
#include "fuzz_check.h"

#include "cli/number_text.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::optional<std::string> plain = cli::plainDecimal(text);
    if (!plain)
        return 0;
    const char* shown = text.c_str();
    FUZZ_CHECK(text.find_first_of("eE") != std::string::npos, "'%s' was rewritten", shown);
    const std::string& p = *plain;
    FUZZ_CHECK(p.find_first_not_of("-0123456789.") == std::string::npos &&
                   p.find('-', 1) == std::string::npos && p.find('.') == p.rfind('.') &&
                   !p.ends_with('.') && !p.starts_with(p.starts_with('-') ? "-00" : "00"),
               "'%s' became '%s'", shown, p.c_str());
    const long exponent = std::strtol(text.c_str() + text.find_first_of("eE") + 1, nullptr, 10);
    if (std::labs(exponent) < 300 && size < 200) {
        const double want = std::strtod(shown, nullptr), got = std::strtod(p.c_str(), nullptr);
        FUZZ_CHECK(want == got || (want == 0 && got == 0), "'%s' is %.17g, '%s' %.17g", shown, want,
                   p.c_str(), got);
    }
    return 0;
}
