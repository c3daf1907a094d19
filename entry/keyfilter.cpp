// The key filter: which keys may reach an entry box, and the range message.
#include "entry/keyfilter.h"

#include "engine/decimal_text.h"
#include "entry/numeric_value.h"

#include <algorithm>
#include <array>

namespace entry {
namespace {

constexpr int kBoundDigits = 15;
constexpr std::size_t kProspectiveBuffer = 64;

bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
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
        double p = prospectiveValue(text, selStart, selLength, static_cast<char>(c));
        // "0" and "0." begin every small fraction; let them through as the lower bound.
        if (bounds.minValue > 0 && bounds.minValue < 1 && p == 0)
            p = bounds.minValue;
        if (p > bounds.maxValue || p < bounds.minValue)
            verdict.rangeMessage = true;
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
