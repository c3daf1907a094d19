#pragma once

#include <QRectF>
#include <QSizeF>

class QPrinter;
class QWidget;

namespace toolkit {

// Paints the widget onto one page of the printer, scaled to fit the printable area and
// centred, keeping its proportions. Returns false when the printer could not be opened.
bool printWidget(QWidget& widget, QPrinter& printer);

// Prints on the default printer; where the system has none, asks the user through the
// standard print dialog (a PDF file is one choice). Never throws, never blocks on failure.
void printWindowInteractive(QWidget& widget);

// Where content of the given size goes on a page: as large as the page allows, keeping its
// proportions, and centred.
QRectF fitCentred(QSizeF content, QRectF page);

} // namespace toolkit
