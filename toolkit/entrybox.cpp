#include "toolkit/entrybox.h"

#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>

namespace toolkit {

namespace {

// TextBox positions count UTF-8 bytes; QLineEdit counts UTF-16 units.
int utf8Length(QStringView s) {
    return static_cast<int>(s.toUtf8().size());
}

int unitsForBytes(const QString& s, int bytes) {
    int units = 0;
    int used = 0;
    while (units < s.size() && used < bytes) {
        const int step = s.at(units).isHighSurrogate() && units + 1 < s.size() ? 2 : 1;
        used += utf8Length(QStringView(s).mid(units, step));
        units += step;
    }
    return units;
}

int shiftState(Qt::KeyboardModifiers m) {
    return (m.testFlag(Qt::ShiftModifier) ? 1 : 0) | (m.testFlag(Qt::ControlModifier) ? 2 : 0) |
           (m.testFlag(Qt::AltModifier) ? 4 : 0);
}

bool movesFocus(const QKeyEvent& e) {
    const bool plain = !(e.modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    return plain && (e.key() == Qt::Key_Tab || e.key() == Qt::Key_Backtab);
}

// Window (de)activation is not a move of the focus between controls.
bool betweenControls(const QFocusEvent& e) {
    return e.reason() != Qt::ActiveWindowFocusReason && e.reason() != Qt::PopupFocusReason;
}

} // namespace

int characterCode(const QKeyEvent& e) {
    switch (e.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return -1;
    default:
        break;
    }
    const Qt::KeyboardModifiers m = e.modifiers();
    if (m.testFlag(Qt::AltModifier))
        return -1;
    if (m.testFlag(Qt::ControlModifier)) {
        if (e.key() >= Qt::Key_A && e.key() <= Qt::Key_Z)
            return e.key() - Qt::Key_A + 1;
        return -1;
    }
    const QString text = e.text();
    if (text.isEmpty())
        return -1;
    const char16_t c = text.at(0).unicode();
    if (c < 32 || c == 127)
        return -1;
    return c;
}

EntryBox::EntryBox(QWidget* parent) : QLineEdit(parent) {
    // Composed text must pass the key-press path like any typed character.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    // A box that takes no input looks it: greyed like the window, not white.
    QPalette p = palette();
    p.setColor(QPalette::Disabled, QPalette::Base, p.color(QPalette::Active, QPalette::Window));
    setPalette(p);
}

bool EntryBox::event(QEvent* e) {
    // Keys the box swallows must not run as the line edit's own shortcuts either.
    if (e->type() == QEvent::ShortcutOverride) {
        auto* ke = static_cast<QKeyEvent*>(e);
        if (characterCode(*ke) > 0 && ke->modifiers().testFlag(Qt::ControlModifier)) {
            e->accept();
            return true;
        }
    }
    return QLineEdit::event(e);
}

bool EntryBox::passKeyPress(std::int16_t& code) {
    if (onKeyPress)
        onKeyPress(code);
    return code != 0;
}

void EntryBox::keyPressEvent(QKeyEvent* e) {
    if (movesFocus(*e)) {
        QLineEdit::keyPressEvent(e);
        return;
    }
    if (onKeyDown)
        onKeyDown(e->key(), shiftState(e->modifiers()));
    const int produced = characterCode(*e);
    if (produced < 0) {
        QLineEdit::keyPressEvent(e);
        return;
    }
    const auto original = static_cast<std::int16_t>(static_cast<char16_t>(produced));
    std::int16_t code = original;
    if (!passKeyPress(code)) {
        e->accept();
        return;
    }
    if (code == original) {
        QLineEdit::keyPressEvent(e);
        return;
    }
    // A handler that changes the character gets its own character inserted.
    insert(QString(QChar(static_cast<char16_t>(code))));
    e->accept();
}

void EntryBox::inputMethodEvent(QInputMethodEvent* e) {
    const QString committed = e->commitString();
    for (QChar c : committed) {
        auto code = static_cast<std::int16_t>(c.unicode());
        if (passKeyPress(code))
            insert(QString(QChar(static_cast<char16_t>(code))));
    }
    e->accept();
}

void EntryBox::focusInEvent(QFocusEvent* e) {
    QLineEdit::focusInEvent(e);
    if (betweenControls(*e) && onGotFocus)
        onGotFocus();
}

void EntryBox::focusOutEvent(QFocusEvent* e) {
    QLineEdit::focusOutEvent(e);
    if (betweenControls(*e) && onLostFocus)
        onLostFocus();
}

std::string EntryBox::Text() const {
    return text().toStdString();
}

void EntryBox::SetText(const std::string& value) {
    setText(QString::fromStdString(value));
    setCursorPosition(0);
}

int EntryBox::SelStart() const {
    const int units = hasSelectedText() ? selectionStart() : cursorPosition();
    return utf8Length(QStringView(text()).left(units));
}

void EntryBox::SetSelStart(int position) {
    setCursorPosition(unitsForBytes(text(), std::max(position, 0)));
}

int EntryBox::SelLength() const {
    return utf8Length(selectedText());
}

void EntryBox::SetSelLength(int length) {
    const QString all = text();
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    const int startBytes = utf8Length(QStringView(all).left(start));
    const int end = unitsForBytes(all, startBytes + std::max(length, 0));
    setSelection(start, end - start);
}

bool EntryBox::Enabled() const {
    return !testAttribute(Qt::WA_ForceDisabled);
}

void EntryBox::SetEnabled(bool enabled) {
    setEnabled(enabled);
}

void EntryBox::SetFocus() {
    setFocus(Qt::OtherFocusReason);
}

} // namespace toolkit
