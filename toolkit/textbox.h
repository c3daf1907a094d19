#pragma once

#include <string>

namespace toolkit {

// A single-line text box as window logic sees it. Text is UTF-8; SelStart and SelLength
// count bytes of Text(), so logic written against plain strings needs no conversion.
class TextBox {
public:
    virtual ~TextBox() = default;

    virtual std::string Text() const = 0;
    virtual void SetText(const std::string& text) = 0;
    virtual int SelStart() const = 0;
    virtual void SetSelStart(int position) = 0;
    virtual int SelLength() const = 0;
    virtual void SetSelLength(int length) = 0;
    virtual bool Enabled() const = 0;
    virtual void SetEnabled(bool enabled) = 0;
    // Giving the focus to the box that already has it raises no got-focus event.
    virtual void SetFocus() = 0;
};

} // namespace toolkit
