// The program's windows: Clear, the one Contact window, Exit, where windows open, printing.
#include "app/program.h"
#include "info/about_dialog.h"
#include "info/contact_window.h"
#include "info/help_window.h"
#include "info/tutorial_window.h"
#include "recording_services.h"
#include "resources/maker.h"
#include "temperature/temperature_window.h"
#include "toolkit/print_window.h"
#include "toolkit/window_placement.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <csignal>
#include <sys/resource.h>

using namespace converter;
using app::Program;

namespace {

// A secondary window, shown and active.
template <class W> QWidget* opened(RecordingServices& services) {
    auto* window = new W(services);
    window->show();
    QApplication::setActiveWindow(window);
    if (!QTest::qWaitForWindowActive(window))
        qFatal("a window never became active");
    return window;
}

int openContactWindows() {
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        n += qobject_cast<info::ContactWindow*>(w) && w->isVisible();
    return n;
}

} // namespace

class TestProgram : public QObject {
    Q_OBJECT
private slots:
    // Clear builds a fresh form inside the same window, which never leaves the screen; the
    // Contact window stays the one.
    void clearKeepsTheWindowAndTheContactWindow() {
        RecordingServices services;
        Program program(services);
        ConverterWindow* window = &program.openConverterWindow();
        window->move(100, 190);
        window->findChild<QAction*>("mnu81")->trigger();
        QWidget* contact = program.contactWindow();
        QVERIFY(contact && contact->isVisible());
        // A window of its own that the converter can come forward over.
        QCOMPARE(contact->parentWidget(), nullptr);
        QCOMPARE(contact->windowHandle()->transientParent(), nullptr);
        QCOMPARE(contact->windowType(), Qt::Window);
        const QPointer<QWidget> oldHz = window->findChild<QWidget*>("txtHZ");
        QTest::keyClicks(oldHz, "50");
        const WId id = window->winId();
        QTest::mouseClick(window->findChild<QPushButton*>("Command2"), Qt::LeftButton);
        QVERIFY(QTest::qWaitFor([&] { return oldHz.isNull(); }));
        QCOMPARE(program.converterWindow(), window);
        QCOMPARE(window->winId(), id);
        QVERIFY(window->isVisible());
        QCOMPARE(window->pos(), QPoint(100, 190));
        QCOMPARE(window->model().text(Box::Hz), std::string());
        window->findChild<QAction*>("mnu81")->trigger();
        QCOMPARE(program.contactWindow(), contact);
        QCOMPARE(openContactWindows(), 1);
        program.exitProgram();
        QCOMPARE(openContactWindows(), 0);
    }

    // ENTER and SPACE open the web address as a click does: on the converter's logo (the
    // relationships picture opens nothing) and on the contact window's address.
    void linksOpenFromTheKeyboard() {
        RecordingServices services;
        Program program(services);
        ConverterWindow& window = program.openConverterWindow();
        window.findChild<QAction*>("mnu81")->trigger();
        QTest::keyClick(window.findChild<QWidget*>("Picture2"), Qt::Key_Space);
        for (QWidget* link : {window.findChild<QWidget*>("Picture1"),
                              program.contactWindow()->findChild<QWidget*>("Label8")}) {
            QTest::keyClick(link, Qt::Key_Space);
            QTest::keyClick(link, Qt::Key_Enter, Qt::KeypadModifier);
        }
        QCOMPARE(services.events, QStringList(4, "open:" + QString::fromUtf8(maker::kWebAddress)));
        const auto role = [&window](const char* name) {
            return QAccessible::queryAccessibleInterface(window.findChild<QWidget*>(name))->role();
        };
        QCOMPARE(role("Picture1"), QAccessible::Link);
        QCOMPARE(role("Picture2"), QAccessible::Graphic);
        QStringList shown; // every detail of the maker, each under its own caption
        for (const QLabel* label : program.contactWindow()->findChildren<QLabel*>())
            shown << label->text();
        for (const QString& detail :
             {"Phone: " + QString(maker::kPhone), "Fax: " + QString(maker::kFax),
              "Toll Free: " + QString(maker::kTollFree)})
            QVERIFY2(shown.contains(detail), qPrintable(detail));
    }

    // Print Page prints a secondary window and leaves it open, its other button closes it;
    // ENTER as it opens prints nothing.
    void secondaryWindowButtons() {
        RecordingServices services;
        for (auto* make :
             {opened<info::ContactWindow>, opened<info::HelpWindow>, opened<info::TutorialWindow>,
              opened<info::AboutDialog>, opened<temperature::TemperatureWindow>}) {
            const std::unique_ptr<QWidget> first(make(services));
            services.events.clear();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QVERIFY(!services.events.join(' ').contains("print:"));
            for (const QPushButton* button : first->findChildren<QPushButton*>()) {
                const std::unique_ptr<QWidget> w(make(services));
                services.events.clear();
                w->findChild<QPushButton*>(button->objectName())->click();
                const bool print = button->text() == "Print Page";
                QCOMPARE(services.events,
                         print ? QStringList{"print:" + w->objectName()} : QStringList());
                QCOMPARE(w->isVisible(), print);
            }
        }
    }

    // A window too large for the screen still has its title bar and menus on it.
    void windowsOpenOnTheScreen() {
        QWidget big;
        const QRect screen = big.screen()->availableGeometry();
        big.resize(screen.size() + QSize(200, 150));
        toolkit::placeOnScreen(big);
        QCOMPARE(big.pos(), screen.topLeft());
        QWidget small;
        small.resize(100, 50);
        toolkit::placeCentred(small, QRect(screen.topLeft(), QSize(20, 10)));
        QCOMPARE(small.pos(), screen.topLeft());
        toolkit::placeCentred(small, QRect(screen.bottomRight(), QSize(20, 10)));
        QCOMPARE(small.frameGeometry().bottomRight(), screen.bottomRight());
    }

    // The contact window opens beside the converter where the screen has room, else where it
    // hides the least of it, never off the screen's available area.
    void besideTheOwner() {
        const QRect wide(0, 0, 1920, 1080), panel(64, 32, 1856, 1048);
        const struct {
            QSize size;
            QRect owner, available;
            QPoint place;
        } rows[] = {{{800, 600}, {100, 100, 700, 560}, wide, {800, 100}},  // right
                    {{800, 600}, {100, 600, 700, 400}, wide, {800, 480}},  // right, raised
                    {{800, 600}, {1000, 100, 700, 560}, wide, {200, 100}}, // left
                    {{800, 600}, {600, 0, 700, 400}, wide, {600, 400}},    // below
                    {{800, 600}, {333, 104, 700, 560}, {0, 0, 1366, 768}, {566, 168}}, // least
                    {{800, 600}, {800, 50, 700, 560}, panel, {64, 480}},        // least, by a panel
                    {{1000, 900}, {0, 0, 715, 512}, {0, 0, 910, 512}, {0, 0}}}; // too large
        for (const auto& row : rows)
            QCOMPARE(toolkit::besideOwner(row.size, row.owner, row.available), row.place);
    }

    // A PDF file that cannot be written whole is reported and leaves nothing behind.
    void printFailuresAreTold_data() {
        QTest::addColumn<bool>("diskFull");
        QTest::newRow("no such folder") << false;
        QTest::newRow("disk full") << true;
    }
    void printFailuresAreTold() {
        QFETCH(bool, diskFull);
        RecordingServices services;
        ConverterWindow window(services);
        QTemporaryDir dir;
        const QString path = dir.filePath(diskFull ? "page.pdf" : "missing/page.pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFileName(dir.filePath("whole.pdf"));
        toolkit::preparePage(printer, window);
        QCOMPARE(toolkit::printWidgetTo(window, printer), QString());
        QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Landscape); // a wide window
        QCOMPARE(toolkit::fitCentred({200, 100}, {0, 0, 100, 100}), QRectF(0, 25, 100, 50));
        QVERIFY(QFile::remove(dir.filePath("whole.pdf")));
        printer.setOutputFileName(path);
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        if (diskFull) {
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit tiny = saved;
            tiny.rlim_cur = 4096;
            setrlimit(RLIMIT_FSIZE, &tiny);
        }
        const QString failure = toolkit::printWidgetTo(window, printer);
        setrlimit(RLIMIT_FSIZE, &saved);
        QCOMPARE(failure, "The page could not be printed to the file " + path + ".");
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());
    }
};

QTEST_MAIN(TestProgram)
#include "test_program.moc"
