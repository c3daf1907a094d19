// Renders every window of the program to PNG files for the documentation:
//   screenshots <output folder>
// writes <window>.png under the light palette and <window>-dark.png under a dark one. Run it
// on the offscreen platform (tools/screenshots/run does): no desktop is needed, and message
// boxes, printing and the browser go to a recorder instead.
#include "converter/converter_window.h"
#include "dark_palette.h"
#include "info/about_dialog.h"
#include "info/contact_window.h"
#include "info/help_window.h"
#include "info/tutorial_window.h"
#include "recording_services.h"
#include "temperature/temperature_window.h"
#include "toolkit/entry_box.h"
#include "toolkit/layout_metrics.h"

#include <QApplication>
#include <QDir>
#include <QStyle>
#include <QTest>

namespace {

QString folder;
QString suffix;

void save(QWidget& window, const QString& name) {
    window.adjustSize();
    window.show();
    QApplication::setActiveWindow(&window);
    if (!QTest::qWaitForWindowExposed(&window))
        qFatal("%s was never shown", qPrintable(name));
    QApplication::processEvents();
    const QString path = QDir(folder).filePath(name + suffix + QStringLiteral(".png"));
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

void renderAll(RecordingServices& services) {
    converter::ConverterWindow converter(services);
    save(converter, QStringLiteral("converter-start"));
    converter.show();
    enter(converter, "txtHZ", QStringLiteral("50"));
    enter(converter, "txtAccGpk", QStringLiteral("1"));
    save(converter, QStringLiteral("converter-conversion"));

    temperature::TemperatureWindow temperature(services, &converter);
    temperature.show();
    enter(temperature, "degC", QStringLiteral("100"));
    save(temperature, QStringLiteral("temperature"));

    info::HelpWindow help(services, &converter);
    save(help, QStringLiteral("help"));
    info::TutorialWindow tutorial(services, &converter);
    save(tutorial, QStringLiteral("tutorial"));
    info::AboutDialog about(services, &converter);
    save(about, QStringLiteral("about"));
    info::ContactWindow contact(services);
    save(contact, QStringLiteral("contact"));
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    toolkit::useLayoutFont();
    folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);
    RecordingServices services;

    renderAll(services);
    QApplication::setPalette(darkPalette());
    suffix = QStringLiteral("-dark");
    renderAll(services);

    if (!services.events.isEmpty())
        qWarning("unexpected: %s", qPrintable(services.events.join(QStringLiteral(", "))));
    return 0;
}
