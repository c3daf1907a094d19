// keyfilter on any text, selection, key and bounds. A refused key is told about (range message,
// beep), a passing one never; only digits, one point, one leading minus, BACKSPACE and ENTER pass;
// a digit or minus passes exactly when the number it makes stays within the bounds (0 and 0.0
// stand for a small lower bound); ENTER needs the lower bound; the range message states both.
#include "fuzz_check.h"

#include "converter/boxes.h"
#include "entry/keyfilter.h"
#include "entry/numeric_value.h"
#include "temperature/temperature_model.h"

#include <algorithm>
#include <array>
#include <string>

namespace {

// The bounds of the program's entry boxes (the converter's twelve, the temperatures), or any.
entry::EntryBounds boundsFrom(FuzzInput& in) {
    const std::uint8_t choice = in.byte();
    constexpr std::size_t kInUse = converter::kBoxCount + 1;
    if (choice < 192)
        return choice % kInUse < converter::kBoxCount ? converter::kBoxes[choice % kInUse].bounds
                                                      : temperature::kBounds;
    const auto finite = [](double x) { return std::isfinite(x) ? x : 0; };
    return {(choice & 1) != 0, (choice & 2) != 0, finite(in.raw<double>()),
            finite(in.raw<double>())};
}

char16_t keyFrom(FuzzInput& in) {
    // The keys that matter most, or any 16-bit character.
    constexpr std::array<char16_t, 16> kKeys = {'0', '1', '5', '9', '.', '-', 8,  13,
                                                '+', 'e', 'E', ' ', 0,   27,  22, 0xffff};
    const std::uint8_t choice = in.byte();
    return choice < 224 ? kKeys[choice % kKeys.size()] : in.raw<char16_t>();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const entry::EntryBounds bounds = boundsFrom(in);
    const char16_t key = keyFrom(in);
    const std::size_t start = in.byte(), length = in.byte();
    const std::string text(in.rest());
    const char* shown = text.c_str();

    const entry::KeyVerdict verdict =
        entry::judgeKey(entry::Key::typing(key), text, {start, length}, bounds);
    entry::Notices notices;
    entry::tellVerdict(verdict, bounds, notices);
    std::string told;
    for (const entry::Notice& n : notices) {
        const bool range = n.title == "Input Error" && n.text == entry::rangeMessage(bounds);
        told += n.kind == entry::Notice::Kind::Beep ? "B" : range ? "M" : "?";
    }
    const bool passed = !verdict.refused();
    FUZZ_CHECK(passed == told.empty() && (told == "" || told == "M" || told == "B" || told == "MB"),
               "key %d in '%s': passed %d, told '%s'", key, shown, passed, told.c_str());

    const bool digit = key >= '0' && key <= '9';
    if (entry::Key::typing(key).isEnter()) {
        FUZZ_CHECK(told == (entry::numericValue(text) >= bounds.minValue ? "" : "M"), "in '%s'",
                   shown);
    } else if (digit || key == '-') {
        const std::size_t from = std::min(start, text.size());
        const std::size_t to = from + std::min(length, text.size() - from);
        const double p = entry::numericValue(text.substr(0, from) + char(key) + text.substr(to));
        const double q = p == 0 && bounds.minValue > 0 && bounds.minValue < 1 ? bounds.minValue : p;
        const bool within = q >= bounds.minValue && q <= bounds.maxValue;
        const bool minusOk = bounds.negativeOk && from == 0 && text.find('-') == text.npos;
        FUZZ_CHECK(passed == (within && (digit || minusOk)) && (within || told[0] == 'M'),
                   "key %d into '%s' at %zu: %.17g, told '%s'", key, shown, from, p, told.c_str());
    } else if (key == '.') {
        FUZZ_CHECK(passed == (bounds.decimalOk && text.find('.') == text.npos), "in '%s'", shown);
    } else {
        FUZZ_CHECK(passed == entry::Key::typing(key).isBackspace(), "key %d passed into '%s'", key,
                   shown);
    }

    const std::string message = entry::rangeMessage(bounds);
    const double low = entry::numericValue(message.substr(message.find("between ") + 8));
    const double high = entry::numericValue(message.substr(message.rfind(" and ") + 5));
    FUZZ_CHECK(std::fabs(low - bounds.minValue) <= 1e-14 * std::fabs(bounds.minValue) &&
                   std::fabs(high - bounds.maxValue) <= 1e-14 * std::fabs(bounds.maxValue),
               "'%s' for %.17g and %.17g", message.c_str(), bounds.minValue, bounds.maxValue);
    return 0;
}
