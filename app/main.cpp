// The window program's start: its command line, the application, the converter window.
#include "app/command_line.h"
#include "app/program.h"
#include "toolkit/desktop_services.h"
#include "toolkit/form_zoom.h"
#include "toolkit/layout_metrics.h"
#include "toolkit/screen_fit.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>

int main(int argc, char* argv[]) {
    // Before the application object: it needs a display, --help and --version do not.
    if (const app::Verdict verdict = app::readCommandLine(argc, argv); !verdict.openWindow)
        return verdict.exitCode;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Amplora"));
    QApplication::setApplicationVersion(QStringLiteral(AMPLORA_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("amplora"));
    toolkit::useLayoutFont();
    toolkit::fitWindowsToScreens();
    toolkit::zoomForms(); // after the screen fit: a window is zoomed before it is fitted

    toolkit::QtDesktopServices services;
    app::Program program(services);
    program.openConverterWindow();
    // The first frame does not need the icon: load it once the window is up.
    QTimer::singleShot(
        0, [] { QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/amplora.svg"))); });
    return QApplication::exec();
}
