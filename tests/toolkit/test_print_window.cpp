// Printing a window: one page, the window centred at its screen size or reduced to fit.
#include "toolkit/print_window.h"

#include "recording_services.h"
#include "secondary_windows.h"
#include "toolkit/twips.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

QByteArray printToPdf(QWidget& widget, const QString& file, bool* ok) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    *ok = toolkit::printWidget(widget, printer);
    QFile pdf(file);
    return pdf.open(QIODevice::ReadOnly) ? pdf.readAll() : QByteArray();
}

} // namespace

class TestPrintWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { toolkit::useLayoutFont(); }

    void fitCentred_data() {
        QTest::addColumn<QSizeF>("content");
        QTest::addColumn<QRectF>("page");
        QTest::addColumn<QRectF>("expected");
        const QRectF page(0, 0, 1000, 1000);
        QTest::newRow("small: enlarged to the width")
            << QSizeF(100, 50) << page << QRectF(0, 250, 1000, 500);
        QTest::newRow("too wide: reduced to the width")
            << QSizeF(2000, 500) << page << QRectF(0, 375, 1000, 250);
        QTest::newRow("too tall, page off the origin")
            << QSizeF(500, 2000) << QRectF(10, 20, 1000, 1000) << QRectF(385, 20, 250, 1000);
        QTest::newRow("exactly the page") << QSizeF(1000, 1000) << page << page;
        QTest::newRow("nothing to print") << QSizeF(0, 0) << page << QRectF(500, 500, 0, 0);
    }
    void fitCentred() {
        QFETCH(QSizeF, content);
        QFETCH(QRectF, page);
        QFETCH(QRectF, expected);
        QCOMPARE(toolkit::fitCentred(content, page), expected);
    }

    void eachWindowPrintsOnOnePage_data() {
        QTest::addColumn<QString>("window");
        for (const char* name : {"Temperature", "Help", "tutorial", "frmAbout", "Contact"})
            QTest::newRow(name) << name;
    }
    void eachWindowPrintsOnOnePage() {
        QFETCH(QString, window);
        RecordingServices services;
        std::unique_ptr<QWidget> w = makeSecondaryWindow(window, services);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        const QRect before = w->geometry();
        QTemporaryDir dir;
        bool ok = false;
        const QByteArray pdf = printToPdf(*w, dir.filePath("page.pdf"), &ok);
        QVERIFY(ok);
        QVERIFY(pdf.startsWith("%PDF-"));
        QVERIFY(pdf.contains("/Count 1\n") || pdf.contains("/Count 1 "));
        // Drawn as vector graphics, not one page-sized bitmap: the file stays small.
        QVERIFY2(pdf.size() < 200000, qPrintable(QString::number(pdf.size())));
        QVERIFY(w->isVisible());
        QCOMPARE(w->geometry(), before);
        QCOMPARE(services.events, QStringList());
    }

    // A main window prints its client area: the same page as its central widget alone.
    void mainWindowPrintsItsClientArea() {
        QMainWindow main;
        main.menuBar()->addMenu(QStringLiteral("&File"));
        auto* client = new QLabel(QStringLiteral("client area"));
        client->setFixedSize(300, 200);
        main.setCentralWidget(client);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        QTemporaryDir dir;
        bool ok = false;
        const QByteArray whole = printToPdf(main, dir.filePath("main.pdf"), &ok);
        QVERIFY(ok);
        const QByteArray alone = printToPdf(*client, dir.filePath("client.pdf"), &ok);
        QVERIFY(ok);
        QCOMPARE(whole.size(), alone.size());
    }

    void unwritablePrinterReportsFailure() {
        QLabel label(QStringLiteral("x"));
        label.resize(50, 20);
        QTemporaryDir dir;
        bool ok = true;
        printToPdf(label, dir.filePath("missing/folder/page.pdf"), &ok);
        QVERIFY(!ok);
    }

    // Cancelling the print dialog prints nothing and leaves the window as it was.
    void cancelledDialogChangesNothing() {
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("a default printer exists: printing would not ask");
        RecordingServices services;
        Help w(services);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QRect before = w.geometry();
        bool asked = false;
        QTimer::singleShot(0, [&] {
            if (QWidget* dialog = QApplication::activeModalWidget(); dialog && dialog != &w) {
                asked = true;
                dialog->close();
            }
        });
        toolkit::printWindowInteractive(w);
        QVERIFY(asked);
        QVERIFY(w.isVisible());
        QCOMPARE(w.geometry(), before);
    }
};

QTEST_MAIN(TestPrintWindow)
#include "test_print_window.moc"
