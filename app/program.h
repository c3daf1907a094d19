// The program's windows: the converter window, the windows its menus open, and the end.
#pragma once

#include "converter/converter_window.h"

#include <QPointer>

namespace toolkit {
class DesktopServices;
}

namespace app {

// The converter window and every window it opens: Temperature, Help, Tutorial and About as
// modal windows, transient for the converter and centred over it; the one Contact window, a
// window of its own beside the converter; and the end of the program.
class Program {
public:
    explicit Program(toolkit::DesktopServices& services);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // The converter window in its start-up state, shown centred on the screen.
    converter::ConverterWindow& openConverterWindow();
    // Modal windows return once closed. The Contact window is not modal; chosen again while
    // open, the same window comes forward.
    void open(converter::SecondaryWindow window);
    void exitProgram();

    converter::ConverterWindow* converterWindow() const { return converter_.data(); }
    QWidget* contactWindow() const { return contact_.data(); }

private:
    void openContactWindow();

    toolkit::DesktopServices& services_;
    QPointer<converter::ConverterWindow> converter_;
    QPointer<QWidget> contact_;
};

} // namespace app
