// Lines of a form drawn as thin frames, in the palette's colours.
#include "toolkit/layout_line.h"

#include "toolkit/accessibility.h"
#include "toolkit/form_zoom.h"
#include "toolkit/layout_metrics.h"

#include <QWidget>

#include <algorithm>

namespace toolkit {

void placeLine(QWidget& line, int x1, int y1, int x2, int y2, int width, QColor colour) {
    const int left = twips(std::min(x1, x2));
    const int top = twips(std::min(y1, y2));
    const int right = twips(std::max(x1, x2));
    const int bottom = twips(std::max(y1, y2));
    const bool across = bottom == top;
    placeDesigned(line, across ? QRect(left, top, right - left, width)
                               : QRect(left, top, width, bottom - top));

    QPalette p = line.palette();
    p.setColor(QPalette::Window, colour.isValid() ? colour : p.color(QPalette::WindowText));
    line.setPalette(p);
    line.setAutoFillBackground(true);
    line.setAttribute(Qt::WA_TransparentForMouseEvents);
    line.raise();
    // A drawing only: nothing a screen reader should stop at.
    hideFromAssistiveTechnology(line);
}

} // namespace toolkit
