// The measures the forms were drawn in: twips, points, the layout font.
#pragma once

#include <QApplication>
#include <QFont>
#include <QRect>
#include <QWidget>

namespace toolkit {

// Layouts are measured in twips: 15 twips make one pixel at 96 dots per inch.
constexpr int twips(int t) {
    return t / 15;
}
constexpr QRect twipRect(int left, int top, int width, int height) {
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

// Font sizes are given in points at 96 dots per inch; kept in pixels so that text keeps its
// place in the pixel layout whatever the screen's resolution (9.75 pt is 13 px).
constexpr int pointsToPixels(double points) {
    return static_cast<int>(points * 96 / 72 + 0.5);
}

inline void setFontPoints(QWidget& widget, double points, bool bold = false) {
    QFont f = widget.font();
    f.setPixelSize(pointsToPixels(points));
    f.setBold(bold);
    widget.setFont(f);
}

// The application font: the layout was drawn for a plain sans serif at 9.75 pt, so take the
// nearest one installed. Made from these properties alone: a font made from the default one
// would take whatever else the application font has (a theme's bold or italic).
inline QFont layoutFont() {
    QFont f({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
             QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")},
            -1, QFont::Normal, false);
    f.setPixelSize(pointsToPixels(9.75));
    // The substitutes run wider than the bitmap original; narrow them so captions keep to
    // the places drawn for them.
    f.setStretch(92);
    return f;
}

// Makes the layout font the font of every widget, menus included, and keeps it so: a platform
// theme (qt6ct, KDE's) sets an application font of its own after start-up and whenever the
// user changes it, and class fonts (labels, buttons, menus) besides; each time, the layout
// font is put back. Palettes stay the theme's.
void useLayoutFont();

} // namespace toolkit
