// formatPattern against the double's exact decimal expansion by big-integer arithmetic, correctly
// rounded to 15 significant digits (ties to even), then half away from zero at the last place.
#include "engine/display_format.h"

#include <QTest>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace {

struct Decimal { // |x| = digits x 10^exponent
    std::string digits;
    long exponent;
};

// The first `keep` digits (none when keep < 0), rounded by those dropped: half up, or an exact
// half to even when `toEven`. Rounding up may add a digit in front ("99" to "100").
std::string roundDigits(const std::string& s, long keep, bool toEven) {
    if (keep < 0 || keep >= static_cast<long>(s.size()))
        return keep < 0 ? "" : s;
    std::string kept = s.substr(0, static_cast<std::size_t>(keep));
    const bool half = s[kept.size()] == '5' && s.find_first_not_of('0', kept.size() + 1) == s.npos;
    const bool even = kept.empty() || (kept.back() - '0') % 2 == 0;
    if (s[kept.size()] >= '5' && !(toEven && half && even)) {
        const std::size_t last = kept.find_last_not_of('9'); // the digit that takes the carry
        kept.replace(last + 1, s.npos, kept.size() - last - 1, '0');
        last == s.npos ? void(kept.insert(0, "1")) : void(++kept[last]);
    }
    return kept;
}

// |x| to 15 significant digits from its exact value: |x| = m x 2^e with an integer m, and
// 2^e = 5^-e / 10^-e for e < 0. Limbs of nine decimal digits, the least significant first.
Decimal decimal15(double x) {
    constexpr std::uint64_t kLimb = 1000000000;
    int e = 0;
    const auto m = static_cast<std::uint64_t>(std::ldexp(std::frexp(std::fabs(x), &e), 53));
    e -= 53;
    std::vector<std::uint64_t> limbs{m % kLimb, m / kLimb % kLimb, m / kLimb / kLimb};
    for (int left = std::abs(e); left > 0; left -= 13) {
        const auto factor = static_cast<std::uint64_t>(std::pow(e > 0 ? 2 : 5, std::min(left, 13)));
        std::uint64_t carry = 0;
        for (std::uint64_t& limb : limbs) {
            carry += limb * factor;
            limb = carry % kLimb;
            carry /= kLimb;
        }
        for (; carry > 0; carry /= kLimb)
            limbs.push_back(carry % kLimb);
    }
    std::string digits;
    for (auto it = limbs.rbegin(); it != limbs.rend(); ++it)
        digits += std::to_string(*it + kLimb).substr(1);
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size() - 1));
    const long dropped = std::max(0L, static_cast<long>(digits.size()) - 15);
    return {roundDigits(digits, 15, true), std::min(e, 0) + dropped};
}

// The decimal at `places` decimals, half away from zero, optional trailing zeros dropped.
std::string expected(const Decimal& d, bool negative, int places) {
    const long shift = d.exponent + places; // s becomes the integer |x| x 10^places
    std::string s = shift >= 0 ? d.digits + std::string(shift, '0')
                               : roundDigits(d.digits, long(d.digits.size()) + shift, false);
    if (s.size() <= static_cast<std::size_t>(places))
        s.insert(0, places + 1 - s.size(), '0');
    std::string fraction = s.substr(s.size() - places);
    while (fraction.size() > 1 && fraction.back() == '0')
        fraction.pop_back();
    const bool zero = s.find_first_not_of('0') == s.npos;
    return (negative && !zero ? "-" : "") + s.substr(0, s.size() - places) + "." + fraction;
}

// More decimals than the quick ways build: the general way, digit by digit.
constexpr int kLongestPlaces = 19;

std::vector<double> sampleValues() {
    std::mt19937_64 rng(20240611);
    std::vector<double> values{0.0, 5e-324, DBL_MIN, DBL_MIN / 3, DBL_MAX, 9.996, 99.96, 2.675};
    const auto around = [&values](double x, int ulps) { // x > 0 and its neighbours
        for (int u = -ulps; u <= ulps; ++u)
            values.push_back(std::bit_cast<double>(std::bit_cast<std::int64_t>(x) + u));
    };
    for (int k = -12; k <= 20; ++k) // band thresholds, powers of ten, the 1E+15 region
        around(std::pow(10.0, k), 4);
    for (int i = 0; i < 30000; ++i) { // ties at a shown place, a quarter of them carrying
        const std::uint64_t n = rng() % 100000000000000 >> rng() % 47;
        const std::string mantissa = i % 4 ? std::to_string(n) : std::string(1 + n % 14, '9');
        around(std::stod(mantissa + "5e-" + std::to_string(1 + rng() % 12)), 1);
    }
    for (int i = 0; i < 3000; ++i) // ties at the first digit the longest pattern hides
        values.push_back(std::stod(std::to_string(rng() % 100000000000000 >> rng() % 47) + "5e-" +
                                   std::to_string(kLongestPlaces + 1)));
    for (int i = 0; i < 10000; ++i) // ties at the 16th significant digit, exact as integers
        around(std::stod(std::to_string(100000000000000 + rng() % 800000000000000) + "5e" +
                         std::to_string(i % 2 ? 0 : int(rng() % 41) - 20)),
               1);
    for (int i = 0; i < 70000; ++i) { // every band, then all magnitudes
        const double u = static_cast<double>(rng() >> 11) * 0x1p-53;
        values.push_back(std::pow(10.0, i % 5 ? u * 20 - 12 : u * 616 - 308));
    }
    while (values.size() < 200000) // any bit pattern
        if (const double x = std::bit_cast<double>(rng()); std::isfinite(x))
            values.push_back(x);
    for (std::size_t i = 0; i < values.size(); i += 3)
        values[i] = -values[i];
    return values;
}

} // namespace

class TestFormatExact : public QObject {
    Q_OBJECT

private slots:
    void matchesExactDecimal() {
        std::vector<std::string> patterns{"####0.0#", "#####0.0#",
                                          "0.0" + std::string(kLongestPlaces - 1, '#')};
        for (std::size_t optional = 0; optional <= 10; ++optional)
            patterns.push_back("###0.0" + std::string(optional, '#'));
        for (const double x : sampleValues()) {
            const Decimal d = decimal15(x);
            const std::string digits = d.digits + "e" + std::to_string(d.exponent);
            const double back = std::copysign(std::strtod(digits.c_str(), nullptr), x);
            QCOMPARE_EQ(engine::round15(x), std::isinf(back) ? x : back); // beyond DBL_MAX: x kept
            for (const std::string& pattern : patterns) {
                const int places = static_cast<int>(pattern.size() - pattern.find('.') - 1);
                const std::string want = expected(d, std::signbit(x), places);
                const std::string got = engine::formatPattern(x, pattern);
                if (got != want)
                    QFAIL(qPrintable(QString("%1 with %2: got %3, want %4")
                                         .arg(x, 0, 'g', 17)
                                         .arg(pattern.c_str(), got.c_str(), want.c_str())));
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestFormatExact)
#include "test_format_exact.moc"
