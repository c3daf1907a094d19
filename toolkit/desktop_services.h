// What the windows ask of the desktop: message boxes, the bell, printing, opening addresses.
#pragma once

#include "entry/notice.h"
#include "toolkit/desktop_bell.h"

#include <string>

class QWidget;

namespace toolkit {

// Everything a window asks of the desktop. Tests put a recorder in its place.
class DesktopServices {
public:
    virtual ~DesktopServices() = default;

    // A modal box with the exclamation icon and a single OK button; returns once closed.
    virtual void showMessage(const std::string& text, const std::string& title) = 0;
    // The desktop's warning sound.
    virtual void beep() = 0;
    // Prints the window's client area on the default printer, or lets the user pick one.
    virtual void printWindow(QWidget& window) = 0;
    // Hands an address to the desktop's default handler; the outcome is not reported.
    virtual void openAddress(const std::string& address) = 0;

    // A model's notices, in order, each shown the way it asks.
    void tell(const entry::Notices& notices);
};

// The real desktop: Qt message boxes, the beep, the printer and the default address handler.
class QtDesktopServices : public DesktopServices {
public:
    void showMessage(const std::string& text, const std::string& title) override;
    void beep() override;
    void printWindow(QWidget& window) override;
    void openAddress(const std::string& address) override;

private:
    DesktopBell bell_;
};

} // namespace toolkit
