// The entry box every window's number boxes are: Qt's key and focus events in a model's terms.
#pragma once

#include "entry/highlight.h"
#include "entry/key.h"

#include <QLineEdit>

#include <functional>
#include <optional>
#include <string>

namespace toolkit {

// A one-line entry box that turns Qt's key and focus events into the ones a window model is
// written for:
//  - onKeyDown for every key that can change the text without typing a character (deleting,
//    pasting, cutting, undoing), before anything else happens to it; keys that move the caret,
//    select, copy (CTRL+C, CTRL+INSERT) or reach a menu (anything with ALT, which never types)
//    raise none, and neither do typed keys, which the model judges at onKeyPress;
//  - then, for keys that produce a character (printable characters, ENTER, BACKSPACE, ESC,
//    CTRL+letter), onKeyPress with the key: a handler that answers false swallows it: nothing
//    is inserted and no shortcut runs;
//  - TAB and SHIFT+TAB only move the focus;
//  - onGotFocus / onLostFocus when the focus moves between controls, not when the whole
//    window is merely deactivated or reactivated (message boxes, popups, other programs);
//    onGotFocus runs once screen readers have been told of the focus (Qt tells them after
//    the focus event), or at the latest when the next key or click reaches the box, so that
//    what it selects is heard after the box's name;
//  - onEdited whenever the user changed the text (typing, pasting, cutting), never when the
//    program wrote it;
//  - no drops and no middle-button paste: text arrives where the handlers see it.
// Selections count bytes of the UTF-8 text, as the models keep their texts.
class EntryBox : public QLineEdit {
    Q_OBJECT
public:
    explicit EntryBox(QWidget* parent = nullptr);

    std::function<void()> onKeyDown;
    std::function<bool(entry::Key key)> onKeyPress;
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
    // Runs the key-press handler on one key; true when the box should still take it.
    bool passKeyPress(entry::Key key);
    // Runs onGotFocus if the focus came and it has not run yet.
    void settleFocus();

    bool writing_ = false;
    bool focusUnsettled_ = false; // the focus came; onGotFocus has not run yet
};

// The key a key event types, or none for keys that type nothing.
std::optional<entry::Key> typedKey(const QKeyEvent& e);

} // namespace toolkit
