#pragma once

#include <QPoint>
#include <QPointer>
#include <QWidget>

#include <optional>

namespace info {
class ContactWindow;
}
namespace toolkit {
class DesktopServices;
}

namespace converter {

class ConverterWindow;

// The program's windows: the converter window (built afresh by Clear), the one contact window
// that outlives it, and the end of the program.
class Program {
public:
    explicit Program(toolkit::DesktopServices& services);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // A converter window in its start-up state, shown centred on the screen, or with its
    // top-left corner at `place`.
    ConverterWindow& openConverterWindow(std::optional<QPoint> place = {});
    // Clear: the window goes, the reset window stands in, a fresh converter window takes the
    // old one's place.
    void clearAll(ConverterWindow& window);
    // Not modal; chosen again while open, the same window comes forward.
    void openContactWindow(QWidget& over);
    void exitProgram();

    ConverterWindow* converterWindow() const;
    QWidget* contactWindow() const;

private:
    toolkit::DesktopServices& services_;
    QPointer<ConverterWindow> converter_;
    QPointer<info::ContactWindow> contact_;
};

} // namespace converter
