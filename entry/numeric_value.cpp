// Reading the leading number of a text, correctly rounded, never infinite.
#include "entry/numeric_value.h"

#include "engine/decimal_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

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

// The significant digits of a number: as many as a typed number has on the stack, the rare
// longer run on the heap. The integer they make is kept while it is exact in a double.
class Digits {
public:
    void append(char c) {
        if (size_ < kInPlace)
            inPlace_[size_] = c;
        else if (size_ == kInPlace)
            spilled_.assign(inPlace_.data(), kInPlace).push_back(c);
        else
            spilled_.push_back(c);
        if (size_ < kExactDigits)
            integer_ = integer_ * 10 + static_cast<std::uint64_t>(c - '0');
        ++size_;
    }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    std::string_view text() const {
        return size_ <= kInPlace ? std::string_view(inPlace_.data(), size_) : spilled_;
    }
    // The digits as an integer; only while size() <= kExactDigits.
    std::uint64_t integer() const { return integer_; }

    // Every integer of this many digits is a double exactly (10^15 < 2^53).
    static constexpr std::size_t kExactDigits = 15;

private:
    static constexpr std::size_t kInPlace = 48;
    std::array<char, kInPlace> inPlace_;
    std::string spilled_;
    std::size_t size_ = 0;
    std::uint64_t integer_ = 0;
};

// 10^0 .. 10^22: every one exactly a double.
constexpr std::array<double, 23> kPowersOfTen = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                 1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// 0.<digits> x 10^pointExponent correctly rounded, saturating beyond the double range.
double magnitudeOf(const Digits& digits, std::int64_t pointExponent) {
    // A short number with a small exponent is one correctly rounded multiplication or division
    // of two exact doubles: the value a correctly rounded reading gives.
    const std::int64_t scale = pointExponent - static_cast<std::int64_t>(digits.size());
    const auto power = static_cast<std::size_t>(scale < 0 ? -scale : scale);
    if (digits.size() <= Digits::kExactDigits && power < kPowersOfTen.size()) {
        const auto integer = static_cast<double>(digits.integer());
        return scale < 0 ? integer / kPowersOfTen[power] : integer * kPowersOfTen[power];
    }

    constexpr std::size_t kInPlace = 96;
    const std::string_view text = digits.text();
    std::array<char, kInPlace> inPlace;
    std::string spilled;
    char* clean = inPlace.data();
    const std::size_t room = text.size() + 32; // "0.", "e" and the exponent
    if (room > kInPlace) {
        spilled.resize(room);
        clean = spilled.data();
    }
    char* end = clean;
    *end++ = '0';
    *end++ = '.';
    end = std::copy(text.begin(), text.end(), end);
    *end++ = 'e';
    end = std::to_chars(end, clean + room, pointExponent).ptr;
    double magnitude = 0.0;
    // Out of range near the edges: overflow saturates, underflow gives 0.
    if (!engine::readDecimal(clean, end, magnitude))
        magnitude = pointExponent > 0 ? std::numeric_limits<double>::max() : 0.0;
    return magnitude;
}

// The common text, an optional minus sign and digits with at most one point, read at once:
// the digits make an exact integer and one correctly rounded division by an exact power of
// ten gives the value, as a correctly rounded reading would. False for any other text (blanks,
// an exponent, a plus sign, more digits or decimals than that allows).
bool readPlain(std::string_view text, double& value) {
    const char* p = text.data();
    const char* const end = p + text.size();
    const bool negative = p != end && *p == '-';
    p += negative ? 1 : 0;
    std::uint64_t integer = 0;
    std::size_t significant = 0;
    std::size_t decimals = 0;
    bool point = false;
    for (; p != end; ++p) {
        const char c = *p;
        if (isDigit(c)) {
            decimals += point ? 1 : 0;
            if (integer == 0 && c == '0')
                continue; // a leading zero
            if (++significant > Digits::kExactDigits)
                return false;
            integer = integer * 10 + static_cast<std::uint64_t>(c - '0');
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    if (decimals >= kPowersOfTen.size())
        return false;
    // No digit, or zeros only, reads as plain 0.
    const double magnitude = static_cast<double>(integer) / kPowersOfTen[decimals];
    value = signedValue(negative, magnitude);
    return true;
}

// Any text: blanks skipped wherever they stand, an exponent, any number of digits.
double readAny(std::string_view text) {
    Reader in(text);
    bool negative = false;
    if (in.peek() == '+' || in.peek() == '-') {
        negative = in.peek() == '-';
        in.advance();
    }

    // The significant digits (no leading zeros) and the count of digits before the point,
    // so that the number is 0.<digits> * 10^pointExponent.
    Digits digits;
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
        digits.append(c);
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
    if (pointExponent > kOverflowExponent)
        return signedValue(negative, std::numeric_limits<double>::max());
    return signedValue(negative, magnitudeOf(digits, pointExponent));
}

} // namespace

double numericValue(std::string_view text) {
    if (double value = 0; readPlain(text, value))
        return value;
    return readAny(text);
}

} // namespace entry
