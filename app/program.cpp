// The program's windows: opening the converter and its secondary windows, and Exit.
#include "app/program.h"

#include "info/about_dialog.h"
#include "info/contact_window.h"
#include "info/help_window.h"
#include "info/tutorial_window.h"
#include "temperature/temperature_window.h"
#include "toolkit/window_placement.h"

#include <QApplication>

namespace app {
namespace {

// Modal: the converter waits until the window is closed.
template <class Window> void showModal(toolkit::DesktopServices& services, QWidget* owner) {
    Window window(services, owner);
    window.exec();
}

} // namespace

Program::Program(toolkit::DesktopServices& services) : services_(services) {}

// A window still open when the program ends goes with it.
Program::~Program() {
    delete contact_.data();
    delete converter_.data();
}

converter::ConverterWindow& Program::openConverterWindow() {
    converter_ = new converter::ConverterWindow(
        services_,
        {[this] { exitProgram(); }, [this](converter::SecondaryWindow window) { open(window); }});
    converter_->setAttribute(Qt::WA_DeleteOnClose);
    converter_->adjustSize();
    toolkit::placeOnScreen(*converter_);
    converter_->show();
    return *converter_;
}

void Program::open(converter::SecondaryWindow window) {
    using converter::SecondaryWindow;
    switch (window) {
    case SecondaryWindow::Temperature:
        return showModal<temperature::TemperatureWindow>(services_, converter_);
    case SecondaryWindow::Help:
        return showModal<info::HelpWindow>(services_, converter_);
    case SecondaryWindow::Tutorial:
        return showModal<info::TutorialWindow>(services_, converter_);
    case SecondaryWindow::About:
        return showModal<info::AboutDialog>(services_, converter_);
    case SecondaryWindow::Contact:
        return openContactWindow();
    }
}

void Program::openContactWindow() {
    if (!contact_) {
        // A window of its own, not one kept above the converter: the converter stays usable
        // beside it and comes forward over it when clicked. It does not keep the program
        // running once the converter is closed.
        contact_ = new info::ContactWindow(services_);
        contact_->setWindowFlags((contact_->windowFlags() & ~Qt::WindowType_Mask) | Qt::Window);
        contact_->setAttribute(Qt::WA_DeleteOnClose);
        contact_->setAttribute(Qt::WA_QuitOnClose, false);
        contact_->adjustSize();
        toolkit::placeBeside(*contact_, *converter_);
    }
    contact_->show();
    contact_->raise();
    contact_->activateWindow();
}

void Program::exitProgram() {
    if (contact_)
        contact_->close();
    if (converter_)
        converter_->close();
    QApplication::quit();
}

} // namespace app
