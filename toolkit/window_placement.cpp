// Placing windows centred over an area and within the screen.
#include "toolkit/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace toolkit {

void placeCentred(QWidget& window, const QRect& area) {
    QScreen* screen = QGuiApplication::screenAt(area.center());
    if (!screen)
        screen = window.screen();
    const QRect available = screen->availableGeometry();
    const QSize size = window.frameGeometry().size().expandedTo(window.size());
    QPoint topLeft = area.center() - QRect(QPoint(), size).center();
    // Where the window does not fit, its top-left corner wins over its other edges.
    topLeft.setX(
        std::max(std::min(topLeft.x(), available.right() + 1 - size.width()), available.left()));
    topLeft.setY(
        std::max(std::min(topLeft.y(), available.bottom() + 1 - size.height()), available.top()));
    window.move(topLeft);
}

void placeOnScreen(QWidget& window) {
    placeCentred(window, window.screen()->availableGeometry());
}

} // namespace toolkit
