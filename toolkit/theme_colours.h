// Theme colours: contrast, dark palettes, and following the desktop's palette as it changes.
#pragma once

#include <QColor>

#include <functional>

class QObject;
class QPalette;
class QWidget;

// The windows were drawn for a light palette: blue text and lines, a teal page, pictures with
// dark text on a transparent ground. Under a dark palette (a dark window with light text)
// these colours are turned into ones that read; under a light palette they stay as drawn.
namespace toolkit {

// WCAG 2 contrast ratio of two colours: from 1 (same luminance) to 21 (black on white).
double contrastRatio(const QColor& a, const QColor& b);

// The least contrast at which text reads: WCAG level AA for text of normal size.
inline constexpr double kReadableContrast = 4.5;

// A dark theme's palette: its window text lighter than its window.
bool isDark(const QPalette& palette);

// A text or line colour drawn for the light palette, as shown on `background`: unchanged
// where it reads; otherwise its lightness mirrored (black becomes white, navy a light blue)
// and moved on away from the background until it reads.
QColor textOn(const QColor& designed, const QColor& background);

// A background drawn for the light palette, as `palette` shows it: unchanged under a light
// palette; under a dark one the same hue as dark as the palette's text boxes, darker still
// until the palette's text reads on it.
QColor backgroundIn(const QColor& designed, const QPalette& palette);

// What lies behind a widget: the colour of the nearest widget, itself included, that paints
// its own background, or of its window.
QColor backdrop(const QWidget& widget);

// Gives a widget's text the colour `designed`, as textOn shows it on the widget's backdrop.
void setTextColour(QWidget& widget, const QColor& designed);

// A picture drawn for a light window (dark text on a transparent ground) gets a light ground
// of its own under a dark palette, and none under a light one.
void keepOnLightGround(QWidget& picture);

// An etched edge: a shadow line over a highlight line. Under a dark palette both are taken
// from `background`, a little darker and a little lighter, instead of the designed pair.
struct Etch {
    QColor shadow;
    QColor highlight;
};
Etch etchOn(const Etch& designed, const QColor& background);

// Runs `apply` now, and again whenever the application's palette changes (the desktop
// switched between light and dark) for as long as `owner` lives (by default the window).
void followPalette(QWidget& window, std::function<void()> apply, QObject* owner = nullptr);

} // namespace toolkit
