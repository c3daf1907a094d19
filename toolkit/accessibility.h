// What screen readers learn of the windows beyond Qt's own: spoken announcements, the controls
// they should not see, and the roles of the toolkit's own controls.
#pragma once

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

// Lets the toolkit's controls tell screen readers what they are (pictures, links) and what
// hideFromAssistiveTechnology() hides stay hidden. Idempotent; the toolkit's controls call it.
void installAccessibleInterfaces();

} // namespace toolkit
