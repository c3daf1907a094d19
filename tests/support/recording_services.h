#pragma once

#include "toolkit/services.h"

#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <string>

// Stands in for the desktop in tests: records every message box, beep, print and open
// request instead of showing or doing anything, so no modal box ever blocks a test.
class RecordingServices : public toolkit::Services {
public:
    void MsgBox(const std::string& text, const std::string& title) override {
        events << QStringLiteral("msgbox:%1|%2").arg(QString::fromStdString(title),
                                                     QString::fromStdString(text));
        if (onMsgBox)
            onMsgBox();
    }
    void Beep() override { events << QStringLiteral("beep"); }
    void PrintWindow(QWidget& window) override {
        events << QStringLiteral("print:%1").arg(window.objectName());
    }
    void OpenAddress(const std::string& address) override {
        events << QStringLiteral("open:%1").arg(QString::fromStdString(address));
    }

    // Returns the events recorded so far and forgets them.
    QStringList take() {
        QStringList out = events;
        events.clear();
        return out;
    }

    QStringList events;
    // Runs while a message box would be open (to check what the window does meanwhile).
    std::function<void()> onMsgBox;
};
