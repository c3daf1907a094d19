#pragma once

#include "converter/main_window.h"
#include "recording_services.h"
#include "toolkit/entrybox.h"
#include "toolkit/twips.h"

#include <QApplication>
#include <QRadioButton>
#include <QTest>

#include <memory>

// A converter window on the offscreen platform, driven through real key and focus events.
struct ConverterFixture {
    RecordingServices services;
    std::unique_ptr<Main> window;

    ConverterFixture() {
        toolkit::useLayoutFont();
        window = std::make_unique<Main>(services);
        window->show();
        QApplication::setActiveWindow(window.get());
        if (!QTest::qWaitForWindowActive(window.get()))
            qFatal("converter window did not become active");
    }

    toolkit::EntryBox* box(const char* name) const {
        auto* b = window->findChild<toolkit::EntryBox*>(QLatin1String(name));
        if (!b)
            qFatal("no box %s", name);
        return b;
    }
    template <class T = QWidget> T* control(const char* name) const {
        return window->findChild<T*>(QLatin1String(name));
    }
    QString text(const char* name) const { return box(name)->text(); }

    // Moves the focus into a box as TAB would, then types: "\n" is ENTER, "\b" BACKSPACE,
    // "<" the left arrow, "^" SHIFT alone, "~" DELETE, "*" selects the whole text (as a mouse
    // would); anything else is typed as it stands.
    void type(const char* name, const QString& keys) {
        toolkit::EntryBox* b = box(name);
        if (!b->hasFocus())
            b->setFocus(Qt::TabFocusReason);
        for (QChar c : keys) {
            switch (c.unicode()) {
            case '\n':
                QTest::keyClick(b, Qt::Key_Return);
                break;
            case '\b':
                QTest::keyClick(b, Qt::Key_Backspace);
                break;
            case '<':
                QTest::keyClick(b, Qt::Key_Left);
                break;
            case '^':
                QTest::keyClick(b, Qt::Key_Shift);
                break;
            case '~':
                QTest::keyClick(b, Qt::Key_Delete);
                break;
            case '*':
                b->selectAll();
                break;
            default:
                QTest::keyClicks(b, QString(c));
            }
        }
    }
};

// The twelve boxes that take a number, in focus order.
inline const char* const kEntryBoxes[] = {
    "txtHZ",        "txtCPM",      "txtAccGrms",    "txtAccGpk",   "txtVelIPSrms", "txtVelIPSpk",
    "txtVelMMSrms", "txtVelMMSpk", "txtDispMILSpp", "txtDispMMpk", "txtAdB",       "txtVdB"};
