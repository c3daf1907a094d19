// Forms drawn larger for the user's text size and View > Zoom.
#pragma once

class QFont;
class QRect;
class QWidget;

namespace toolkit {

// How much larger than designed every form is drawn: the desktop's text size against the
// standard 10 pt (never smaller than designed), times the user's own choice of zoom. 1 at the
// standard size.
double formZoom();

// The desktop's default font, as its theme sets it: the forms follow its size.
void followDesktopText(const QFont& desktopFont);

// The user's zoom, one step larger (+1), smaller (-1), or back to the desktop's text size (0);
// kept between runs.
void stepZoom(int step);

// From now on every window whose form is laid out at fixed places is drawn at formZoom() as one
// drawing (places, sizes, fonts and pictures together), when it is first shown, when its form
// is replaced and whenever the zoom changes. At a zoom of 1 nothing is touched.
void zoomForms();

// Places a widget of a form where the form puts it at its designed size, and where the zoom
// puts it from now on.
void placeDesigned(QWidget& widget, const QRect& designed);

} // namespace toolkit
