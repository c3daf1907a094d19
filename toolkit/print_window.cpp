#include "toolkit/print_window.h"

#include <QMainWindow>
#include <QPainter>
#include <QPicture>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>

namespace toolkit {

namespace {

// Layouts are drawn at 96 pixels per inch.
constexpr double kPixelsPerInch = 96;

// A main window prints its client area, without menu bar.
QWidget& clientArea(QWidget& widget) {
    if (auto* main = qobject_cast<QMainWindow*>(&widget); main && main->centralWidget())
        return *main->centralWidget();
    return widget;
}

// What the widget paints, recorded as drawing commands. Rendered straight onto a printer, a
// widget would arrive as one bitmap; replayed from a recording its text and lines stay vector.
QPicture recording(QWidget& widget) {
    QPicture picture;
    QPainter recorder(&picture);
    widget.render(&recorder, QPoint(), QRegion(),
                  QWidget::DrawWindowBackground | QWidget::DrawChildren);
    recorder.end();
    return picture;
}

void preparePage(QPrinter& printer, QWidget& widget) {
    const QSize size = clientArea(widget).size();
    printer.setDocName(widget.windowTitle().trimmed());
    printer.setPageOrientation(size.width() > size.height() ? QPageLayout::Landscape
                                                            : QPageLayout::Portrait);
}

} // namespace

QRectF fitCentred(QSizeF content, QRectF page) {
    if (content.isEmpty() || page.isEmpty())
        return QRectF(page.center(), QSizeF(0, 0));
    const double scale = std::min(page.width() / content.width(), page.height() / content.height());
    const QSizeF size = content * scale;
    return QRectF(page.center() - QPointF(size.width() / 2, size.height() / 2), size);
}

bool printWidget(QWidget& widget, QPrinter& printer) {
    QWidget& content = clientArea(widget);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const double toDevice = printer.resolution() / kPixelsPerInch;
    const QRectF page(0, 0, printer.width(), printer.height());
    const QRectF target = fitCentred(QSizeF(content.size()) * toDevice, page);
    if (!target.isEmpty()) {
        // A recording plays back scaled to the printer's resolution by itself; what is left
        // is the scale that makes it fill the page.
        const double scale = target.width() / (content.width() * toDevice);
        painter.translate(target.topLeft());
        painter.scale(scale, scale);
        painter.drawPicture(0, 0, recording(content));
    }
    return painter.end();
}

void printWindowInteractive(QWidget& widget) {
    try {
        const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
        if (!defaultPrinter.isNull()) {
            QPrinter printer(defaultPrinter, QPrinter::HighResolution);
            preparePage(printer, widget);
            printWidget(widget, printer);
            return;
        }
        QPrinter printer(QPrinter::HighResolution);
        preparePage(printer, widget);
        QPrintDialog dialog(&printer, &widget);
        if (dialog.exec() == QDialog::Accepted)
            printWidget(widget, printer);
    } catch (...) {
        // A print that fails leaves the window as it was; there is nothing to tell the user.
    }
}

} // namespace toolkit
