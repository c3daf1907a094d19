#include "converter/main_window.h"
#include "toolkit/qt_services.h"
#include "toolkit/twips.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Amplora"));
    QApplication::setApplicationVersion(QStringLiteral(AMPLORA_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("amplora"));
    toolkit::useLayoutFont();

    toolkit::QtServices services;
    Main::load(services);
    return QApplication::exec();
}
