#include "converter/program.h"

#include "converter/converter_window.h"
#include "converter/reset_window.h"
#include "info/contact_window.h"

#include <QApplication>
#include <QScreen>

namespace converter {

Program::Program(toolkit::DesktopServices& services) : services_(services) {}

// Windows still open when the program ends go with it.
Program::~Program() {
    delete converter_.data();
    delete contact_.data();
}

ConverterWindow& Program::openConverterWindow() {
    converter_ = new ConverterWindow(
        services_, {[this](ConverterWindow& window) { clearAll(window); },
                    [this] { exitProgram(); },
                    [this](QWidget& over) { openContactWindow(over); }});
    converter_->setAttribute(Qt::WA_DeleteOnClose);
    converter_->adjustSize();
    converter_->move(converter_->screen()->availableGeometry().center() -
                     converter_->rect().center());
    converter_->show();
    return *converter_;
}

void Program::clearAll(ConverterWindow& window) {
    auto* reset = new ResetWindow([this] { openConverterWindow(); });
    reset->showCentredOn(window.frameGeometry());
    window.close();
}

void Program::openContactWindow(QWidget& over) {
    if (!contact_) {
        contact_ = new info::ContactWindow(services_);
        contact_->setAttribute(Qt::WA_DeleteOnClose);
        contact_->adjustSize();
        contact_->move(over.frameGeometry().center() - contact_->rect().center());
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
