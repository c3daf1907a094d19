#include "temperature_session.h"

#include "text_rules.h"

#include "engine/display_format.h"
#include "toolkit/entrybox.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

namespace {

constexpr int kHistory = 40;
// The lower bound the key filter holds typed temperatures to.
constexpr double kTemperatureMin = -100000;
const QStringList kBoxes = {"degF", "degC"};

QString otherBox(const QString& name) {
    return name == "degF" ? "degC" : "degF";
}

// What the other box shows for the text of `source`, worked out here on its own.
QString expectedConversion(const QString& source, const QString& text) {
    const double t = valueOf(text);
    const double converted = source == "degC" ? t * 9 / 5 + 32 : (t - 32) * 5 / 9;
    return QString::fromStdString(engine::formatPattern(converted, "###0.0"));
}

bool oneDecimal(const QString& text) {
    return plainNumber(text) && text.indexOf('.') == text.size() - 2;
}

} // namespace

TemperatureSession::TemperatureSession(std::uint32_t seed) : seed(seed), in(seed) {
    window.show();
    QApplication::setActiveWindow(&window);
    if (!QTest::qWaitForWindowActive(&window))
        result.failure = "the temperature window did not become active";
}

toolkit::EntryBox* TemperatureSession::box(const QString& name) const {
    return window.findChild<toolkit::EntryBox*>(name);
}

QString TemperatureSession::focused() const {
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString();
}

TemperatureRunResult TemperatureSession::run(int steps) {
    for (int step = 0; step < steps && result.failure.isEmpty(); ++step) {
        if (pending.empty())
            plan();
        const InputAction action = redirected(pending.front());
        if (action.kind == pending.front().kind)
            pending.pop_front();

        history << action.describe(focused());
        if (history.size() > kHistory)
            history.removeFirst();
        const QString focusBefore = focused();
        std::map<QString, QString> before;
        for (const QString& name : kBoxes)
            before[name] = box(name)->text();
        bool paste = false;
        const QString target = perform(action, paste);
        const QStringList events = services.take();
        const auto messages = static_cast<int>(events.filter("msgbox:").size());
        result.messages += messages;
        ++result.steps;
        const QString broken = check(action, target, paste, focusBefore, before, messages);
        if (!broken.isEmpty())
            result.failure = QStringLiteral("seed %1, step %2: %3\nlast actions:\n  %4\n"
                                            "  degF %5, degC %6, focus %7")
                                 .arg(seed)
                                 .arg(step + 1)
                                 .arg(broken, history.join("\n  "), quoted(box("degF")->text()),
                                      quoted(box("degC")->text()), focused());
    }
    return result;
}

void TemperatureSession::plan() {
    const int r = in.pick(100);
    const QString target = kBoxes.at(in.pick(2));
    if (r < 35) {
        pending.push_back(InputAction::at(Kind::Focus, target));
        QString number = in.pick(3) == 0 ? "-" : "";
        for (int i = 1 + in.pick(6); i > 0; --i)
            number += QChar('0' + in.pick(10));
        if (in.pick(2) == 0)
            number.insert(in.pick(static_cast<int>(number.size()) + 1), '.');
        for (QChar c : number)
            pending.push_back(InputAction::character(c.toLatin1()));
        const int end = in.pick(10);
        if (end < 6)
            pending.push_back(InputAction::pressKey(Qt::Key_Return));
        else if (end < 8)
            pending.push_back(end == 6 ? InputAction::pressKey(Qt::Key_Tab)
                                       : InputAction::pressKey(Qt::Key_Backtab, Qt::ShiftModifier));
    } else if (r < 60) {
        pending.push_back(in.key());
    } else if (r < 75) {
        pending.push_back(
            InputAction::at(Kind::Focus, in.pick(4) == 0 ? QStringLiteral("Picture1") : target));
    } else if (r < 85) {
        pending.push_back(InputAction::at(r < 80   ? Kind::ClipboardPaste
                                          : r < 83 ? Kind::MouseInsert
                                                   : Kind::SetText,
                                          target, in.text()));
    } else if (r < 90) {
        pending.push_back(InputAction::at(Kind::Click, QStringLiteral("Command2"))); // print
    } else {
        pending.push_back(InputAction::pressKey(Qt::Key_Return));
    }
}

// Keys and clipboard pastes go where the focus is: keep it in a box, away from "Ok".
InputAction TemperatureSession::redirected(const InputAction& action) {
    const bool toFocus = action.isKey() || action.kind == Kind::ClipboardPaste;
    if (toFocus && !kBoxes.contains(focused()))
        return InputAction::at(Kind::Focus, kBoxes.at(in.pick(2)));
    return action;
}

// Returns the box that the action typed or pasted into, if any.
QString TemperatureSession::perform(const InputAction& action, bool& paste) {
    QWidget* focus = QApplication::focusWidget();
    switch (action.kind) {
    case Kind::Char:
    case Kind::Key:
        sendKey(*focus, action);
        return focus->objectName();
    case Kind::Focus:
        window.findChild<QWidget*>(action.target)->setFocus(Qt::TabFocusReason);
        return {};
    case Kind::Click:
        QTest::mouseClick(window.findChild<QWidget*>(action.target), Qt::LeftButton);
        return {};
    case Kind::ClipboardPaste:
        paste = true;
        QApplication::clipboard()->setText(action.text);
        QTest::keyClick(focus, Qt::Key_Insert, Qt::ShiftModifier);
        return focus->objectName();
    case Kind::MouseInsert:
    case Kind::SetText:
        paste = true;
        if (action.kind == Kind::SetText)
            box(action.target)->setText(action.text);
        else
            box(action.target)->insert(action.text);
        return action.target;
    case Kind::Clear:
        break;
    }
    return {};
}

QString TemperatureSession::check(const InputAction& action, const QString& box, bool paste,
                                  const QString& focusBefore,
                                  const std::map<QString, QString>& before, int messages) {
    if (!window.isVisible())
        return "the temperature window closed";
    const bool typed = action.isKey() && !action.enter();
    for (const QString& name : kBoxes) {
        const QString text = this->box(name)->text();
        const QString fault = authors.record(name, text, before.at(name),
                                             name == box && (typed || paste), paste, oneDecimal);
        if (!fault.isEmpty())
            return fault;
    }
    if (kBoxes.contains(box) && action.reachesKeyPress() && !action.enter() &&
        !this->box(otherBox(box))->text().isEmpty())
        return QStringLiteral("a key in %1 left %2 showing %3")
            .arg(box, otherBox(box), quoted(this->box(otherBox(box))->text()));
    if (kBoxes.contains(box) && action.enter())
        return messages == 0 ? checkConversion(box, before.at(box))
                             : checkRefusal(box, before.at(box), "ENTER");
    // Leaving a box that holds text converts it.
    if (kBoxes.contains(focusBefore) && focused() != focusBefore &&
        !this->box(focusBefore)->text().isEmpty()) {
        const QString text = this->box(focusBefore)->text();
        return messages == 0 ? checkConversion(focusBefore, text)
                             : checkRefusal(focusBefore, text, "leaving");
    }
    return {};
}

// A conversion may be refused for what the user put into a box, not for the window's own
// result: that one the key filter would pass at ENTER (it is not below the lower bound), and
// leaving the box converts it.
QString TemperatureSession::checkRefusal(const QString& source, const QString& sourceText,
                                         const char* how) {
    const auto own = authors.written.find(source);
    if (own == authors.written.end() || own->second != sourceText)
        return {};
    if (QByteArray(how) == "ENTER" && valueOf(sourceText) < kTemperatureMin)
        return {};
    return QStringLiteral("%1 %2 holding the window's own %3 brings a message")
        .arg(how, source, quoted(sourceText));
}

QString TemperatureSession::checkConversion(const QString& source, const QString& sourceText) {
    ++result.conversions;
    const QString shown = box(otherBox(source))->text();
    const QString expected = expectedConversion(source, sourceText);
    if (!oneDecimal(shown) || shown != expected)
        return QStringLiteral("%1 holding %2 converts to %3, expected %4")
            .arg(source, quoted(sourceText), quoted(shown), quoted(expected));
    return {};
}
