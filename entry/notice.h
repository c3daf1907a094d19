#pragma once

#include <functional>
#include <string>

namespace entry {

// What a model asks to be shown to the user besides its boxes: a message box (exclamation
// icon, OK button) or the warning beep. The model goes on once the notice has been handled.
struct Notice {
    enum class Kind { Message, Beep };
    Kind kind;
    std::string text;
    std::string title;
};
using NoticeSink = std::function<void(const Notice&)>;

// A model's way to its sink; without one, notices go nowhere.
class Notices {
public:
    explicit Notices(NoticeSink sink = {}) : sink_(std::move(sink)) {}
    void message(std::string text, std::string title) const {
        if (sink_)
            sink_({Notice::Kind::Message, std::move(text), std::move(title)});
    }
    void beep() const {
        if (sink_)
            sink_({Notice::Kind::Beep, {}, {}});
    }

private:
    NoticeSink sink_;
};

inline constexpr const char* kInputErrorTitle = "Input Error";

} // namespace entry
