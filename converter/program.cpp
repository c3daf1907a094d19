#include "converter/program.h"

#include "converter/converter_window.h"
#include "converter/reset_window.h"
#include "info/contact_window.h"
#include "toolkit/window_placement.h"

#include <QApplication>

namespace converter {

Program::Program(toolkit::DesktopServices& services) : services_(services) {}

// Windows still open when the program ends go with it.
Program::~Program() {
    delete converter_.data();
    delete contact_.data();
}

ConverterWindow& Program::openConverterWindow(std::optional<QPoint> place) {
    converter_ = new ConverterWindow(
        services_, {[this](ConverterWindow& window) { clearAll(window); },
                    [this] { exitProgram(); }, [this](QWidget& over) { openContactWindow(over); }});
    converter_->setAttribute(Qt::WA_DeleteOnClose);
    converter_->adjustSize();
    if (place)
        converter_->move(*place);
    else
        toolkit::placeOnScreen(*converter_);
    converter_->show();
    return *converter_;
}

void Program::clearAll(ConverterWindow& window) {
    auto* reset = new ResetWindow([this, place = window.pos()] { openConverterWindow(place); });
    reset->showCentredOn(window.frameGeometry());
    window.close();
}

void Program::openContactWindow(QWidget& over) {
    if (!contact_) {
        contact_ = new info::ContactWindow(services_);
        contact_->setAttribute(Qt::WA_DeleteOnClose);
        contact_->adjustSize();
        toolkit::placeCentred(*contact_, over.frameGeometry());
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

ConverterWindow* Program::converterWindow() const {
    return converter_.data();
}

QWidget* Program::contactWindow() const {
    return contact_.data();
}

} // namespace converter
