// The menu entries that open the secondary windows.
#include "converter/main_window.h"

#include "info/about.h"
#include "info/contact.h"
#include "info/help.h"
#include "info/tutorial.h"
#include "temperature/temperature.h"

namespace {

// Modal: the converter waits until the window is closed.
template <class Window> void showModal(toolkit::Services& services, QWidget* owner) {
    Window window(services, owner);
    window.exec();
}

} // namespace

void Main::mnu4_Click() {
    showModal<Temperature>(services, this);
}

void Main::menu21_Click() {
    showModal<Help>(services, this);
}

void Main::menu23_Click() {
    showModal<tutorial>(services, this);
}

void Main::menu22_Click() {
    showModal<frmAbout>(services, this);
}

// The contact window does not block the converter, outlives it until closed, and exists once.
void Main::mnu81_Click() {
    if (!contact) {
        contact = new Contact(services);
        contact->setAttribute(Qt::WA_DeleteOnClose);
        contact->adjustSize();
        contact->move(frameGeometry().center() - contact->rect().center());
    }
    contact->show();
    contact->raise();
    contact->activateWindow();
}
