// The entry box's translation of Qt key and focus events into key down / key press / focus.
#include "toolkit/entrybox.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

class TestEntryBox : public QObject {
    Q_OBJECT

    struct Harness {
        QWidget window;
        toolkit::EntryBox* box;
        QPushButton* other;
        QStringList log;
        std::function<void(std::int16_t&)> press = [](std::int16_t&) {};

        Harness() {
            auto* layout = new QVBoxLayout(&window);
            box = new toolkit::EntryBox;
            other = new QPushButton(QStringLiteral("other"));
            layout->addWidget(box);
            layout->addWidget(other);
            box->onKeyDown = [this](int key, int shift) {
                log << QStringLiteral("down:%1:%2").arg(key).arg(shift);
            };
            box->onKeyPress = [this](std::int16_t& code) {
                log << QStringLiteral("press:%1").arg(code);
                press(code);
            };
            box->onGotFocus = [this] { log << QStringLiteral("got"); };
            box->onLostFocus = [this] { log << QStringLiteral("lost"); };
            window.show();
            QApplication::setActiveWindow(&window);
            box->setFocus();
            QVERIFY(QTest::qWaitForWindowActive(&window));
            log.clear();
        }
    };

private slots:
    // Modifier keys raise a key down of their own, as they do on a real keyboard.
    void keyModel_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("expected");
        const int K = Qt::NoModifier;
        const int C = Qt::ControlModifier;
        QTest::newRow("digit") << int(Qt::Key_5) << K << "down:53:0 press:53";
        QTest::newRow("return") << int(Qt::Key_Return) << K << "down:16777220:0 press:13";
        QTest::newRow("keypad enter")
            << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "down:16777221:0 press:13";
        QTest::newRow("backspace") << int(Qt::Key_Backspace) << K << "down:16777219:0 press:8";
        QTest::newRow("escape") << int(Qt::Key_Escape) << K << "down:16777216:0 press:27";
        QTest::newRow("ctrl+c") << int(Qt::Key_C) << C << "down:16777249:2 down:67:2 press:3";
        QTest::newRow("ctrl+v") << int(Qt::Key_V) << C << "down:16777249:2 down:86:2 press:22";
        QTest::newRow("ctrl+x") << int(Qt::Key_X) << C << "down:16777249:2 down:88:2 press:24";
        QTest::newRow("ctrl+z") << int(Qt::Key_Z) << C << "down:16777249:2 down:90:2 press:26";
        QTest::newRow("left arrow") << int(Qt::Key_Left) << K << "down:16777234:0";
        QTest::newRow("delete") << int(Qt::Key_Delete) << K << "down:16777223:0";
        QTest::newRow("home") << int(Qt::Key_Home) << K << "down:16777232:0";
        QTest::newRow("shift alone") << int(Qt::Key_Shift) << K << "down:16777248:1";
        QTest::newRow("tab") << int(Qt::Key_Tab) << K << "lost";
    }
    void keyModel() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, expected);
        Harness h;
        QTest::keyClick(h.box, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(h.log.join(' '), expected);
    }

    void characterReachesBoxUnlessSwallowed_data() {
        QTest::addColumn<bool>("swallow");
        QTest::addColumn<QString>("text");
        QTest::newRow("passed") << false << "12";
        QTest::newRow("swallowed") << true << "";
    }
    void characterReachesBoxUnlessSwallowed() {
        QFETCH(bool, swallow);
        QFETCH(QString, text);
        Harness h;
        h.press = [swallow](std::int16_t& code) {
            if (swallow)
                code = 0;
        };
        QTest::keyClicks(h.box, QStringLiteral("12"));
        QCOMPARE(h.box->text(), text);
    }

    void swallowedPasteAndUndoDoNothing() {
        Harness h;
        h.press = [](std::int16_t& code) {
            if (code != '7')
                code = 0;
        };
        QApplication::clipboard()->setText(QStringLiteral("999"));
        QTest::keyClick(h.box, Qt::Key_7);
        QTest::keyClick(h.box, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(h.box, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(h.box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(h.box, Qt::Key_Backspace);
        QCOMPARE(h.box->text(), QStringLiteral("7"));
    }

    void composedTextTakesTheKeyPressPath() {
        Harness h;
        h.press = [](std::int16_t& code) {
            if (code == 'x')
                code = 0;
        };
        QInputMethodEvent commit;
        commit.setCommitString(QStringLiteral("4x2"));
        QApplication::sendEvent(h.box, &commit);
        QCOMPARE(h.box->text(), QStringLiteral("42"));
        QCOMPARE(h.log, QStringList({"press:52", "press:120", "press:50"}));
    }

    void focusMovesRaiseEventsButActivationDoesNot() {
        Harness h;
        QTest::keyClick(h.box, Qt::Key_Tab);
        QCOMPARE(h.log, QStringList{"lost"});
        h.log.clear();
        QTest::keyClick(h.other, Qt::Key_Backtab);
        QCOMPARE(h.log, QStringList{"got"});
        h.log.clear();

        h.box->SetFocus(); // already focused: no second got-focus
        QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(h.box, &out);
        QFocusEvent in(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(h.box, &in);
        QFocusEvent popup(QEvent::FocusOut, Qt::PopupFocusReason);
        QApplication::sendEvent(h.box, &popup);
        QCOMPARE(h.log, QStringList{});
    }

    void positionsCountUtf8Bytes() {
        Harness h;
        h.box->SetText("\xC2\xB0"
                       "12"); // "°12": the degree sign takes two bytes
        h.box->SetSelStart(2);
        h.box->SetSelLength(2);
        QCOMPARE(h.box->selectedText(), QStringLiteral("12"));
        QCOMPARE(h.box->SelStart(), 2);
        QCOMPARE(h.box->SelLength(), 2);
        h.box->SetSelStart(0);
        h.box->SetSelLength(100);
        QCOMPARE(h.box->SelLength(), 4);
    }
};

QTEST_MAIN(TestEntryBox)
#include "test_entrybox.moc"
