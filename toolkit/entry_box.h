#pragma once

#include "entry/highlight.h"

#include <QLineEdit>

#include <cstdint>
#include <functional>
#include <string>

namespace toolkit {

// A one-line entry box that turns Qt's key and focus events into the ones a window model is
// written for:
//  - onKeyDown for every key that can change the text (characters, deleting, pasting,
//    cutting), before anything else happens to it; keys that move the caret, select, copy
//    (CTRL+C, CTRL+INSERT) or reach a menu (anything with ALT, which never types) raise none;
//  - then, for keys that produce a character, onKeyPress with the 16-bit code: printable
//    characters, ENTER 13, BACKSPACE 8, ESC 27, CTRL+letter 1..26. A handler that sets the
//    code to 0 swallows the key: nothing is inserted and no shortcut runs;
//  - TAB and SHIFT+TAB only move the focus;
//  - onGotFocus / onLostFocus when the focus moves between controls, not when the whole
//    window is merely deactivated or reactivated (message boxes, popups, other programs);
//  - onEdited whenever the user changed the text (typing, pasting, cutting), never when the
//    program wrote it;
//  - no drops and no middle-button paste: text arrives where the handlers see it.
// Positions count bytes of the UTF-8 text, as the models do.
class EntryBox : public QLineEdit {
    Q_OBJECT
public:
    explicit EntryBox(QWidget* parent = nullptr);

    std::function<void()> onKeyDown;
    std::function<void(std::int16_t& keyAscii)> onKeyPress;
    std::function<void()> onGotFocus;
    std::function<void()> onLostFocus;
    std::function<void(const std::string& text)> onEdited;

    // Writes the text as the program's own, caret at the start.
    void showText(const std::string& text);
    entry::Selection selection() const;
    void select(entry::Selection selection);

protected:
    bool event(QEvent* e) override;
    void changeEvent(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    void greyWhenDisabled();
    // Runs the key-press handler on one character; true when the box should still take it.
    bool passKeyPress(std::int16_t& code);

    bool writing_ = false;
};

// The character code a key event produces, or -1 for keys that produce none.
int characterCode(const QKeyEvent& e);

} // namespace toolkit
