// Lines of a form, placed in twips as the layouts give them.
#pragma once

#include <QColor>

class QWidget;

namespace toolkit {

// Turns an empty frame of a form into one of the layout's lines, given as the layouts give
// them: from (x1, y1) to (x2, y2) in twips, `width` pixels wide, in one colour. Lines run
// across or down. A line across covers the pixel rows y .. y + width - 1 (a line down the
// columns x .. x + width - 1), so lines laid a pixel apart, as in an etched edge, stay apart.
// An invalid colour stands for the window's text colour, the usual colour of a line. The line
// takes no clicks: they reach whatever lies beneath it.
void placeLine(QWidget& line, int x1, int y1, int x2, int y2, int width, QColor colour = {});

} // namespace toolkit
