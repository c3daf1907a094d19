// Printing a window: its client area on one page, on a printer or into a PDF file.
#pragma once

#include <QRectF>
#include <QSizeF>
#include <QString>

class QPagedPaintDevice;
class QPrinter;
class QWidget;

namespace toolkit {

// Paints the widget (a main window: its client area) onto one page of the device, scaled to
// fit the printable area and centred, keeping its proportions. False when the device could
// not be painted on.
bool printWidget(QWidget& widget, QPagedPaintDevice& device);

// Names the document after the window and turns the page to the window's shape: a wide
// window prints across the page.
void preparePage(QPrinter& printer, QWidget& widget);

// Prints the widget on a printer the user has chosen. A PDF file is written whole or not at
// all. Returns "" when printed, or a sentence saying what could not be printed where.
QString printWidgetTo(QWidget& widget, QPrinter& printer);

// Prints on the default printer; where the system has none, asks the user through the
// standard print dialog (a PDF file is one choice). A failure is told in a message box; a
// cancelled dialog changes nothing.
void printWindowInteractive(QWidget& widget);

// Where content of the given size goes on a page: as large as the page allows, keeping its
// proportions, and centred.
QRectF fitCentred(QSizeF content, QRectF page);

} // namespace toolkit
