#pragma once
// What screen readers learn of the windows beyond Qt's own: spoken announcements, the controls
// they should not see, and the roles of the toolkit's own controls.

class QString;
class QWidget;

namespace toolkit {

// Has a screen reader say `text` once, now, while the focus stays on `focused` (the control
// that has it). Qt 6.4 has no announcement of its own, and screen readers speak no changes of
// controls without the focus: the text goes out as a change of the focused control's
// description, which a screen reader speaks at once (Orca presents a description change of
// the object it is on as a message). The control's own description is back once the focus has
// moved on, so that it is not read again with the control later.
void announce(QWidget& focused, const QString& text);

// Keeps a control that is never shown, or a mere drawing (a line), out of what screen readers
// see, with everything inside it. For children of plain containers and dialogs.
void hideFromAssistiveTechnology(QWidget& widget);

// Lets the toolkit's controls tell screen readers what they are (pictures, links) and what
// hideFromAssistiveTechnology() hides stay hidden. Idempotent; the toolkit's controls call it.
void installAccessibleInterfaces();

} // namespace toolkit
