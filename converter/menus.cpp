// The menu entries that open the secondary windows.
#include "converter/main_window.h"

#include "info/about.h"
#include "info/contact.h"
#include "info/help.h"
#include "info/tutorial.h"
#include "temperature/temperature.h"

void Main::mnu4_Click() {
    Temperature window(services, this);
    window.exec();
}

void Main::menu21_Click() {
    Help window(services, this);
    window.exec();
}

void Main::menu23_Click() {
    tutorial window(services, this);
    window.exec();
}

void Main::menu22_Click() {
    frmAbout window(services, this);
    window.exec();
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
