#include "converter/main_window.h"
#include "toolkit/qt_services.h"
#include "toolkit/twips.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Amplora"));
    QApplication::setDesktopFileName(QStringLiteral("amplora"));

    QApplication::setFont(toolkit::layoutFont());

    toolkit::QtServices services;
    auto* window = new Main(services);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->adjustSize();
    window->move(window->screen()->availableGeometry().center() - window->rect().center());
    window->show();
    return QApplication::exec();
}
