#include "random_session.h"

#include "text_rules.h"

#include "converter/entry_bounds.h"
#include "engine/sigdig.h"
#include "entry/numeric_value.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QGroupBox>

#include <cmath>

using namespace converter;

namespace {

constexpr int kHistory = 40;

const QStringList kFrequencyBoxes = {"txtHZ", "txtCPM"};
const QStringList kAccelerationBoxes = {"txtAccGrms", "txtAccGpk", "txtAdB"};
const QStringList kVelocityBoxes = {"txtVelIPSrms", "txtVelIPSpk", "txtVelMMSrms", "txtVelMMSpk",
                                    "txtVdB"};
const QStringList kDisplacementBoxes = {"txtDispMILSpp", "txtDispMMpk"};
const QStringList kReferenceButtons = {"OptdBUS", "OptdBISO"};

QStringList entryBoxNames() {
    QStringList names;
    for (const char* name : kEntryBoxes)
        names << QLatin1String(name);
    return names;
}
const QStringList kAllBoxes = entryBoxNames();
const QStringList kLevelBoxes = kAllBoxes.mid(2);

// The option button that records the quantity of a level box.
QString optionOf(const QString& box) {
    if (kAccelerationBoxes.contains(box))
        return "optACC";
    if (kVelocityBoxes.contains(box))
        return "optVel";
    return "optDisp";
}

// Half a unit of the last place that sigdig shows for a level.
double sigdigHalfUnit(double level) {
    const std::string_view pattern = engine::sigdigPattern(level);
    const auto decimals = static_cast<int>(pattern.size() - pattern.find('.') - 1);
    return 0.5 * std::pow(10.0, -decimals);
}

} // namespace

RandomSession::RandomSession(std::uint32_t seed) : seed(seed), in(seed) {
    window = fixture.window.get();
}

RandomSession::~RandomSession() {
    if (window && window != fixture.window.get())
        delete window.data();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

toolkit::EntryBox* RandomSession::box(const QString& name) const {
    return window->findChild<toolkit::EntryBox*>(name);
}

QWidget* RandomSession::control(const QString& name) const {
    return window->findChild<QWidget*>(name);
}

std::map<QString, QString> RandomSession::texts() const {
    std::map<QString, QString> out;
    for (const QString& name : kAllBoxes)
        out[name] = box(name)->text();
    return out;
}

RandomRunResult RandomSession::run(int steps) {
    for (int step = 0; step < steps; ++step) {
        if (pending.empty())
            plan();
        InputAction action = pending.front();
        pending.pop_front();

        // Keys go where the focus is; keep it on a box or a reference button, so that no key
        // reaches Exit, Clear or a picture.
        const bool needsBox = action.kind == Kind::ClipboardPaste;
        if (action.isKey() || needsBox) {
            QWidget* focus = QApplication::focusWidget();
            const QString name = focus ? focus->objectName() : QString();
            if (!(kAllBoxes.contains(name) || (!needsBox && kReferenceButtons.contains(name)))) {
                pending.push_front(action);
                action = InputAction::at(Kind::Focus, randomEnabledTarget(needsBox));
            }
        }

        QWidget* focus = QApplication::focusWidget();
        history << action.describe(focus ? focus->objectName() : QStringLiteral("(no focus)"));
        if (history.size() > kHistory)
            history.removeFirst();
        const auto before = texts();
        const Step done = perform(action);
        const QStringList events = fixture.services.take();
        result.messages += static_cast<int>(events.filter("msgbox:").size());
        ++result.steps;
        const QString broken = check(done, before, events);
        if (!broken.isEmpty()) {
            result.failure = QStringLiteral("seed %1, step %2: %3\nlast actions:\n  %4\n%5")
                                 .arg(seed)
                                 .arg(step + 1)
                                 .arg(broken, history.join("\n  "), stateDump());
            break;
        }
    }
    return result;
}

void RandomSession::plan() {
    const int r = in.pick(1000);
    if (r < 5)
        pending.push_back(InputAction{Kind::Clear});
    else if (r < 300)
        planNumber();
    else if (r < 550)
        pending.push_back(in.key());
    else if (r < 760)
        pending.push_back(
            InputAction::at(r < 700 ? Kind::Focus : Kind::Click, randomEnabledTarget(false)));
    else if (r < 900)
        pending.push_back(InputAction::at(r < 820   ? Kind::ClipboardPaste
                                          : r < 860 ? Kind::MouseInsert
                                                    : Kind::SetText,
                                          randomEnabledTarget(true), in.text()));
    else
        pending.push_back(InputAction::pressKey(Qt::Key_Return));
}

// Moves to a box as TAB would and types a number that may fit it, mostly with ENTER.
void RandomSession::planNumber() {
    const QString target = randomEnabledTarget(true);
    pending.push_back(InputAction::at(Kind::Focus, target));
    QString number;
    const bool decibels = target == "txtAdB" || target == "txtVdB";
    if (decibels && in.pick(3) == 0)
        number += '-';
    if (kLevelBoxes.contains(target) && !decibels && in.pick(3) == 0)
        number += "0." + QString(in.pick(8), '0');
    const int digits = 1 + in.pick(decibels ? 3 : 6);
    for (int i = 0; i < digits; ++i)
        number += QChar('0' + in.pick(10));
    if (in.pick(2) == 0)
        number.insert(in.pick(static_cast<int>(number.size()) + 1), '.');
    if (in.pick(10) == 0)
        number.insert(in.pick(static_cast<int>(number.size()) + 1), QChar("x\b-."[in.pick(4)]));
    for (QChar c : number)
        pending.push_back(c == '\b' ? InputAction::pressKey(Qt::Key_Backspace)
                                    : InputAction::character(c.toLatin1()));
    if (in.pick(4) != 0)
        pending.push_back(InputAction::pressKey(Qt::Key_Return));
}

QString RandomSession::randomEnabledTarget(bool boxesOnly) {
    QStringList candidates;
    for (const QString& name : boxesOnly ? kAllBoxes : kAllBoxes + kReferenceButtons)
        if (control(name)->isEnabled())
            candidates << name;
    return candidates.isEmpty() ? QString() : candidates.at(in.pick(candidates.size()));
}

RandomSession::Step RandomSession::perform(const InputAction& action) {
    Step step;
    QWidget* focus = QApplication::focusWidget();
    switch (action.kind) {
    case Kind::Char:
    case Kind::Key: {
        if (!focus)
            return step;
        const QString name = focus->objectName();
        if (kAllBoxes.contains(name)) {
            step.box = name;
            step.enter = action.enter();
            step.userEdit = !action.enter();
            step.reachesKeyPress = action.reachesKeyPress();
        }
        sendKey(*focus, action);
        break;
    }
    case Kind::Focus:
        if (!action.target.isEmpty())
            control(action.target)->setFocus(Qt::TabFocusReason);
        break;
    case Kind::Click:
        if (!action.target.isEmpty())
            QTest::mouseClick(control(action.target), Qt::LeftButton);
        break;
    case Kind::ClipboardPaste:
        if (!focus || !kAllBoxes.contains(focus->objectName()))
            return step;
        step.box = focus->objectName();
        step.userEdit = true;
        step.paste = true;
        QApplication::clipboard()->setText(action.text);
        QTest::keyClick(focus, Qt::Key_Insert, Qt::ShiftModifier);
        break;
    case Kind::MouseInsert:
    case Kind::SetText:
        if (action.target.isEmpty())
            return step;
        step.box = action.target;
        step.userEdit = true;
        step.paste = true;
        if (action.kind == Kind::SetText)
            box(action.target)->setText(action.text);
        else
            box(action.target)->insert(action.text);
        break;
    case Kind::Clear:
        clear();
        step.cleared = true;
        break;
    }
    return step;
}

// Clear closes the window and a freshly loaded one takes its place once the event loop runs.
void RandomSession::clear() {
    const QPointer<Main> old = window;
    QTest::mouseClick(control("Command2"), Qt::LeftButton);
    QElapsedTimer waited;
    waited.start();
    Main* fresh = nullptr;
    while (!fresh && waited.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* m = qobject_cast<Main*>(w); m && m != old && m->isVisible())
                fresh = m;
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    window = fresh;
    if (!fresh)
        return;
    QApplication::setActiveWindow(fresh);
    activeAfterClear = QTest::qWaitForWindowActive(fresh);
    ++result.clears;
    referenceLocked = false;
    authors.clear();
}

QString RandomSession::check(const Step& step, const std::map<QString, QString>& before,
                             const QStringList& events) {
    const auto messages = events.filter("msgbox:").size();
    if (!window || !window->isVisible())
        return "the converter window is gone";
    if (!std::isfinite(window->peakHz) || window->peakHz < 0)
        return QStringLiteral("peakHz is %1").arg(window->peakHz);
    if (step.cleared)
        return checkStartState();

    if (step.reachesKeyPress && kFrequencyBoxes.contains(step.box) && !referenceLocked) {
        referenceLocked = true;
        usAtLock = qobject_cast<QRadioButton*>(control("OptdBUS"))->isChecked();
    }
    if (referenceLocked) {
        if (control("Frame1")->isEnabled())
            return "Frame1 is enabled again after a frequency key";
        if (qobject_cast<QRadioButton*>(control("OptdBUS"))->isChecked() != usAtLock)
            return "the decibel reference changed after a frequency key";
    }

    QString broken = checkOwnTexts(step, before);
    if (broken.isEmpty() && step.enter && kLevelBoxes.contains(step.box))
        broken = checkOwnLevelRefused(step, before, events);
    if (broken.isEmpty() && step.enter && messages == 0) {
        if (kLevelBoxes.contains(step.box))
            broken = checkLevelEnter(step, before);
        else if (kFrequencyBoxes.contains(step.box))
            broken = checkFrequencyEnter(step, before);
    }
    return broken;
}

// Every text the program writes is a plain number (or nothing); what typing adds to it keeps
// to digits, one point and one minus sign.
QString RandomSession::checkOwnTexts(const Step& step, const std::map<QString, QString>& before) {
    for (const QString& name : kAllBoxes) {
        const QString text = box(name)->text();
        const bool byUser = step.userEdit && name == step.box;
        const QString fault =
            authors.record(name, text, before.at(name), byUser, step.paste, plainNumber);
        if (!fault.isEmpty())
            return fault;
    }
    return {};
}

// ENTER checks only the lower bound of what a box holds; a level the program wrote itself
// converts again, even above the largest that typing reaches (14140.0 g peak for 10000 g rms).
QString RandomSession::checkOwnLevelRefused(const Step& step,
                                            const std::map<QString, QString>& before,
                                            const QStringList& events) {
    const entry::EntryBounds bounds = step.box == "txtAdB" || step.box == "txtVdB" ? kDecibelBounds
                                      : step.box == "txtDispMMpk"                  ? kLevelMmBounds
                                                                                   : kLevelBounds;
    const QString rangeMessage =
        QStringLiteral("msgbox:%1|%2")
            .arg(entry::kInputErrorTitle,
                 QString::fromStdString(entry::rangeMessage(bounds.minval, bounds.maxval)));
    const QString text = before.at(step.box);
    const auto own = authors.written.find(step.box);
    if (events.contains(rangeMessage) && own != authors.written.end() && own->second == text &&
        valueOf(text) >= bounds.minval)
        return QStringLiteral("ENTER on the program's own %1 in %2 is refused")
            .arg(quoted(text), step.box);
    return {};
}

QString RandomSession::checkLevelEnter(const Step& step, const std::map<QString, QString>& before) {
    ++result.levelEnters;
    for (const QString& name : kAllBoxes)
        if (!box(name)->isEnabled())
            return QStringLiteral("after ENTER in %1, %2 is disabled").arg(step.box, name);
    for (const QString& name : kLevelBoxes)
        if (!plainNumber(box(name)->text()))
            return QStringLiteral("after ENTER in %1, %2 shows %3")
                .arg(step.box, name, quoted(box(name)->text()));
    if (!qobject_cast<QRadioButton*>(control(optionOf(step.box)))->isChecked())
        return QStringLiteral("after ENTER in %1, %2 is not selected")
            .arg(step.box, optionOf(step.box));
    // The box shows the level as typed, in the display format.
    const double typed = valueOf(before.at(step.box));
    const double shown = valueOf(box(step.box)->text());
    const double slack = std::max(sigdigHalfUnit(typed), sigdigHalfUnit(shown)) * (1 + 1e-9) +
                         1e-12 * std::fabs(typed);
    if (std::fabs(shown - typed) > slack)
        return QStringLiteral("ENTER on %1 in %2 shows %3")
            .arg(quoted(before.at(step.box)), step.box, quoted(box(step.box)->text()));
    return {};
}

QString RandomSession::checkFrequencyEnter(const Step& step,
                                           const std::map<QString, QString>& before) {
    ++result.frequencyEnters;
    const QString hzText = box("txtHZ")->text();
    const QString cpmText = box("txtCPM")->text();
    if (!plainNumber(hzText) || !plainNumber(cpmText))
        return QStringLiteral("after ENTER in %1 the frequency boxes show %2 and %3")
            .arg(step.box, quoted(hzText), quoted(cpmText));
    for (const QString& name : kAllBoxes)
        if (!box(name)->isEnabled())
            return QStringLiteral("after ENTER in %1, %2 is disabled").arg(step.box, name);
    const double typed = valueOf(before.at(step.box));
    const float expected = step.box == "txtHZ"
                               ? static_cast<float>(typed)
                               : static_cast<float>(valueOf(QString::number(typed / 60, 'g', 15)));
    if (window->peakHz != expected)
        return QStringLiteral("ENTER on %1 in %2 sets peakHz %3, expected %4")
            .arg(quoted(before.at(step.box)), step.box)
            .arg(window->peakHz, 0, 'g', 9)
            .arg(expected, 0, 'g', 9);
    const double hz = valueOf(hzText);
    const double cpm = valueOf(cpmText);
    const double cpmUlp = std::nextafter(static_cast<float>(cpm), 1e30f) - static_cast<float>(cpm);
    if (std::fabs(hz - window->peakHz) > 0.005 + 1e-7 * hz ||
        std::fabs(cpm - hz * 60) > 0.305 + cpmUlp)
        return QStringLiteral("the frequency boxes disagree: %1 Hz, %2 CPM (peakHz %3)")
            .arg(hzText, cpmText)
            .arg(window->peakHz, 0, 'g', 9);

    // The quantity entered last keeps its boxes; the other two are derived again.
    QStringList kept;
    if (qobject_cast<QRadioButton*>(control("optACC"))->isChecked())
        kept = kAccelerationBoxes;
    else if (qobject_cast<QRadioButton*>(control("optVel"))->isChecked())
        kept = kVelocityBoxes;
    else if (qobject_cast<QRadioButton*>(control("optDisp"))->isChecked())
        kept = kDisplacementBoxes;
    else
        return {};
    for (const QString& name : kLevelBoxes) {
        const QString text = box(name)->text();
        if (kept.contains(name) && text != before.at(name))
            return QStringLiteral("frequency ENTER changed %1 of the entered quantity to %2")
                .arg(name, quoted(text));
        if (!kept.contains(name) && !plainNumber(text))
            return QStringLiteral("frequency ENTER left %1 showing %2").arg(name, quoted(text));
    }
    return {};
}

QString RandomSession::checkStartState() {
    if (!activeAfterClear)
        return "the window rebuilt by Clear did not become active";
    for (const QString& name : kAllBoxes) {
        if (!box(name)->text().isEmpty())
            return QStringLiteral("after Clear %1 shows %2").arg(name, quoted(box(name)->text()));
        if (box(name)->isEnabled() != kFrequencyBoxes.contains(name))
            return QStringLiteral("after Clear %1 is %2")
                .arg(name, box(name)->isEnabled() ? "on" : "off");
    }
    if (!control("Frame1")->isEnabled() ||
        !qobject_cast<QRadioButton*>(control("OptdBUS"))->isChecked())
        return "after Clear the US reference is not selected and free";
    if (window->peakHz != 0)
        return "after Clear peakHz is not 0";
    return {};
}

QString RandomSession::stateDump() const {
    if (!window)
        return "(no window)";
    QStringList lines;
    for (const QString& name : kAllBoxes)
        lines << QStringLiteral("  %1 %2 %3")
                     .arg(name, -14)
                     .arg(box(name)->isEnabled() ? "on " : "off")
                     .arg(quoted(box(name)->text()));
    QStringList options;
    for (const char* name : {"optACC", "optVel", "optDisp", "OptdBUS", "OptdBISO"})
        if (qobject_cast<QRadioButton*>(control(name))->isChecked())
            options << name;
    lines << QStringLiteral("  Frame1 %1, selected: %2, peakHz %3")
                 .arg(control("Frame1")->isEnabled() ? "on" : "off", options.join(' '))
                 .arg(window->peakHz, 0, 'g', 9);
    return lines.join('\n');
}
