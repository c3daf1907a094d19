// The key filter: which keys may reach an entry box, and the range message.
#include "entry/keyfilter.h"

#include "engine/decimal_text.h"
#include "entry/numeric_value.h"

#include <algorithm>
#include <array>
#include <optional>

namespace entry {
namespace {

constexpr int kBoundDigits = 15;
constexpr std::size_t kProspectiveBuffer = 64;

bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// Plain digits with at most one point, read key by key: where the first non-zero digit stands.
class Decade {
public:
    void take(char c) {
        if (c == '.') {
            plain_ = plain_ && !point_;
            point_ = true;
        } else if (!isDigit(static_cast<unsigned char>(c))) {
            plain_ = false;
        } else if (nonZero_) {
            exponent_ += point_ ? 0 : 1;
        } else if (c != '0') {
            nonZero_ = true;
            exponent_ = point_ ? exponent_ - 1 : 0;
        } else {
            exponent_ -= point_ ? 1 : 0;
        }
    }
    // The k of 10^k <= number < 10^(k+1), for plain digits with one not zero.
    std::optional<int> exponent() const {
        return plain_ && nonZero_ ? std::optional<int>(exponent_) : std::nullopt;
    }

private:
    bool plain_ = true;
    bool point_ = false;
    bool nonZero_ = false;
    int exponent_ = 0;
};

// The double nearest 10^k, for |k| <= kMostDecade: a correctly rounded division by an exact
// power of ten.
constexpr int kMostDecade = 22;
double decade(int k) {
    constexpr std::array<double, kMostDecade + 1> kPowers = {
        1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
        1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    return k >= 0 ? kPowers[static_cast<std::size_t>(k)]
                  : 1.0 / kPowers[static_cast<std::size_t>(-k)];
}

// Whether a digit in place of the selection surely leaves the number within the bounds, seen
// from the decade of its first non-zero digit alone: a correctly rounded reading of a number
// in [10^k, 10^(k+1)) lies between the doubles nearest those two. Nearly every typed digit is
// decided so, without reading the number; false leaves the question open.
bool surelyWithin(std::string_view text, std::size_t selStart, std::size_t selLength, char key,
                  const EntryBounds& bounds) {
    if (text.size() >= kProspectiveBuffer)
        return false;
    Decade decadeOf;
    for (char c : text.substr(0, selStart))
        decadeOf.take(c);
    decadeOf.take(key);
    for (char c : text.substr(selStart + selLength))
        decadeOf.take(c);
    const std::optional<int> k = decadeOf.exponent();
    return k && *k >= -kMostDecade && *k < kMostDecade && decade(*k) >= bounds.minValue &&
           decade(*k + 1) <= bounds.maxValue;
}

// The number the box would hold with `key` in place of the selection.
double prospectiveValue(std::string_view text, std::size_t selStart, std::size_t selLength,
                        char key) {
    const std::string_view before = text.substr(0, selStart);
    const std::string_view after = text.substr(selStart + selLength);
    if (before.size() + after.size() < kProspectiveBuffer) {
        std::array<char, kProspectiveBuffer> buffer;
        char* end = std::copy(before.begin(), before.end(), buffer.data());
        *end++ = key;
        end = std::copy(after.begin(), after.end(), end);
        return numericValue(std::string_view(buffer.data(), end - buffer.data()));
    }
    std::string prospective(before);
    prospective += key;
    prospective += after;
    return numericValue(prospective);
}

// "0" and "0." begin every small fraction: they count as the lower bound.
bool outOfRange(double prospective, const EntryBounds& bounds) {
    if (bounds.minValue > 0 && bounds.minValue < 1 && prospective == 0)
        prospective = bounds.minValue;
    return prospective > bounds.maxValue || prospective < bounds.minValue;
}

std::string boundText(double bound) {
    std::array<char, 32> buffer{};
    const double magnitude = bound < 0 ? -bound : bound;
    char* const end = engine::writeDecimal(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                           engine::DecimalStyle::General, kBoundDigits);
    std::string digits(buffer.data(), end);
    std::replace(digits.begin(), digits.end(), 'e', 'E');
    return (bound < 0 ? "-" : " ") + digits;
}

} // namespace

KeyVerdict judgeKey(Key key, std::string_view text, Selection selection,
                    const EntryBounds& bounds) {
    KeyVerdict verdict;
    const char16_t c = key.character();

    if (key.isEnter()) {
        verdict.value = numericValue(text);
        if (verdict.value < bounds.minValue)
            verdict.rangeMessage = true;
        return verdict;
    }

    // Whatever the box reports, keep the selection inside its text.
    const std::size_t selStart = std::min(selection.start, text.size());
    const std::size_t selLength = std::min(selection.length, text.size() - selStart);

    if (isDigit(c) || c == u'-') {
        const auto k = static_cast<char>(c);
        verdict.rangeMessage =
            !(isDigit(c) && surelyWithin(text, selStart, selLength, k, bounds)) &&
            outOfRange(prospectiveValue(text, selStart, selLength, k), bounds);
    } else if (c == u'.') {
        if (!bounds.decimalOk || text.find('.') != std::string_view::npos)
            verdict.beep = true;
    } else if (!key.isBackspace()) {
        verdict.beep = true;
    }

    // A minus sign only ever leads a text that has none yet.
    if (c == u'-' &&
        (!bounds.negativeOk || selStart != 0 || text.find('-') != std::string_view::npos))
        verdict.beep = true;
    return verdict;
}

std::string keysJudgedAlike(std::string_view keys) {
    // A double is correctly rounded from its first 768 significant digits and whether any
    // later one is not zero; a value of 0.<400 zeros>... reads as 0 whatever follows.
    constexpr std::size_t kSignificantDigits = 800;
    constexpr std::size_t kDeepestZeros = 400;
    std::string kept;
    bool point = false, significant = false, beyond = false;
    std::size_t zeros = 0, digits = 0;
    for (const char c : keys) {
        if (!isDigit(static_cast<unsigned char>(c))) {
            kept += c;
            // Past a second point, a minus sign after the start or any other key, every key
            // is refused already: the first of them decides.
            if ((c != '.' || point) && (c != '-' || kept.size() > 1))
                break;
            point = point || c == '.';
            continue;
        }
        if (!significant && c == '0') {
            // 0 and 00 are the same number, and so are 0.<400 zeros> and any more of them.
            const bool counts = point ? zeros < kDeepestZeros : zeros == 0;
            zeros = point ? zeros + counts : 1;
            if (counts)
                kept += c;
            continue;
        }
        if (!significant) {
            if (point && zeros >= kDeepestZeros)
                continue;
            significant = true;
        }
        if (digits < kSignificantDigits) {
            ++digits;
            kept += c;
        } else if (c != '0' && !beyond) {
            beyond = true;
            kept += c;
        }
    }
    return kept;
}

void tellVerdict(const KeyVerdict& verdict, const EntryBounds& bounds, Notices& notices) {
    if (verdict.rangeMessage)
        notices.push_back(rangeNotice(bounds));
    if (verdict.beep)
        notices.push_back(Notice::beep());
}

Notice rangeNotice(const EntryBounds& bounds) {
    return Notice::message(rangeMessage(bounds), kInputErrorTitle);
}

std::string rangeMessage(const EntryBounds& bounds) {
    return "Entry out of range.  Value must be between " + boundText(bounds.minValue) + " and " +
           boundText(bounds.maxValue);
}

} // namespace entry
