// Placing windows centred over an area, beside another window, and within the screen.
#pragma once

class QPoint;
class QRect;
class QSize;
class QWidget;

namespace toolkit {

// Moves a top-level window so that it is centred on `area` where it fits, and always keeps
// its top-left corner, title bar and menus inside the screen's available area.
void placeCentred(QWidget& window, const QRect& area);

// The same, centred on the available area of the screen the window is on.
void placeOnScreen(QWidget& window);

// Where a window whose frame is `size` goes so that `owner` (a frame) stays in view: right of
// it, else left of it, else below it, the first that lies wholly within `available`; where
// none does, the place within `available` that covers the least of `owner`. A window larger
// than `available` keeps its top-left corner inside it.
QPoint besideOwner(const QSize& size, const QRect& owner, const QRect& available);

// Moves a top-level window beside `owner`, within the available area of the owner's screen.
void placeBeside(QWidget& window, const QWidget& owner);

} // namespace toolkit
