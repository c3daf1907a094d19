// Renders every window of the program to PNG files for the documentation:
//   screenshots <output folder>
// Run it on the offscreen platform (tools/screenshots/run does): no desktop is needed, and
// message boxes, printing and the browser go to a recorder instead.
#include "converter/main_window.h"
#include "info/about.h"
#include "info/contact.h"
#include "info/help.h"
#include "info/tutorial.h"
#include "recording_services.h"
#include "temperature/temperature.h"
#include "toolkit/entrybox.h"
#include "toolkit/twips.h"

#include <QApplication>
#include <QDir>
#include <QTest>

namespace {

QString folder;

void save(QWidget& window, const QString& name) {
    window.adjustSize();
    window.show();
    QApplication::setActiveWindow(&window);
    if (!QTest::qWaitForWindowExposed(&window))
        qFatal("%s was never shown", qPrintable(name));
    QApplication::processEvents();
    const QString path = QDir(folder).filePath(name + QStringLiteral(".png"));
    if (!window.grab().save(path))
        qFatal("cannot write %s", qPrintable(path));
    window.hide();
}

// Types into a box and presses ENTER, as a user would.
void enter(QWidget& window, const char* box, const QString& keys) {
    auto* b = window.findChild<toolkit::EntryBox*>(QLatin1String(box));
    if (!b)
        qFatal("no box %s", box);
    b->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(b, keys);
    QTest::keyClick(b, Qt::Key_Return);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    toolkit::useLayoutFont();
    folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);
    RecordingServices services;

    Main converter(services);
    save(converter, QStringLiteral("converter-start"));
    converter.show();
    enter(converter, "txtHZ", QStringLiteral("50"));
    enter(converter, "txtAccGpk", QStringLiteral("1"));
    save(converter, QStringLiteral("converter-conversion"));

    Temperature temperature(services, &converter);
    temperature.show();
    enter(temperature, "degC", QStringLiteral("100"));
    save(temperature, QStringLiteral("temperature"));

    Help help(services, &converter);
    save(help, QStringLiteral("help"));
    tutorial tutorialWindow(services, &converter);
    save(tutorialWindow, QStringLiteral("tutorial"));
    frmAbout about(services, &converter);
    save(about, QStringLiteral("about"));
    Contact contact(services);
    save(contact, QStringLiteral("contact"));

    if (!services.events.isEmpty())
        qWarning("unexpected: %s", qPrintable(services.events.join(QStringLiteral(", "))));
    return 0;
}
