// Placing windows centred over an area, beside another window, and within the screen.
#include "toolkit/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <initializer_list>

namespace toolkit {
namespace {

// `value` within [low, high]; where the range is empty, `low` wins (the top-left corner).
int within(int value, int low, int high) {
    return std::max(std::min(value, high), low);
}

qint64 covered(const QRect& window, const QRect& owner) {
    const QRect both = window.intersected(owner);
    return both.isEmpty() ? 0 : qint64(both.width()) * both.height();
}

// The frame's size; before the window is first shown the frame is not known yet.
QSize frameSize(const QWidget& window) {
    return window.frameGeometry().size().expandedTo(window.size());
}

} // namespace

void placeCentred(QWidget& window, const QRect& area) {
    QScreen* screen = QGuiApplication::screenAt(area.center());
    if (!screen)
        screen = window.screen();
    const QRect available = screen->availableGeometry();
    const QSize size = frameSize(window);
    const QPoint topLeft = area.center() - QRect(QPoint(), size).center();
    window.move(within(topLeft.x(), available.left(), available.right() + 1 - size.width()),
                within(topLeft.y(), available.top(), available.bottom() + 1 - size.height()));
}

void placeOnScreen(QWidget& window) {
    placeCentred(window, window.screen()->availableGeometry());
}

QPoint besideOwner(const QSize& size, const QRect& owner, const QRect& available) {
    const int lastX = available.right() + 1 - size.width();
    const int lastY = available.bottom() + 1 - size.height();
    const int alignedX = within(owner.left(), available.left(), lastX);
    const int alignedY = within(owner.top(), available.top(), lastY);
    for (const QPoint beside :
         {QPoint(owner.right() + 1, alignedY), QPoint(owner.left() - size.width(), alignedY),
          QPoint(alignedX, owner.bottom() + 1)})
        if (available.contains(QRect(beside, size)))
            return beside;
    // Against the screen's edges or aligned with the owner; the first of equals wins, so the
    // right comes before the left and below.
    QPoint best(within(lastX, available.left(), lastX), alignedY);
    for (const int x : {lastX, available.left(), alignedX})
        for (const int y : {alignedY, lastY, available.top()}) {
            const QPoint place(within(x, available.left(), lastX),
                               within(y, available.top(), lastY));
            if (covered(QRect(place, size), owner) < covered(QRect(best, size), owner))
                best = place;
        }
    return best;
}

void placeBeside(QWidget& window, const QWidget& owner) {
    const QRect frame = owner.frameGeometry();
    QScreen* screen = QGuiApplication::screenAt(frame.center());
    if (!screen)
        screen = owner.screen();
    // Before the window is first shown its frame is not known yet: the owner's is alike.
    const QSize size = window.frameGeometry() == window.geometry()
                           ? window.size() + frame.size() - owner.size()
                           : frameSize(window);
    window.move(besideOwner(size, frame, screen->availableGeometry()));
}

} // namespace toolkit
