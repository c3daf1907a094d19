#include "entry/numeric_value.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <system_error>

namespace entry {

namespace {

// Beyond these decimal exponents of 0.DDD... no double is left but infinity and zero.
constexpr std::int64_t kOverflowExponent = 400;
constexpr std::int64_t kUnderflowExponent = -400;
// Far beyond any text's length and still far from int64 overflow: a typed exponent is capped
// here so that the sums below cannot overflow.
constexpr std::int64_t kExponentCap = 1'000'000'000'000'000;

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Walks a text while skipping the blanks that may stand anywhere in a number.
class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}

    // The next character that is not a blank, 0 at the end.
    char peek() {
        while (pos_ < text_.size() && isBlank(text_[pos_]))
            ++pos_;
        return pos_ < text_.size() ? text_[pos_] : '\0';
    }
    void advance() { ++pos_; }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

// Reads "[sign] digits" after an "E"; false when no digit follows, and then the number ends
// before the "E" (nothing after it is read anyway).
bool readExponent(Reader& in, std::int64_t& exponent) {
    bool negative = false;
    if (in.peek() == '+' || in.peek() == '-') {
        negative = in.peek() == '-';
        in.advance();
    }
    bool any = false;
    std::int64_t value = 0;
    while (isDigit(in.peek())) {
        value = std::min(value * 10 + (in.peek() - '0'), kExponentCap);
        any = true;
        in.advance();
    }
    if (!any)
        return false;
    exponent = negative ? -value : value;
    return true;
}

double signedValue(bool negative, double magnitude) {
    // A zero reads as plain 0, whatever sign was typed before it.
    if (magnitude == 0.0)
        return 0.0;
    return negative ? -magnitude : magnitude;
}

} // namespace

double numericValue(std::string_view text) {
    Reader in(text);
    bool negative = false;
    if (in.peek() == '+' || in.peek() == '-') {
        negative = in.peek() == '-';
        in.advance();
    }

    // The significant digits (no leading zeros) and the count of digits before the point,
    // so that the number is 0.<digits> * 10^pointExponent.
    std::string digits;
    std::int64_t pointExponent = 0;
    bool anyDigit = false;
    bool seenPoint = false;
    for (char c = in.peek(); isDigit(c) || (c == '.' && !seenPoint); c = in.peek()) {
        in.advance();
        if (c == '.') {
            seenPoint = true;
            continue;
        }
        anyDigit = true;
        if (digits.empty() && c == '0') {
            if (seenPoint)
                --pointExponent;
            continue;
        }
        digits += c;
        if (!seenPoint)
            ++pointExponent;
    }
    if (!anyDigit)
        return 0.0;

    if (in.peek() == 'E' || in.peek() == 'e') {
        in.advance();
        std::int64_t exponent = 0;
        if (readExponent(in, exponent))
            pointExponent += exponent;
    }

    if (digits.empty() || pointExponent < kUnderflowExponent)
        return 0.0;
    const double largest = std::numeric_limits<double>::max();
    if (pointExponent > kOverflowExponent)
        return signedValue(negative, largest);

    std::string clean = "0." + digits + "e" + std::to_string(pointExponent);
    double magnitude = 0.0;
    const auto [end, error] = std::from_chars(clean.data(), clean.data() + clean.size(), magnitude);
    (void)end;
    // Out of range near the edges: overflow saturates, underflow gives 0.
    if (error != std::errc() || !std::isfinite(magnitude))
        magnitude = pointExponent > 0 ? largest : 0.0;
    return signedValue(negative, magnitude);
}

} // namespace entry
