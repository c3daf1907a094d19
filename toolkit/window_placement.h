// Placing windows centred over an area and within the screen.
#pragma once

class QRect;
class QWidget;

namespace toolkit {

// Moves a top-level window so that it is centred on `area` where it fits, and always keeps
// its top-left corner, title bar and menus inside the screen's available area.
void placeCentred(QWidget& window, const QRect& area);

// The same, centred on the available area of the screen the window is on.
void placeOnScreen(QWidget& window);

} // namespace toolkit
