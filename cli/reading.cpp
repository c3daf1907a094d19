// Typing one reading into a fresh converter model, and the names readings use for boxes.
#include "cli/reading.h"

#include "cli/escaping.h"
#include "cli/number_text.h"
#include "entry/field_set.h"
#include "entry/keyfilter.h"
#include "entry/typist.h"

#include <algorithm>

namespace cli {
namespace {

using converter::Box;

constexpr std::size_t kShortValue = 100;

// The window takes keys, not characters: a line break would be ENTER there, a backspace
// BACKSPACE, and no key types the other control characters.
bool typeable(std::string_view value) {
    return std::none_of(value.begin(), value.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u < 0x20 || u == 0x7f;
    });
}

// Types one value and ENTER; why the window refused it, from the first notice it gave.
std::optional<Refusal> enter(entry::Typist<converter::ConverterModel>& typist, Box box,
                             std::string_view value, bool decimalComma) {
    const bool frequency = converter::isFrequency(box);
    if (value.empty())
        return Refusal{frequency, "no value"};
    if (value.size() > entry::kLongestText)
        return Refusal{frequency, "longer than the window's boxes hold (" +
                                      std::to_string(entry::kLongestText) + " characters)"};
    const std::optional<std::string> rewritten = typedForm(value, decimalComma);
    if (const std::string_view keys = rewritten ? *rewritten : value; typeable(keys)) {
        // Typing costs the square of a value's length: a long one is typed shortened.
        const std::string shortened =
            keys.size() > kShortValue ? entry::keysJudgedAlike(keys) : std::string();
        entry::Notices notices = typist.type(box, shortened.empty() ? keys : shortened);
        if (notices.empty())
            notices = typist.type(box, "\n");
        if (notices.empty())
            return std::nullopt;
        if (notices.front().kind == entry::Notice::Kind::Message)
            return Refusal{frequency, notices.front().text};
    }
    const std::string why = whyNotANumber(value, decimalComma ? ',' : '.');
    return Refusal{frequency, shown(value) + " is not a number the window accepts" +
                                  (why.empty() ? "" : ": " + why)};
}

} // namespace

std::optional<Refusal> ReadingTypist::type(const Reading& reading) {
    converter::ConverterModel& model = model_.emplace();
    model.selectReference(reading.reference);
    entry::Typist typist(model);
    if (auto refusal = enter(typist, reading.frequencyBox, reading.frequency, reading.decimalComma))
        return refusal;
    return enter(typist, reading.levelBox, reading.level, reading.decimalComma);
}

bool sameName(std::string_view name, std::string_view other) {
    const auto lower = [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    };
    return name.size() == other.size() &&
           std::equal(name.begin(), name.end(), other.begin(),
                      [&lower](char a, char b) { return a == b || lower(a) == lower(b); });
}

std::string_view trimmed(std::string_view name) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!name.empty() && blank(name.front()))
        name.remove_prefix(1);
    while (!name.empty() && blank(name.back()))
        name.remove_suffix(1);
    return name;
}

std::optional<Box> levelBoxNamed(std::string_view key) {
    key = trimmed(key);
    for (const converter::BoxDescription& d : converter::kBoxes)
        if (d.unit && sameName(key, d.key))
            return d.box;
    return std::nullopt;
}

std::string levelKeys() {
    std::string keys;
    for (const converter::BoxDescription& d : converter::kBoxes) {
        if (!d.unit)
            continue;
        if (!keys.empty())
            keys += ", ";
        keys += d.key;
    }
    return keys;
}

} // namespace cli
