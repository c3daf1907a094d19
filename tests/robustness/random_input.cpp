#include "random_input.h"

#include "text_rules.h"

#include <QKeySequence>
#include <QTest>

#include <iterator>
#include <utility>

bool InputAction::enter() const {
    return kind == Kind::Key && (key == Qt::Key_Return || key == Qt::Key_Enter);
}

bool InputAction::reachesKeyPress() const {
    if (kind == Kind::Char)
        return true;
    if (kind != Kind::Key)
        return false;
    const bool controlLetter =
        modifiers.testFlag(Qt::ControlModifier) && key >= Qt::Key_A && key <= Qt::Key_Z;
    return enter() || controlLetter || key == Qt::Key_Backspace || key == Qt::Key_Escape ||
           key == Qt::Key_Space;
}

QString InputAction::describe(const QString& at) const {
    switch (kind) {
    case Kind::Char:
        return QStringLiteral("%1: key %2").arg(at, quoted(QString(QChar(ch))));
    case Kind::Key:
        return QStringLiteral("%1: key %2 modifiers 0x%3")
            .arg(at, QKeySequence(key).toString())
            .arg(modifiers.toInt(), 0, 16);
    case Kind::Focus:
        return QStringLiteral("focus %1").arg(target);
    case Kind::Click:
        return QStringLiteral("click %1").arg(target);
    case Kind::ClipboardPaste:
        return QStringLiteral("%1: SHIFT+INSERT pastes %2").arg(at, quoted(text));
    case Kind::MouseInsert:
        return QStringLiteral("%1: mouse paste inserts %2").arg(target, quoted(text));
    case Kind::SetText:
        return QStringLiteral("%1: mouse paste sets %2").arg(target, quoted(text));
    case Kind::Clear:
        return QStringLiteral("Clear");
    }
    return {};
}

InputAction InputAction::character(char c) {
    InputAction a{Kind::Char};
    a.ch = c;
    return a;
}

InputAction InputAction::pressKey(int key, Qt::KeyboardModifiers modifiers) {
    InputAction a{Kind::Key};
    a.key = key;
    a.modifiers = modifiers;
    return a;
}

InputAction InputAction::at(Kind kind, const QString& target, const QString& text) {
    InputAction a{kind};
    a.target = target;
    a.text = text;
    return a;
}

InputAction RandomInput::key() {
    static const char kChars[] = "0123456789..--aeEx +,";
    static const std::pair<int, Qt::KeyboardModifiers> kKeys[] = {
        {Qt::Key_Return, Qt::NoModifier},    {Qt::Key_Enter, Qt::KeypadModifier},
        {Qt::Key_Backspace, Qt::NoModifier}, {Qt::Key_Delete, Qt::NoModifier},
        {Qt::Key_Left, Qt::NoModifier},      {Qt::Key_Right, Qt::NoModifier},
        {Qt::Key_Home, Qt::NoModifier},      {Qt::Key_End, Qt::NoModifier},
        {Qt::Key_Up, Qt::NoModifier},        {Qt::Key_Down, Qt::NoModifier},
        {Qt::Key_Tab, Qt::NoModifier},       {Qt::Key_Backtab, Qt::ShiftModifier},
        {Qt::Key_Escape, Qt::NoModifier},    {Qt::Key_Shift, Qt::NoModifier},
        {Qt::Key_V, Qt::ControlModifier},    {Qt::Key_C, Qt::ControlModifier},
        {Qt::Key_X, Qt::ControlModifier},    {Qt::Key_Z, Qt::ControlModifier},
        {Qt::Key_A, Qt::ControlModifier},    {Qt::Key_Delete, Qt::ShiftModifier},
        {Qt::Key_Home, Qt::ShiftModifier},   {Qt::Key_Insert, Qt::ControlModifier},
        {Qt::Key_Space, Qt::NoModifier}};
    if (pick(2) == 0)
        return InputAction::character(kChars[pick(sizeof kChars - 1)]);
    const auto& [key, modifiers] = kKeys[pick(std::size(kKeys))];
    return InputAction::pressKey(key, modifiers);
}

QString RandomInput::text() {
    static const char* const kPieces[] = {
        "1",      "5",      "0",      "9",       ".",      "-",    "+",    "e",    "E",   "e5",
        "e-5",    "e999",   " ",      "\t",      "\n",     ",",    "abc",  "inf",  "nan", "-inf",
        "1e39",   "1e-9",   "0.00",   "99999",   "12.5",   "²",    "°",    "é",    "😀",   "1e300",
        "-60",    "200",    "50",     "3000",    "0.707",  "1.0",  "1e-8", "E+2",  "..",  "--",
        "1e-300", "1e-320", "5e-324", "6000000", "100000", "0.02", "1e8",  "1e308"};
    QString out;
    // Often a single piece, so that each extreme number also comes alone.
    const int pieces = pick(3) == 0 ? 1 : pick(6);
    for (int i = 0; i < pieces; ++i)
        out += QString::fromUtf8(kPieces[pick(std::size(kPieces))]);
    return out;
}

void sendKey(QWidget& widget, const InputAction& action) {
    if (action.kind == InputAction::Kind::Char)
        QTest::keyClick(&widget, action.ch);
    else
        QTest::keyClick(&widget, static_cast<Qt::Key>(action.key), action.modifiers);
}
