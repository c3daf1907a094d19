// A recorder standing in for the desktop in tests: message boxes, beeps, prints, addresses.
#pragma once

#include "toolkit/desktop_services.h"

#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>

// Stands in for the desktop in tests: records every message box, beep, print and open
// request instead of showing or doing anything, so no modal box ever blocks a test.
class RecordingServices : public toolkit::DesktopServices {
public:
    void showMessage(const std::string& text, const std::string& title) override {
        events << QString::fromStdString(title + "|" + text);
        if (onMessage)
            onMessage(); // the window as the message box would show over it
    }
    void beep() override { events << QStringLiteral("beep"); }
    void printWindow(QWidget& window) override { events << "print:" + window.objectName(); }
    void openAddress(const std::string& address) override {
        events << QString::fromStdString("open:" + address);
    }

    QStringList events;
    std::function<void()> onMessage;
};
