#pragma once

#include "prompter.h"

#include <string>

class QWidget;

namespace toolkit {

// Everything a window asks of the desktop. Tests replace it with a recorder.
class Services : public Prompter {
public:
    // Prints the window's client area on the default printer (or lets the user pick one).
    virtual void PrintWindow(QWidget& window) = 0;
    // Hands an address to the desktop's default handler; the outcome is not reported.
    virtual void OpenAddress(const std::string& address) = 0;
};

} // namespace toolkit
