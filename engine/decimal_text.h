// Decimal text to double and back, the same way in every build, native and WebAssembly.
#pragma once

#include <fast_float/fast_float.h>

#include <charconv>
#include <cmath>
#if defined(__EMSCRIPTEN__)
#include <cstdio>
#endif

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

// Writes `value` correctly rounded to `precision` digits after the point ("d.ddde+xx", as
// printf's %.*e) or to `precision` significant digits (as %.*g); the end of what was written.
// WebAssembly's C++ library has no floating-point to_chars; its C library's printf rounds
// exactly as well, and there the locale is always "C", so both builds write the same digits.
enum class DecimalStyle { Scientific, General };
inline char* writeDecimal(char* first, char* last, double value, DecimalStyle style,
                          int precision) {
#if defined(__EMSCRIPTEN__)
    const char* format = style == DecimalStyle::Scientific ? "%.*e" : "%.*g";
    const int n =
        std::snprintf(first, static_cast<std::size_t>(last - first), format, precision, value);
    return n < 0 || n >= last - first ? last : first + n;
#else
    const auto format = style == DecimalStyle::Scientific ? std::chars_format::scientific
                                                          : std::chars_format::general;
    return std::to_chars(first, last, value, format, precision).ptr;
#endif
}

} // namespace engine
