// Checks formatPattern against a slow exact computation: the double's full decimal expansion
// by big-integer arithmetic, rounded to 15 significant digits (ties to even), then rounded half
// away from zero at the pattern's last place.
#include "engine/display_format.h"

#include <QTest>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr uint32_t kLimb = 1000000000;

// Adds one in the last place; an empty string becomes "1".
void increment(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

// |x| = digits x 10^exponent, exact.
struct Decimal {
    std::string digits;
    int exponent;
};

Decimal exactDecimal(double x) {
    int e2 = 0;
    const auto mantissa = static_cast<uint64_t>(std::ldexp(std::frexp(std::abs(x), &e2), 53));
    e2 -= 53;
    std::vector<uint32_t> limbs{uint32_t(mantissa % kLimb), uint32_t(mantissa / kLimb % kLimb),
                                uint32_t(mantissa / kLimb / kLimb)};
    // m x 2^e2 is m x 2^e2 for e2 >= 0 and m x 5^-e2 / 10^-e2 otherwise.
    for (int left = std::abs(e2); left > 0; left -= 13) {
        const int step = std::min(left, 13);
        uint64_t factor = e2 > 0 ? uint64_t(1) << step : 1;
        for (int i = 0; e2 < 0 && i < step; ++i) {
            factor *= 5;
        }
        uint64_t carry = 0;
        for (auto& limb : limbs) {
            const uint64_t t = limb * factor + carry;
            limb = uint32_t(t % kLimb);
            carry = t / kLimb;
        }
        for (; carry > 0; carry /= kLimb) {
            limbs.push_back(uint32_t(carry % kLimb));
        }
    }
    std::string digits;
    for (auto it = limbs.rbegin(); it != limbs.rend(); ++it) {
        const std::string limb = std::to_string(*it);
        digits += std::string(9 - limb.size(), '0') + limb;
    }
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size() - 1));
    return {digits, std::min(e2, 0)};
}

Decimal round15(Decimal d) {
    if (d.digits.size() <= 15) {
        return d;
    }
    const std::string rest = d.digits.substr(15);
    d.digits.resize(15);
    d.exponent += int(rest.size());
    const bool beyondHalf = rest.find_first_not_of('0', 1) != std::string::npos;
    if (rest[0] > '5' || (rest[0] == '5' && (beyondHalf || (d.digits.back() - '0') % 2))) {
        increment(d.digits);
    }
    return d;
}

// |x| (rounded) at `places` decimals, rounded half away from zero, trailing zeros dropped.
std::string render(const Decimal& d, bool negative, int places) {
    std::string s = d.digits;
    const int shift = d.exponent + places;
    if (shift >= 0) {
        s.append(shift, '0');
    } else {
        const auto drop = std::size_t(-shift);
        const bool up = drop <= s.size() && s[s.size() - drop] >= '5';
        s.resize(drop < s.size() ? s.size() - drop : 0);
        if (up) {
            increment(s);
        }
    }
    if (int(s.size()) <= places) {
        s.insert(0, places + 1 - s.size(), '0');
    }
    std::string fraction = s.substr(s.size() - places);
    while (fraction.size() > 1 && fraction.back() == '0') {
        fraction.pop_back();
    }
    const bool zero = s.find_first_not_of('0') == std::string::npos;
    return (negative && !zero ? "-" : "") + s.substr(0, s.size() - places) + "." + fraction;
}

double parse(const std::string& text) {
    return std::strtod(text.c_str(), nullptr);
}

std::vector<double> sampleValues() {
    std::mt19937_64 rng(20240611);
    std::uniform_real_distribution<double> unit(0, 1);
    auto digits = [&](int n) {
        std::string s = std::to_string(1 + rng() % 9);
        while (int(s.size()) < n) {
            s += char('0' + rng() % 10);
        }
        return s;
    };
    std::vector<double> values{0.0, -0.0, 5e-324, DBL_MAX, DBL_MIN};
    auto withNeighbours = [&](double x, int ulps) {
        values.push_back(x);
        for (double up = x, down = x; ulps-- > 0;) {
            values.push_back(up = std::nextafter(up, INFINITY));
            values.push_back(down = std::nextafter(down, 0.0));
        }
    };
    for (int k = -12; k <= 20; ++k) { // band thresholds and powers of ten
        withNeighbours(std::pow(10.0, k), 4);
    }
    for (int i = 0; i < 30000; ++i) { // ties at a shown place, with carries
        const int places = int(rng() % 12);
        const std::string n =
            rng() % 4 ? digits(1 + int(rng() % 14)) : std::string(1 + rng() % 14, '9');
        withNeighbours(parse(n + "5e-" + std::to_string(places + 1)), 1);
    }
    for (int i = 0; i < 10000; ++i) { // at the 16th significant digit; exact ties as integers
        withNeighbours(parse(digits(15) + "5e" + std::to_string(i % 2 ? 0 : int(rng() % 41) - 20)),
                       0);
    }
    for (int i = 0; i < 70000; ++i) { // every band, and large magnitudes
        values.push_back(std::pow(10.0, unit(rng) * (i % 5 ? 20 : 308) - (i % 5 ? 12 : 0)));
    }
    while (values.size() < 200000) { // any bit pattern
        double x = 0;
        const uint64_t bits = rng();
        std::memcpy(&x, &bits, sizeof x);
        if (std::isfinite(x)) {
            values.push_back(x);
        }
    }
    for (std::size_t i = 0; i < values.size(); i += 7) {
        values[i] = -values[i];
    }
    return values;
}

} // namespace

class TestFormatExact : public QObject {
    Q_OBJECT

private slots:
    void matchesExactDecimal() {
        std::vector<std::string> patterns{"####0.0#", "#####0.0#"};
        for (int optional = 0; optional <= 10; ++optional) {
            patterns.push_back("###0.0" + std::string(optional, '#'));
        }
        for (const double x : sampleValues()) {
            const Decimal rounded = round15(exactDecimal(x));
            // Beyond DBL_MAX, round15 keeps the value rather than overflow.
            const double readBack = parse(rounded.digits + "e" + std::to_string(rounded.exponent));
            QCOMPARE_EQ(engine::round15(x), std::copysign(std::isinf(readBack) ? x : readBack, x));
            for (const std::string& pattern : patterns) {
                const int places = int(pattern.size() - pattern.find('.') - 1);
                const std::string want = render(rounded, std::signbit(x), places);
                const std::string got = engine::formatPattern(x, pattern);
                if (got != want) {
                    QFAIL(qPrintable(QString("%1 %2: got %3, want %4")
                                         .arg(x, 0, 'g', 17)
                                         .arg(pattern.c_str(), got.c_str(), want.c_str())));
                }
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestFormatExact)
#include "test_format_exact.moc"
