// What a model asks a window to tell the user besides what its boxes show.
#pragma once

#include <string>
#include <vector>

namespace entry {

// A message box (exclamation icon, OK button) or the warning beep.
struct Notice {
    enum class Kind { Message, Beep };
    Kind kind;
    std::string text;
    std::string title;

    static Notice message(std::string text, std::string title) {
        return {Kind::Message, std::move(text), std::move(title)};
    }
    static Notice beep() { return {Kind::Beep, {}, {}}; }
    bool operator==(const Notice&) const = default;
};

// Notices in the order the user meets them.
using Notices = std::vector<Notice>;

inline constexpr const char* kInputErrorTitle = "Input Error";

} // namespace entry
