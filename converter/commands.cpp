// Buttons, menus, the web link and the decibel reference choice.
#include "converter/main_window.h"
#include "converter/reset_window.h"

#include "info/maker.h"
#include "toolkit/services.h"
#include "ui_main.h"

#include <QApplication>

void Main::OptdBUS_GotFocus() {
    showCaptions(true);
}

void Main::OptdBISO_GotFocus() {
    showCaptions(false);
}

// The captions follow the reference button that holds the focus.
void Main::showCaptions(bool us) {
    ui->Label5->setVisible(us);
    ui->Label6->setVisible(us);
    ui->Label13->setVisible(!us);
    ui->Label14->setVisible(!us);
}

void Main::Command1_Click() {
    exitProgram();
}

void Main::menu11_Click() {
    exitProgram();
}

void Main::exitProgram() {
    if (contact)
        contact->close();
    close();
    QApplication::quit();
}

// Clear rebuilds the window: the reset window brings a freshly loaded one back once it is
// active, after this handler has returned.
void Main::Command2_Click() {
    auto* r = new reset(services);
    r->showCentredOn(frameGeometry());
    close();
}

void Main::menu12_Click() {
    services.PrintWindow(*this);
}

void Main::Picture1_Click() {
    Navigate(info::kWebAddress);
}

void Main::Navigate(const std::string& NavTo) {
    services.OpenAddress(NavTo);
}
