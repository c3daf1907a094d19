// Printing a window's form on one page.
#include "toolkit/print_window.h"

#include "toolkit/screen_fit.h"

#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>

#include <algorithm>

namespace toolkit {

namespace {

// Layouts are drawn at 96 pixels per inch.
constexpr double kPixelsPerInch = 96;

// A window prints its whole form: a main window's without the menu bar, a form shown in a
// scroll area (on a small screen) whole.
QWidget& clientArea(QWidget& widget) {
    return formOf(widget);
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

// A PDF file goes through a temporary file that replaces the target only once complete.
QString printToPdf(QWidget& widget, QPrinter& printer) {
    const QString name = printer.outputFileName();
    const QString failure =
        QStringLiteral("The page could not be printed to the file %1.").arg(name);
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly))
        return failure;
    QPdfWriter pdf(&file);
    pdf.setPageLayout(printer.pageLayout());
    pdf.setResolution(printer.resolution());
    pdf.setTitle(printer.docName());
    if (!printWidget(widget, pdf)) {
        file.cancelWriting();
        return failure;
    }
    return file.commit() ? QString() : failure;
}

} // namespace

QRectF fitCentred(QSizeF content, QRectF page) {
    if (content.isEmpty() || page.isEmpty())
        return QRectF(page.center(), QSizeF(0, 0));
    const double scale = std::min(page.width() / content.width(), page.height() / content.height());
    const QSizeF size = content * scale;
    return QRectF(page.center() - QPointF(size.width() / 2, size.height() / 2), size);
}

bool printWidget(QWidget& widget, QPagedPaintDevice& device) {
    QWidget& content = clientArea(widget);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const double toDevice = device.logicalDpiX() / kPixelsPerInch;
    const QRectF page(0, 0, device.width(), device.height());
    const QRectF target = fitCentred(QSizeF(content.size()) * toDevice, page);
    if (!target.isEmpty()) {
        // A recording plays back scaled to the device's resolution by itself; what is left
        // is the scale that makes it fill the page.
        const double scale = target.width() / (content.width() * toDevice);
        painter.translate(target.topLeft());
        painter.scale(scale, scale);
        painter.drawPicture(0, 0, recording(content));
    }
    return painter.end();
}

void preparePage(QPrinter& printer, QWidget& widget) {
    const QSize size = clientArea(widget).size();
    printer.setDocName(widget.windowTitle().trimmed());
    printer.setPageOrientation(size.width() > size.height() ? QPageLayout::Landscape
                                                            : QPageLayout::Portrait);
}

QString printWidgetTo(QWidget& widget, QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
        return printToPdf(widget, printer);
    if (printWidget(widget, printer))
        return {};
    return QStringLiteral("The page could not be printed on the printer %1.")
        .arg(printer.printerName());
}

void printWindowInteractive(QWidget& widget) {
    QString failure;
    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (!defaultPrinter.isNull()) {
        QPrinter printer(defaultPrinter, QPrinter::HighResolution);
        preparePage(printer, widget);
        failure = printWidgetTo(widget, printer);
    } else {
        QPrinter printer(QPrinter::HighResolution);
        preparePage(printer, widget);
        QPrintDialog dialog(&printer, &widget);
        if (dialog.exec() == QDialog::Accepted)
            failure = printWidgetTo(widget, printer);
    }
    if (!failure.isEmpty())
        QMessageBox(QMessageBox::Warning, widget.windowTitle(), failure, QMessageBox::Ok, &widget)
            .exec();
}

} // namespace toolkit
