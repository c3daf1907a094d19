// keyfilter on any text, selection, key and bounds: it decides about the key only, and every
// key it lets through keeps the box's number acceptable.
#include "fuzz_check.h"

#include "entry/keyfilter.h"
#include "entry/numeric_value.h"
#include "toolkit/memory_textbox.h"
#include "toolkit/prompter.h"

#include <array>
#include <cmath>

namespace {

struct CountingPrompter : toolkit::Prompter {
    void MsgBox(const std::string& text, const std::string& title) override {
        ++messages;
        lastText = text;
        lastTitle = title;
    }
    void Beep() override { ++beeps; }
    int messages = 0;
    int beeps = 0;
    std::string lastText;
    std::string lastTitle;
};

// The bounds of every entry box of the program.
constexpr std::array<entry::EntryBounds, 6> kBoxBounds{{{true, false, 1, 100000},
                                                        {true, false, 1, 6000000},
                                                        {true, false, 1E-08, 10000},
                                                        {true, false, 1E-08, 1000000},
                                                        {true, true, -60, 200},
                                                        {true, true, -100000, 100000}}};

// The keys that matter most; any other 16-bit code can come too.
constexpr std::array<std::int16_t, 16> kKeys = {'0', '1', '5', '9', '.', '-', 8,  13,
                                                '+', 'e', 'E', ' ', 0,   27,  22, -1};

double finiteOr(double value, double fallback) {
    return std::isfinite(value) ? value : fallback;
}

entry::EntryBounds boundsFrom(FuzzInput& in) {
    const std::uint8_t choice = in.byte();
    if (choice < 192)
        return kBoxBounds[choice % kBoxBounds.size()];
    entry::EntryBounds bounds{};
    bounds.decimal_ok = choice & 1;
    bounds.negative_ok = choice & 2;
    bounds.minval = finiteOr(in.raw<double>(), 0);
    bounds.maxval = finiteOr(in.raw<double>(), 0);
    return bounds;
}

std::int16_t keyFrom(FuzzInput& in) {
    const std::uint8_t choice = in.byte();
    if (choice < 224)
        return kKeys[choice % kKeys.size()];
    return in.raw<std::int16_t>();
}

bool isDigit(std::int16_t key) {
    return key >= '0' && key <= '9';
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const entry::EntryBounds bounds = boundsFrom(in);
    const std::int16_t key = keyFrom(in);
    const int selStart = in.byte();
    const int selLength = in.byte();
    const std::string text(in.rest());

    toolkit::MemoryTextBox box(text);
    box.SetSelStart(selStart);
    box.SetSelLength(selLength);
    const int start = box.SelStart();
    const int length = box.SelLength();
    CountingPrompter prompter;
    std::int16_t code = key;
    entry::keyfilter(code, box, bounds, prompter);
    const std::string printable = shown(text);
    const char* shownText = printable.c_str();

    // The box is only read.
    FUZZ_CHECK(box.Text() == text && box.SelStart() == start && box.SelLength() == length &&
                   box.Enabled() && box.focusRequests == 0,
               "key %d changed the box '%s'", key, shownText);
    FUZZ_CHECK(code == key || code == 0, "key %d became %d", key, code);
    const bool passed = code != 0 && code == key;
    FUZZ_CHECK(passed == (prompter.messages + prompter.beeps == 0),
               "key %d in '%s': passed %d with %d messages, %d beeps", key, shownText, passed,
               prompter.messages, prompter.beeps);
    FUZZ_CHECK(prompter.messages <= 1 && prompter.beeps <= 1, "key %d in '%s': told twice", key,
               shownText);
    if (prompter.messages == 1)
        FUZZ_CHECK(prompter.lastTitle == entry::kInputErrorTitle &&
                       prompter.lastText == entry::rangeMessage(bounds.minval, bounds.maxval),
                   "key %d: message '%s'", key, prompter.lastText.c_str());

    if (key == 13) {
        const bool below = entry::numericValue(text) < bounds.minval;
        FUZZ_CHECK(passed == !below, "ENTER in '%s' (min %g): passed %d", shownText, bounds.minval,
                   passed);
        FUZZ_CHECK(prompter.beeps == 0, "ENTER beeped");
        return 0;
    }
    if (!passed) {
        // A digit is only ever refused for its range, a point only with a beep.
        if (isDigit(key))
            FUZZ_CHECK(prompter.messages == 1 && prompter.beeps == 0,
                       "digit %d refused in '%s' with %d messages, %d beeps", key, shownText,
                       prompter.messages, prompter.beeps);
        else if (key != '-')
            FUZZ_CHECK(prompter.messages == 0 && prompter.beeps == 1,
                       "key %d refused in '%s' with %d messages, %d beeps", key, shownText,
                       prompter.messages, prompter.beeps);
        return 0;
    }
    FUZZ_CHECK(isDigit(key) || key == '.' || key == '-' || key == 8, "key %d passed into '%s'", key,
               shownText);
    if (key == '.')
        FUZZ_CHECK(bounds.decimal_ok && text.find('.') == std::string::npos,
                   "a point passed into '%s'", shownText);
    if (key == '-')
        FUZZ_CHECK(bounds.negative_ok && start == 0 && text.find('-') == std::string::npos,
                   "a minus passed into '%s' at %d", shownText, start);
    if (isDigit(key) || key == '-') {
        const std::string prospective = text.substr(0, static_cast<std::size_t>(start)) +
                                        static_cast<char>(key) +
                                        text.substr(static_cast<std::size_t>(start + length));
        double p = entry::numericValue(prospective);
        if (bounds.minval > 0 && bounds.minval < 1 && p == 0)
            p = bounds.minval;
        FUZZ_CHECK(p >= bounds.minval && p <= bounds.maxval,
                   "key %d passed: '%s' reads %.17g, outside %.17g to %.17g", key,
                   shown(prospective).c_str(), p, bounds.minval, bounds.maxval);
    }
    return 0;
}
