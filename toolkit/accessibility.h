// What screen readers learn of the windows beyond Qt's own: spoken announcements, the controls
// they should not see, and what a control that opens something is.
#pragma once

class QAccessibleInterface;
class QObject;
class QString;
class QWidget;

namespace toolkit {

// Has a screen reader say `text` once, now, while the focus stays on `focused` (the control
// that has it). Qt 6.4 has no announcement of its own, and screen readers speak no changes of
// controls without the focus; they do speak a new description of the control they are on (Orca
// presents it as a message). The text goes out as such a change, sent on the accessibility bus
// from the control itself; the control's own description is sent again once the focus has
// moved on, so that screen readers do not read the announcement with the control later.
void announce(QWidget& focused, const QString& text);

// Keeps a control that is never shown, or a mere drawing (a line), out of what screen readers
// see, with everything inside it. For children of plain containers and dialogs.
void hideFromAssistiveTechnology(QWidget& widget);

// What screen readers see of a control that shows a picture or a text and reports clicks with
// a clicked() signal: a link they can press (the press emits clicked()) while `opens` says the
// control opens something, else an image. A control's own unit hands it to Qt for its class;
// a label's text is its name unless it has an accessible name.
using OpensSomething = bool (*)(const QObject& control);
QAccessibleInterface* clickableInterface(QWidget& control, OpensSomething opens);

} // namespace toolkit
