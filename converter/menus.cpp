// The menu entries that open the secondary windows.
#include "converter/main_window.h"

void Main::mnu4_Click() {}
void Main::menu21_Click() {}
void Main::menu23_Click() {}
void Main::menu22_Click() {}
void Main::mnu81_Click() {}
