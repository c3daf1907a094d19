// Reading a decimal number into a double the same way in every build, native and WebAssembly.
#pragma once

#include <fast_float/fast_float.h>

#include <cmath>

namespace engine {

// The correctly rounded double of the decimal number in [first, last) ("-" allowed, no "+",
// no blanks). False, with `value` untouched, when the text is no number or lies beyond the
// double range: the standard library's from_chars for doubles is missing from some toolchains,
// and one reader everywhere keeps their digits from drifting apart.
inline bool readDecimal(const char* first, const char* last, double& value) {
    double read = 0;
    const fast_float::from_chars_result result = fast_float::from_chars(first, last, read);
    if (result.ec != std::errc() || !std::isfinite(read))
        return false;
    value = read;
    return true;
}

} // namespace engine
