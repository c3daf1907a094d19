// Renders the program's windows to PNG files for the documentation:
//   screenshots <output folder>
#include "converter/main_window.h"
#include "recording_services.h"
#include "toolkit/entrybox.h"
#include "toolkit/twips.h"

#include <QApplication>
#include <QDir>
#include <QTest>

namespace {

void save(QWidget& window, const QString& folder, const QString& name) {
    window.show();
    QApplication::setActiveWindow(&window);
    QTest::qWaitForWindowExposed(&window);
    QApplication::processEvents();
    const QString path = QDir(folder).filePath(name + QStringLiteral(".png"));
    if (!window.grab().save(path))
        qFatal("cannot write %s", qPrintable(path));
}

void typeInto(Main& window, const char* box, const QString& keys) {
    auto* b = window.findChild<toolkit::EntryBox*>(QLatin1String(box));
    b->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(b, keys);
    QTest::keyClick(b, Qt::Key_Return);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setFont(toolkit::layoutFont());
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);
    RecordingServices services;

    Main converter(services);
    save(converter, folder, QStringLiteral("converter-start"));
    typeInto(converter, "txtHZ", QStringLiteral("50"));
    typeInto(converter, "txtAccGpk", QStringLiteral("1"));
    save(converter, folder, QStringLiteral("converter-conversion"));
    return 0;
}
