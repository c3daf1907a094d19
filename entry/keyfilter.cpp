#include "entry/keyfilter.h"

#include "entry/numeric_value.h"
#include "toolkit/prompter.h"
#include "toolkit/textbox.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <string>

namespace entry {

namespace {

constexpr char16_t kBackspace = 8;
constexpr char16_t kEnter = 13;

constexpr int kBoundDigits = 15;

bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

void refuseWithMessage(std::int16_t& KeyAscii, const EntryBounds& bounds,
                       toolkit::Prompter& prompter) {
    KeyAscii = 0;
    prompter.MsgBox(rangeMessage(bounds.minval, bounds.maxval), kInputErrorTitle);
}

void refuseWithBeep(std::int16_t& KeyAscii, toolkit::Prompter& prompter) {
    KeyAscii = 0;
    prompter.Beep();
}

} // namespace

void keyfilter(std::int16_t& KeyAscii, toolkit::TextBox& textboxname, const EntryBounds& bounds,
               toolkit::Prompter& prompter) {
    const char16_t key = static_cast<char16_t>(static_cast<std::uint16_t>(KeyAscii));
    const std::string text = textboxname.Text();

    if (key == kEnter) {
        if (numericValue(text) < bounds.minval)
            refuseWithMessage(KeyAscii, bounds, prompter);
        return;
    }

    // The box reports its selection; keep it inside the text whatever it says.
    const std::size_t size = text.size();
    const std::size_t selStart =
        std::min(static_cast<std::size_t>(std::max(textboxname.SelStart(), 0)), size);
    const std::size_t selLength =
        std::min(static_cast<std::size_t>(std::max(textboxname.SelLength(), 0)), size - selStart);

    if (isDigit(key) || key == u'-') {
        // The key replaces the selection: check the text as it would then read.
        std::string prospective = text.substr(0, selStart);
        prospective += static_cast<char>(key);
        prospective += text.substr(selStart + selLength);
        double p = numericValue(prospective);
        // "0" and "0." begin every small fraction; let them through as the lower bound.
        if (bounds.minval > 0 && bounds.minval < 1 && p == 0)
            p = bounds.minval;
        if (p > bounds.maxval || p < bounds.minval)
            refuseWithMessage(KeyAscii, bounds, prompter);
    } else if (key == u'.') {
        if (!bounds.decimal_ok || text.find('.') != std::string::npos)
            refuseWithBeep(KeyAscii, prompter);
    } else if (key != kBackspace) {
        refuseWithBeep(KeyAscii, prompter);
    }

    // A minus sign only ever leads a text that has none yet.
    if (key == u'-' &&
        (!bounds.negative_ok || selStart != 0 || text.find('-') != std::string::npos))
        refuseWithBeep(KeyAscii, prompter);
}

std::string boundText(double bound) {
    std::array<char, 32> buffer{};
    const double magnitude = bound < 0 ? -bound : bound;
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                            std::chars_format::general, kBoundDigits);
    (void)error;
    std::string digits(buffer.data(), end);
    std::replace(digits.begin(), digits.end(), 'e', 'E');
    return (bound < 0 ? "-" : " ") + digits;
}

std::string rangeMessage(double minval, double maxval) {
    return "Entry out of range.  Value must be between " + boundText(minval) + " and " +
           boundText(maxval);
}

} // namespace entry
