// The temperature window driven through real key and focus events.
#include "temperature/temperature.h"

#include "recording_services.h"
#include "toolkit/entrybox.h"
#include "toolkit/twips.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

class TestTemperature : public QObject {
    Q_OBJECT

    struct Window {
        RecordingServices services;
        Temperature window{services};
        toolkit::EntryBox* degF = window.findChild<toolkit::EntryBox*>(QStringLiteral("degF"));
        toolkit::EntryBox* degC = window.findChild<toolkit::EntryBox*>(QStringLiteral("degC"));

        Window() {
            window.show();
            QApplication::setActiveWindow(&window);
            if (!QTest::qWaitForWindowActive(&window))
                qFatal("temperature window did not become active");
        }
        toolkit::EntryBox* box(const QString& name) const { return name == "degF" ? degF : degC; }
        QString focused() const {
            return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "";
        }
        void type(toolkit::EntryBox* b, const QString& keys) {
            if (!b->hasFocus())
                b->setFocus(Qt::TabFocusReason);
            QTest::keyClicks(b, keys);
        }
    };

private slots:
    void initTestCase() { toolkit::useLayoutFont(); }

    void opensEmptyWithDegreeLabels() {
        Window w;
        QCOMPARE(w.degF->text(), QString());
        QCOMPARE(w.degC->text(), QString());
        QCOMPARE(w.window.findChild<QLabel*>("lblF")->text(), QString::fromUtf8("\u00B0F"));
        QCOMPARE(w.window.findChild<QLabel*>("lblC")->text(), QString::fromUtf8("\u00B0C"));
        QCOMPARE(w.focused(), QStringLiteral("degF"));
        QCOMPARE(w.window.windowTitle(), QStringLiteral("Temperature Conversion"));
    }

    void enterConverts_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("expected");
        QTest::newRow("boiling point") << "degC"
                                       << "100"
                                       << "degF"
                                       << "212.0";
        QTest::newRow("-40 C") << "degC"
                               << "-40"
                               << "degF"
                               << "-40.0";
        QTest::newRow("-40 F") << "degF"
                               << "-40"
                               << "degC"
                               << "-40.0";
        QTest::newRow("body temperature") << "degF"
                                          << "98.6"
                                          << "degC"
                                          << "37.0";
        QTest::newRow("0 F rounds away from zero") << "degF"
                                                   << "0"
                                                   << "degC"
                                                   << "-17.8";
        QTest::newRow("empty C counts as 0") << "degC"
                                             << ""
                                             << "degF"
                                             << "32.0";
        QTest::newRow("empty F counts as 0") << "degF"
                                             << ""
                                             << "degC"
                                             << "-17.8";
        QTest::newRow("lone minus counts as 0") << "degF"
                                                << "-"
                                                << "degC"
                                                << "-17.8";
        QTest::newRow("lowest bound") << "degC"
                                      << "-100000"
                                      << "degF"
                                      << "-179968.0";
        QTest::newRow("fraction") << "degC"
                                  << "37.77"
                                  << "degF"
                                  << "100.0";
    }
    void enterConverts() {
        QFETCH(QString, source);
        QFETCH(QString, keys);
        QFETCH(QString, target);
        QFETCH(QString, expected);
        Window w;
        w.type(w.box(source), keys);
        QTest::keyClick(w.box(source), Qt::Key_Return);
        QCOMPARE(w.box(target)->text(), expected);
        QCOMPARE(w.box(source)->text(), keys); // ENTER never reaches the box
        QCOMPARE(w.focused(), source);
        QVERIFY(w.window.isVisible());
        QCOMPARE(w.services.events, QStringList());
    }

    // The other box empties before the typed key shows, even when the key is refused.
    void typingEmptiesTheOtherBoxFirst_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QStringList>("events");
        QTest::newRow("digit") << "5"
                               << "5" << QStringList();
        QTest::newRow("refused letter") << "x"
                                        << "212.0" << QStringList{"beep"};
    }
    void typingEmptiesTheOtherBoxFirst() {
        QFETCH(QString, key);
        QFETCH(QString, shown);
        QFETCH(QStringList, events);
        Window w;
        w.type(w.degC, "100\r");
        QTest::keyClick(w.degC, Qt::Key_Backtab);
        QCOMPARE(w.degF->text(), QStringLiteral("212.0"));
        QString otherWhenShown = "(unchanged)";
        connect(w.degF, &QLineEdit::textChanged, [&] { otherWhenShown = w.degC->text(); });
        w.services.take();
        QTest::keyClicks(w.degF, key);
        QCOMPARE(w.degC->text(), QString());
        QCOMPARE(w.degF->text(), shown);
        if (key == "5")
            QCOMPARE(otherWhenShown, QString());
        QCOMPARE(w.services.events, events);
    }

    void leavingConvertsTheBoxLeft_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("focusAfter");
        QTest::newRow("shift+tab back to degF") << int(Qt::Key_Backtab) << "degF";
        QTest::newRow("tab on to the picture") << int(Qt::Key_Tab) << "Picture1";
    }
    void leavingConvertsTheBoxLeft() {
        QFETCH(int, key);
        QFETCH(QString, focusAfter);
        Window w;
        w.type(w.degC, "20");
        QTest::keyClick(w.degC, Qt::Key(key));
        QCOMPARE(w.degF->text(), QStringLiteral("68.0"));
        QCOMPARE(w.degC->text(), QStringLiteral("20"));
        QCOMPARE(w.focused(), focusAfter);
        if (focusAfter == "degF")
            QCOMPARE(w.degF->selectedText(), QStringLiteral("68.0"));
    }

    void leavingAnEmptyBoxChangesNothing() {
        Window w;
        w.degC->setText("37.0");
        QTest::keyClick(w.degF, Qt::Key_Tab);
        QCOMPARE(w.focused(), QStringLiteral("degC"));
        QCOMPARE(w.degC->text(), QStringLiteral("37.0"));
        QCOMPARE(w.degC->selectedText(), QStringLiteral("37.0"));
    }

    void focusOrder() {
        Window w;
        QStringList order{w.focused()};
        for (int i = 0; i < 5; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << w.focused();
        }
        QCOMPARE(order.join(' '), QStringLiteral("degF degC Picture1 Command1 Command2 degF"));
    }

    void keysPassTheFilter_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QStringList>("events");
        QTest::newRow("negative fraction") << "-5.5"
                                           << "-5.5" << QStringList();
        QTest::newRow("letter") << "a"
                                << "" << QStringList{"beep"};
        QTest::newRow("second point") << "1.2.3"
                                      << "1.23" << QStringList{"beep"};
        QTest::newRow("past the upper bound")
            << "1000000"
            << "100000"
            << QStringList{"msgbox:Input Error|Entry out of range.  Value must be between "
                           "-100000 and  100000"};
    }
    void keysPassTheFilter() {
        QFETCH(QString, keys);
        QFETCH(QString, shown);
        QFETCH(QStringList, events);
        Window w;
        w.type(w.degF, keys);
        QCOMPARE(w.degF->text(), shown);
        QCOMPARE(w.services.events, events);
    }

    void printPageKeepsTheWindowOpen() {
        Window w;
        w.type(w.degF, "50");
        QTest::mouseClick(w.window.findChild<QPushButton*>("Command2"), Qt::LeftButton);
        QCOMPARE(w.services.events, QStringList{"print:Temperature"});
        QVERIFY(w.window.isVisible());
        QCOMPARE(w.degC->text(), QStringLiteral("10.0")); // leaving degF converted it first
    }

    // Only Ok closes the window; ENTER anywhere else leaves it open.
    void enterOnThePictureKeepsTheWindowOpen() {
        Window w;
        w.window.findChild<QWidget*>("Picture1")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(w.window.isVisible());
    }

    void okCloses() {
        Window w;
        QTest::mouseClick(w.window.findChild<QPushButton*>("Command1"), Qt::LeftButton);
        QVERIFY(!w.window.isVisible());
        QCOMPARE(w.services.events, QStringList());
    }
};

QTEST_MAIN(TestTemperature)
#include "test_temperature.moc"
