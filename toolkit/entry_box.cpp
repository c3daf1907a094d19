// The entry box: key events turned into model keys, focus moves, and text written by the program.
#include "toolkit/entry_box.h"

#include "entry/field_set.h"

#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include <utility>

namespace toolkit {

namespace {

// The models count UTF-8 bytes; QLineEdit counts UTF-16 units.
int utf8Length(QStringView s) {
    return static_cast<int>(s.toUtf8().size());
}

int unitsForBytes(const QString& s, std::size_t bytes) {
    int units = 0;
    std::size_t used = 0;
    while (units < s.size() && used < bytes) {
        const int step = s.at(units).isHighSurrogate() && units + 1 < s.size() ? 2 : 1;
        used += static_cast<std::size_t>(utf8Length(QStringView(s).mid(units, step)));
        units += step;
    }
    return units;
}

bool movesFocus(const QKeyEvent& e) {
    const bool plain = !(e.modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    return plain && (e.key() == Qt::Key_Tab || e.key() == Qt::Key_Backtab);
}

// Keys that change the text without typing a character start a new entry: deleting, pasting
// and cutting. Moving the caret, selecting, copying and menu keys leave everything as it is;
// a typed key starts one only where the key filter lets it through.
bool editsWithoutTyping(const QKeyEvent& e) {
    if (typedKey(e) || e.modifiers().testFlag(Qt::AltModifier))
        return false;
    // The text box edits through these bindings alone: a DELETE they do not name edits nothing.
    for (QKeySequence::StandardKey edit :
         {QKeySequence::Paste, QKeySequence::Cut, QKeySequence::Delete,
          QKeySequence::DeleteStartOfWord, QKeySequence::DeleteEndOfWord,
          QKeySequence::DeleteEndOfLine, QKeySequence::DeleteCompleteLine, QKeySequence::Undo,
          QKeySequence::Redo})
        if (e.matches(edit))
            return true;
    return false;
}

// Window (de)activation is not a move of the focus between controls.
bool betweenControls(const QFocusEvent& e) {
    return e.reason() != Qt::ActiveWindowFocusReason && e.reason() != Qt::PopupFocusReason;
}

} // namespace

std::optional<entry::Key> typedKey(const QKeyEvent& e) {
    if (e.matches(QKeySequence::Copy))
        return std::nullopt;
    switch (e.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return entry::Key::enter();
    case Qt::Key_Backspace:
        return entry::Key::backspace();
    case Qt::Key_Escape:
        return entry::Key::escape();
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return std::nullopt;
    default:
        break;
    }
    const Qt::KeyboardModifiers m = e.modifiers();
    if (m.testFlag(Qt::AltModifier))
        return std::nullopt;
    if (m.testFlag(Qt::ControlModifier)) {
        if (e.key() >= Qt::Key_A && e.key() <= Qt::Key_Z)
            return entry::Key::control(static_cast<char16_t>(e.key() - Qt::Key_A + u'A'));
        return std::nullopt;
    }
    const QString text = e.text();
    if (text.isEmpty())
        return std::nullopt;
    const char16_t c = text.at(0).unicode();
    if (c < 32 || c == 127)
        return std::nullopt;
    return entry::Key::typing(c);
}

EntryBox::EntryBox(QWidget* parent) : QLineEdit(parent) {
    setMaxLength(static_cast<int>(entry::kLongestText));
    // Composed text must pass the key-press path like any typed character.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    greyWhenDisabled();
    // Text arrives through keys (or the context menu's Paste) only, where the handlers see it.
    setAcceptDrops(false);
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!writing_ && onEdited)
            onEdited(text.toStdString());
    });
}

bool EntryBox::event(QEvent* e) {
    // Keys the box swallows must not run as the line edit's own shortcuts either.
    if (e->type() == QEvent::ShortcutOverride) {
        auto* ke = static_cast<QKeyEvent*>(e);
        // CTRL+SHIFT combinations stay free for the window's own shortcuts.
        const Qt::KeyboardModifiers m = ke->modifiers();
        if (typedKey(*ke) && m.testFlag(Qt::ControlModifier) && !m.testFlag(Qt::ShiftModifier)) {
            e->accept();
            return true;
        }
    }
    return QLineEdit::event(e);
}

// A box that takes no input looks it: greyed like the window, not white, whatever the palette
// (also when the desktop switches between light and dark while the program runs).
void EntryBox::greyWhenDisabled() {
    QPalette p = palette();
    const QColor window = p.color(QPalette::Active, QPalette::Window);
    if (p.color(QPalette::Disabled, QPalette::Base) == window)
        return;
    p.setColor(QPalette::Disabled, QPalette::Base, window);
    setPalette(p);
}

void EntryBox::changeEvent(QEvent* e) {
    QLineEdit::changeEvent(e);
    if (e->type() == QEvent::PaletteChange)
        greyWhenDisabled();
}

bool EntryBox::passKeyPress(entry::Key key) {
    return !onKeyPress || onKeyPress(key);
}

void EntryBox::keyPressEvent(QKeyEvent* e) {
    settleFocus();
    if (movesFocus(*e)) {
        QLineEdit::keyPressEvent(e);
        return;
    }
    // A key with ALT held never types: it reaches menus only.
    if (e->modifiers().testFlag(Qt::AltModifier)) {
        e->ignore();
        return;
    }
    if (e->matches(QKeySequence::Copy)) {
        copy();
        e->accept();
        return;
    }
    const std::optional<entry::Key> key = typedKey(*e);
    if (!key) {
        if (onKeyDown && editsWithoutTyping(*e))
            onKeyDown();
        QLineEdit::keyPressEvent(e);
        return;
    }
    if (passKeyPress(*key))
        QLineEdit::keyPressEvent(e);
    else
        e->accept();
}

void EntryBox::inputMethodEvent(QInputMethodEvent* e) {
    settleFocus();
    const QString committed = e->commitString();
    for (QChar c : committed)
        if (passKeyPress(entry::Key::typing(c.unicode())))
            insert(QString(c));
    e->accept();
}

// The middle button's paste would change the text behind the key handlers' back.
void EntryBox::mousePressEvent(QMouseEvent* e) {
    settleFocus();
    if (e->button() == Qt::MiddleButton)
        e->accept();
    else
        QLineEdit::mousePressEvent(e);
}

void EntryBox::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::MiddleButton)
        e->accept();
    else
        QLineEdit::mouseReleaseEvent(e);
}

// Screen readers hear of the focus only after this event: a selection made here would reach
// them first, for a box they do not know has the focus, and they then let the focus pass in
// silence. The text box's own select-all on TAB waits with the rest.
void EntryBox::focusInEvent(QFocusEvent* e) {
    if (!betweenControls(*e) || !onGotFocus) {
        QLineEdit::focusInEvent(e);
        return;
    }
    const bool keyboard = e->reason() == Qt::TabFocusReason ||
                          e->reason() == Qt::BacktabFocusReason ||
                          e->reason() == Qt::ShortcutFocusReason;
    QFocusEvent quiet(QEvent::FocusIn, Qt::OtherFocusReason);
    QLineEdit::focusInEvent(keyboard ? &quiet : e);
    focusUnsettled_ = true;
    QMetaObject::invokeMethod(this, &EntryBox::settleFocus, Qt::QueuedConnection);
}

void EntryBox::settleFocus() {
    if (std::exchange(focusUnsettled_, false) && hasFocus())
        onGotFocus();
}

void EntryBox::focusOutEvent(QFocusEvent* e) {
    focusUnsettled_ = false;
    QLineEdit::focusOutEvent(e);
    if (betweenControls(*e) && onLostFocus)
        onLostFocus();
}

void EntryBox::showText(const std::string& text) {
    writing_ = true;
    setText(QString::fromStdString(text));
    setCursorPosition(0);
    writing_ = false;
}

entry::Selection EntryBox::selection() const {
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    return {static_cast<std::size_t>(utf8Length(QStringView(text()).left(start))),
            static_cast<std::size_t>(utf8Length(selectedText()))};
}

void EntryBox::select(entry::Selection selection) {
    const QString all = text();
    const int start = unitsForBytes(all, selection.start);
    const int end = unitsForBytes(all, selection.start + selection.length);
    // Selecting what is selected already would tell screen readers of a change that is none.
    if (end > start && selectionStart() == start && selectionLength() == end - start)
        return;
    setCursorPosition(start);
    setSelection(start, end - start);
}

} // namespace toolkit
