// Readings typed into the converter model as into a newly opened window.
#include "cli/reading.h"

#include "cli/diagnostics.h"
#include "cli/number_text.h"
#include "converter/typist.h"

#include <algorithm>

namespace cli {
namespace {

using converter::Box;

// The window takes keys, not characters: a line break would be ENTER there, a backspace
// BACKSPACE, and no key types the other control characters.
bool typeable(std::string_view value) {
    return std::none_of(value.begin(), value.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u < 0x20 || u == 0x7f;
    });
}

// Types one value and ENTER; the first notice the model gave on the way, if any.
std::optional<Refusal> enter(converter::Typist& typist, Box box, std::string_view value,
                             const std::optional<entry::Notice>& notice) {
    const bool frequency = converter::isFrequency(box);
    if (value.empty())
        return Refusal{frequency, "no value"};
    const std::optional<std::string> plain = plainDecimal(value);
    if (const std::string_view keys = plain ? *plain : value; typeable(keys)) {
        typist.type(box, keys);
        if (!notice)
            typist.type(box, "\n");
        if (!notice)
            return std::nullopt;
        if (notice->kind == entry::Notice::Kind::Message)
            return Refusal{frequency, notice->text};
    }
    const std::string why = whyNotANumber(value);
    return Refusal{frequency, shown(value) + " is not a number the window accepts" +
                                  (why.empty() ? "" : ": " + why)};
}

} // namespace

std::optional<Refusal> ReadingTypist::type(const Reading& reading) {
    notice_.reset();
    converter::ConverterModel& model = model_.emplace([this](const entry::Notice& notice) {
        if (!notice_)
            notice_ = notice;
    });
    model.selectReference(reading.reference);
    converter::Typist typist(model);
    if (auto refusal = enter(typist, reading.frequencyBox, reading.frequency, notice_))
        return refusal;
    return enter(typist, reading.levelBox, reading.level, notice_);
}

bool sameName(std::string_view name, std::string_view key) {
    const auto lower = [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    };
    return name.size() == key.size() &&
           std::equal(name.begin(), name.end(), key.begin(),
                      [&lower](char a, char b) { return lower(a) == b; });
}

std::optional<Box> levelBoxNamed(std::string_view key) {
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
