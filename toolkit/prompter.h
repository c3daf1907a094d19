#pragma once

#include <string>

namespace toolkit {

// The two ways window logic speaks to the user besides its boxes.
class Prompter {
public:
    virtual ~Prompter() = default;

    // A modal box with the exclamation icon and a single OK button; returns once closed.
    virtual void MsgBox(const std::string& text, const std::string& title) = 0;
    // The desktop's default warning sound.
    virtual void Beep() = 0;
};

} // namespace toolkit
