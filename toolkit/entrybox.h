#pragma once

#include "toolkit/textbox.h"

#include <QLineEdit>

#include <cstdint>
#include <functional>

namespace toolkit {

// A one-line entry box that turns Qt's key and focus events into the model the window
// logic is written for:
//  - onKeyDown(keyCode, shift) for every key, characters or not (shift: 1 Shift, 2 Ctrl, 4 Alt);
//  - then, for keys that produce a character, onKeyPress(KeyAscii) with the 16-bit code:
//    printable characters, ENTER 13, BACKSPACE 8, ESC 27, CTRL+letter 1..26. A handler that
//    sets the code to 0 swallows the key: nothing is inserted and no shortcut runs;
//  - TAB and SHIFT+TAB only move the focus;
//  - onGotFocus / onLostFocus when the focus moves between controls, not when the whole
//    window is merely deactivated or reactivated (message boxes, popups, other programs).
class EntryBox : public QLineEdit, public TextBox {
    Q_OBJECT
public:
    explicit EntryBox(QWidget* parent = nullptr);

    std::function<void(int keyCode, int shift)> onKeyDown;
    std::function<void(std::int16_t& KeyAscii)> onKeyPress;
    std::function<void()> onGotFocus;
    std::function<void()> onLostFocus;

    std::string Text() const override;
    void SetText(const std::string& text) override;
    int SelStart() const override;
    void SetSelStart(int position) override;
    int SelLength() const override;
    void SetSelLength(int length) override;
    bool Enabled() const override;
    void SetEnabled(bool enabled) override;
    void SetFocus() override;

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    // Runs the key-press handler on one character; true when the box should still take it.
    bool passKeyPress(std::int16_t& code);
};

// The character code a key event produces, or -1 for keys that produce none.
int characterCode(const QKeyEvent& e);

} // namespace toolkit
