// keyfilter on any text, selection, key and bounds. A refused key is told about (range message,
// beep), a passing one never; only digits, one point, one leading minus, BACKSPACE and ENTER pass;
// a digit or minus passes exactly when the number it makes stays within the bounds (0 and 0.0
// stand for a small lower bound); ENTER needs the lower bound; the range message states both.
#include "fuzz_check.h"

#include "entry/key_codes.h"
#include "entry/keyfilter.h"
#include "entry/numeric_value.h"

#include <algorithm>
#include <array>
#include <string>

namespace {

// The bounds of the program's entry boxes (frequency, level, decibels, temperature), or any.
constexpr std::array<entry::EntryBounds, 4> kBoxBounds{{{true, false, 1, 100000},
                                                        {true, false, 1E-08, 10000},
                                                        {true, true, -60, 200},
                                                        {true, true, -100000, 100000}}};

entry::EntryBounds boundsFrom(FuzzInput& in) {
    const std::uint8_t choice = in.byte();
    if (choice < 192)
        return kBoxBounds[choice % kBoxBounds.size()];
    const auto finite = [](double x) { return std::isfinite(x) ? x : 0; };
    return {(choice & 1) != 0, (choice & 2) != 0, finite(in.raw<double>()),
            finite(in.raw<double>())};
}

std::int16_t keyFrom(FuzzInput& in) {
    // The keys that matter most, or any 16-bit code.
    constexpr std::array<std::int16_t, 16> kKeys = {'0', '1', '5', '9', '.', '-', 8,  13,
                                                    '+', 'e', 'E', ' ', 0,   27,  22, -1};
    const std::uint8_t choice = in.byte();
    return choice < 224 ? kKeys[choice % kKeys.size()] : in.raw<std::int16_t>();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const entry::EntryBounds bounds = boundsFrom(in);
    const std::int16_t key = keyFrom(in);
    const std::size_t start = in.byte(), length = in.byte();
    const std::string text(in.rest());
    const char* shown = text.c_str();

    std::string told;
    const entry::Notices notices([&](const entry::Notice& n) {
        const bool range = n.title == "Input Error" && n.text == entry::rangeMessage(bounds);
        told += n.kind == entry::Notice::Kind::Beep ? "B" : range ? "M" : "?";
    });
    std::int16_t code = key;
    entry::filterKey(code, text, {start, length}, bounds, notices);
    const bool passed = code != entry::kRefused;
    FUZZ_CHECK(code == key || !passed, "key %d became %d", key, code);
    FUZZ_CHECK(passed == told.empty() && (told == "" || told == "M" || told == "B" || told == "MB"),
               "key %d in '%s': passed %d, told '%s'", key, shown, passed, told.c_str());

    const bool digit = key >= '0' && key <= '9';
    if (key == entry::kEnter) {
        FUZZ_CHECK(told == (entry::numericValue(text) >= bounds.minval ? "" : "M"), "in '%s'",
                   shown);
    } else if (digit || key == '-') {
        const std::size_t from = std::min(start, text.size());
        const std::size_t to = from + std::min(length, text.size() - from);
        const double p = entry::numericValue(text.substr(0, from) + char(key) + text.substr(to));
        const double q = p == 0 && bounds.minval > 0 && bounds.minval < 1 ? bounds.minval : p;
        const bool within = q >= bounds.minval && q <= bounds.maxval;
        const bool minusOk = bounds.negative_ok && from == 0 && text.find('-') == text.npos;
        FUZZ_CHECK(passed == (within && (digit || minusOk)) && (within || told[0] == 'M'),
                   "key %d into '%s' at %zu: %.17g, told '%s'", key, shown, from, p, told.c_str());
    } else if (key == '.') {
        FUZZ_CHECK(passed == (bounds.decimal_ok && text.find('.') == text.npos), "in '%s'", shown);
    } else {
        FUZZ_CHECK(passed == (key == entry::kBackspace), "key %d passed into '%s'", key, shown);
    }

    const std::string message = entry::rangeMessage(bounds);
    const double low = entry::numericValue(message.substr(message.find("between ") + 8));
    const double high = entry::numericValue(message.substr(message.rfind(" and ") + 5));
    FUZZ_CHECK(std::fabs(low - bounds.minval) <= 1e-14 * std::fabs(bounds.minval) &&
                   std::fabs(high - bounds.maxval) <= 1e-14 * std::fabs(bounds.maxval),
               "'%s' for %.17g and %.17g", message.c_str(), bounds.minval, bounds.maxval);
    return 0;
}
