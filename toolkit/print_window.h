#pragma once

class QPrinter;
class QWidget;

namespace toolkit {

// Paints the widget onto one page of the printer, scaled to fit the printable area and
// centred, keeping its proportions. Returns false when the printer could not be opened.
bool printWidget(QWidget& widget, QPrinter& printer);

// Prints on the default printer; where the system has none, asks the user through the
// standard print dialog (a PDF file is one choice). Never throws, never blocks on failure.
void printWindowInteractive(QWidget& widget);

} // namespace toolkit
