#include "converter/main_window.h"
#include "toolkit/qt_services.h"
#include "toolkit/twips.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Amplora"));
    QApplication::setApplicationVersion(QStringLiteral(AMPLORA_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("amplora"));
    toolkit::useLayoutFont();

    toolkit::QtServices services;
    Main::load(services);
    // The first frame does not need the icon: load it once the window is up.
    QTimer::singleShot(
        0, [] { QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/amplora.svg"))); });
    return QApplication::exec();
}
