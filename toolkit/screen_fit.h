// Windows that keep within their screens at any scale.
#pragma once

class QWidget;

namespace toolkit {

// A window whose form is laid out at fixed places and whose designed size does not fit the
// available area of its screen (a laptop screen at 150 or 200 %) shows its form unchanged in
// a scroll area that fits, so that every control stays within reach of the mouse and the
// keyboard; a window that fits keeps its designed size, and one that does not is given it
// back once it fits again (on a larger screen). Windows laid out by Qt (message boxes, the
// print dialog) fit themselves and are left alone.
void fitToScreen(QWidget& window);

// From now on every window is fitted to its screen when it is shown, when it moves to another
// screen, when its frame becomes known and when its form is replaced.
void fitWindowsToScreens();

// What a window shows of its form: the form itself where it fits, else the scroll area's view.
// The whole form, for printing it, is formOf().
QWidget& formOf(QWidget& window);

} // namespace toolkit
