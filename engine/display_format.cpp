// Display patterns rendered from a value's 15 significant digits, exactly and quickly.
#include "engine/display_format.h"

#include "engine/decimal_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>

namespace engine {
namespace {

// Shown numbers never carry more than this many significant digits of the binary value.
constexpr int kSignificantDigits = 15;

// "d.dddddddddddddde±xxx" at most, with a sign.
constexpr int kScientificBufferSize = 32;

// A finite value as kSignificantDigits correctly rounded decimal digits:
// |value| = d0.d1d2...d14 x 10^exponent.
struct Decimal15 {
    bool negative = false;
    char digits[kSignificantDigits] = {};
    int exponent = 0;
};

// The exact conversion for every finite value: the library's correctly rounded digits.
Decimal15 convertedDecimal15(double value) {
    char text[kScientificBufferSize];
    const char* const written = writeDecimal(text, text + sizeof text, value,
                                             DecimalStyle::Scientific, kSignificantDigits - 1);
    const char* p = text;
    Decimal15 decimal;
    if (*p == '-') {
        decimal.negative = true;
        ++p;
    }
    decimal.digits[0] = *p;
    p += 2; // the digit before the point, then the point
    std::copy_n(p, kSignificantDigits - 1, decimal.digits + 1);
    p += kSignificantDigits - 1;
    p += 1; // 'e'
    if (*p == '+') {
        ++p; // from_chars takes '-' but not '+'
    }
    std::from_chars(p, written, decimal.exponent);
    return decimal;
}

// The quick way to the same digits, in exact integer arithmetic, for the magnitudes boxes
// show. |value| = m x 2^e exactly, so |value| x 10^p = m x 5^p x 2^(e+p): with p at most 27
// that product fits in 128 bits, and its integer part and remainder give the 15 digits and
// whether to round up. A value halfway between two 15-digit decimals is left to the library,
// whose tie rule is the one to keep.
__extension__ using Wide = unsigned __int128;

constexpr int kMostPowerOfFive = 27; // 5^27 < 2^63
constexpr std::array<std::uint64_t, kMostPowerOfFive + 1> kPowersOfFive = [] {
    std::array<std::uint64_t, kMostPowerOfFive + 1> powers{};
    powers[0] = 1;
    for (std::size_t i = 1; i < powers.size(); ++i)
        powers[i] = powers[i - 1] * 5;
    return powers;
}();
constexpr std::uint64_t kLowestSignificand = 100'000'000'000'000;   // 10^14
constexpr std::uint64_t kBeyondSignificand = 1'000'000'000'000'000; // 10^15

constexpr std::array<std::uint64_t, kSignificantDigits + 1> kIntegerPowersOfTen = [] {
    std::array<std::uint64_t, kSignificantDigits + 1> powers{};
    powers[0] = 1;
    for (std::size_t i = 1; i < powers.size(); ++i)
        powers[i] = powers[i - 1] * 10;
    return powers;
}();

// The quick way builds texts with at most this many decimals.
constexpr int kMostQuickPlaces = 15;

// 10^0 .. 10^22: every one exactly a double.
constexpr std::array<double, 23> kPowersOfTen = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                 1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// |value| correctly rounded to significand x 10^(exponent - 14), 10^14 <= significand < 10^15;
// false where the quick way does not apply.
bool quickSignificand(double value, std::uint64_t& significand, int& exponent) {
    constexpr int kMantissaBits = 52;
    constexpr int kExponentBias = 1075; // the bias and the mantissa's 52 places
    constexpr std::uint64_t kMantissaMask = (std::uint64_t{1} << kMantissaBits) - 1;
    constexpr int kExponentMask = 0x7ff;
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    const int biased = static_cast<int>(bits >> kMantissaBits) & kExponentMask;
    if (biased == 0 || biased == kExponentMask)
        return false; // zero, subnormal, not finite
    const std::uint64_t m = (bits & kMantissaMask) | (std::uint64_t{1} << kMantissaBits);
    const int e = biased - kExponentBias;
    // floor(log10(2^(e+52))), off by one at most either way: the checks below correct it.
    constexpr int kLog10Of2Times2To18 = 78913;
    int k = ((e + kMantissaBits) * kLog10Of2Times2To18) >> 18;
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int p = kSignificantDigits - 1 - k;
        if (p < 0 || p > kMostPowerOfFive)
            return false;
        const Wide scaled = Wide{m} * kPowersOfFive[static_cast<std::size_t>(p)];
        const int shift = -(e + p); // |value| x 10^p = scaled x 2^-shift
        std::uint64_t whole = 0;
        bool half = false;   // the first bit below the integer part
        bool beyond = false; // any bit below that one
        if (shift <= 0) {
            whole = static_cast<std::uint64_t>(scaled << -shift);
        } else {
            const Wide halves = scaled >> (shift - 1);
            whole = static_cast<std::uint64_t>(halves >> 1);
            half = (halves & 1) != 0;
            // 5^p is odd: the lowest bit set in the product is m's.
            beyond = __builtin_ctzll(m) < shift - 1; // m is never 0
        }
        if (whole < kLowestSignificand) {
            --k;
            continue;
        }
        if (whole >= kBeyondSignificand) {
            ++k;
            continue;
        }
        if (half && !beyond)
            return false;
        if (half && ++whole == kBeyondSignificand) {
            whole = kLowestSignificand;
            ++k;
        }
        significand = whole;
        exponent = k;
        return true;
    }
    return false;
}

// The quickest way to a pattern's rounded integer, without the 15-digit decimal:
// |value| x 10^places in double precision lies within 0.62E-14 of its size of both the exact
// product and the 15-digit decimal's. Farther than 1E-14 of its size from the halfway point
// between two integers, all three round to the same integer, the one found here.
bool quickAtPlaces(double magnitude, int places, std::uint64_t& scaled) {
    constexpr double kMargin = 1E-14;
    constexpr double kLargest = 4.5E13; // the margin stays below a half, the integer exact
    const double product = magnitude * kPowersOfTen[static_cast<std::size_t>(places)];
    if (!(product < kLargest))
        return false;
    const auto whole = static_cast<std::uint64_t>(product);
    const double fraction = product - static_cast<double>(whole);
    if (std::fabs(fraction - 0.5) <= product * kMargin)
        return false;
    scaled = whole + (fraction > 0.5 ? 1 : 0);
    return true;
}

// The general way: zero, values the quick way leaves, and texts with digits to spare.
Decimal15 toDecimal15(double value) {
    if (value != 0)
        return convertedDecimal15(value);
    Decimal15 zero;
    zero.negative = std::signbit(value);
    std::fill_n(zero.digits, kSignificantDigits, '0');
    return zero;
}

// Adds one unit in the last place, carrying to the left; the caller leaves a leading zero.
void incrementDigits(char* digits, std::size_t size) {
    char* it = digits + size - 1;
    for (; *it == '9'; --it) {
        *it = '0';
    }
    ++*it;
}

// |value| x 10^places rounded half away from zero, from the 15 significant digits with
// `dropped` of them below the last shown place.
std::uint64_t atPlaces(std::uint64_t significand, int dropped) {
    if (dropped > kSignificantDigits) {
        return 0;
    }
    const std::uint64_t unit = kIntegerPowersOfTen[static_cast<std::size_t>(dropped)];
    const std::uint64_t rest = significand % unit;
    // The first digit not shown decides: 5 or more rounds up.
    return significand / unit + (rest >= unit - rest ? 1 : 0);
}

// The text of `scaled` / 10^places: the integer digits (at least one), the point and the
// decimals without the optional trailing zeros, into `out`.
void placesText(bool negative, std::uint64_t scaled, const Places& places, std::string& out) {
    // A negative value that rounds to zero shows as zero, without a sign.
    const bool sign = negative && scaled != 0;
    int decimals = places.shown;
    while (decimals > places.required && scaled % 10 == 0) {
        scaled /= 10;
        --decimals;
    }
    // Room for every digit of `scaled`, the point and the sign, written from the right, two
    // digits at a time.
    static constexpr char kPairs[] = "0001020304050607080910111213141516171819"
                                     "2021222324252627282930313233343536373839"
                                     "4041424344454647484950515253545556575859"
                                     "6061626364656667686970717273747576777879"
                                     "8081828384858687888990919293949596979899";
    constexpr std::size_t kRoom = 24;
    char text[kRoom];
    char* const last = text + kRoom;
    char* first = last;
    const auto pair = [&first](std::uint64_t twoDigits) {
        first -= 2;
        std::memcpy(first, kPairs + 2 * twoDigits, 2);
    };
    int left = decimals;
    for (; left >= 2; left -= 2) {
        pair(scaled % 100);
        scaled /= 100;
    }
    if (left == 1) {
        *--first = static_cast<char>('0' + scaled % 10);
        scaled /= 10;
    }
    if (places.point) {
        *--first = '.';
    }
    // The integer part: at least one digit.
    while (scaled >= 100) {
        pair(scaled % 100);
        scaled /= 100;
    }
    if (scaled >= 10) {
        pair(scaled);
    } else {
        *--first = static_cast<char>('0' + scaled);
    }
    if (sign) {
        *--first = '-';
    }
    out.assign(first, static_cast<std::size_t>(last - first));
}

// Texts up to this long are built on the stack; longer ones (huge values, long patterns) on
// the heap.
constexpr std::size_t kStackText = 64;

// The general way, digit by digit from the 15 significant digits.
std::string digitsText(const Decimal15& decimal, const Places& places) {
    // |value| x 10^places: the digits at or above the last shown place, right-aligned behind
    // zeros (one spare for a carry, and enough for an integer digit in front of the decimals).
    const int keep = decimal.exponent + places.shown + 1;
    const auto size = static_cast<std::size_t>(std::max(keep, places.shown + 1) + 1);
    char stackText[kStackText];
    std::unique_ptr<char[]> heapText;
    char* text = stackText;
    if (size > kStackText) {
        heapText = std::make_unique<char[]>(size);
        text = heapText.get();
    }
    std::fill_n(text, size, '0');
    if (keep > 0) {
        std::copy_n(decimal.digits, std::min(keep, kSignificantDigits), text + size - keep);
    }
    // Half away from zero: the first digit not shown decides.
    if (keep >= 0 && keep < kSignificantDigits && decimal.digits[keep] >= '5') {
        incrementDigits(text, size);
    }

    const auto integerEnd = size - static_cast<std::size_t>(places.shown);
    const char* firstNonZero = std::find_if(text, text + size, [](char c) { return c != '0'; });
    // A negative value that rounds to zero shows as zero, without a sign.
    const bool zero = firstNonZero == text + size;
    const std::size_t leadingZeros =
        std::min(static_cast<std::size_t>(firstNonZero - text), integerEnd - 1);
    std::size_t end = size;
    while (end > integerEnd + static_cast<std::size_t>(places.required) && text[end - 1] == '0') {
        --end;
    }
    const std::size_t sign = decimal.negative && !zero ? 1 : 0;
    const std::size_t point = places.point ? 1 : 0;
    // Filled with the sign: the digits and the point go after it.
    std::string shown(sign + (integerEnd - leadingZeros) + point + (end - integerEnd), '-');
    char* out = std::copy(text + leadingZeros, text + integerEnd, shown.data() + sign);
    if (places.point) {
        *out++ = '.';
    }
    std::copy(text + integerEnd, text + end, out);
    return shown;
}

} // namespace

void formatPattern(double value, Places places, std::string& out) {
    if (!std::isfinite(value)) {
        out.clear();
        return;
    }
    if (places.shown > kMostQuickPlaces) {
        out = digitsText(toDecimal15(value), places);
        return;
    }
    std::uint64_t scaled = 0;
    if (quickAtPlaces(std::fabs(value), places.shown, scaled)) {
        placesText(std::signbit(value), scaled, places, out);
        return;
    }
    std::uint64_t significand = 0;
    int exponent = 0;
    if (value != 0 && quickSignificand(value, significand, exponent)) {
        // The 15 digits reach below the last shown place: the text is a rounded integer.
        const int dropped = kSignificantDigits - 1 - exponent - places.shown;
        if (dropped >= 0) {
            placesText(std::signbit(value), atPlaces(significand, dropped), places, out);
            return;
        }
    }
    out = digitsText(toDecimal15(value), places);
}

std::string formatPattern(double value, Places places) {
    std::string text;
    formatPattern(value, places, text);
    return text;
}

double round15(double value) {
    if (!std::isfinite(value)) {
        return value;
    }
    // The 15 digits read back: one correctly rounded multiplication or division of two exact
    // doubles where the power of ten is exact, as a correctly rounded reading would give.
    std::uint64_t significand = 0;
    int exponent = 0;
    if (quickSignificand(value, significand, exponent)) {
        const int scale = exponent - (kSignificantDigits - 1);
        const auto power = static_cast<std::size_t>(scale < 0 ? -scale : scale);
        if (power < kPowersOfTen.size()) {
            const auto m = static_cast<double>(significand);
            const double rounded = scale < 0 ? m / kPowersOfTen[power] : m * kPowersOfTen[power];
            return value < 0 ? -rounded : rounded;
        }
    }
    char text[kScientificBufferSize];
    const char* const written = writeDecimal(text, text + sizeof text, value,
                                             DecimalStyle::Scientific, kSignificantDigits - 1);
    // Just below DBL_MAX the 15-digit value lies beyond the range; keep the value then.
    double rounded = value;
    readDecimal(text, written, rounded);
    return rounded;
}

} // namespace engine
