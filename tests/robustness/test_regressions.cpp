// Faults found by the fuzz targets and the random keystrokes, one case each.
#include "converter_fixture.h"
#include "temperature/temperature.h"
#include "text_rules.h"

class TestRegressions : public QObject {
    Q_OBJECT
private slots:
    // Texts that reach a box without any key (a mouse paste) and are converted later: whatever
    // they hold, the window either refuses them with a message or shows a number in every box.
    // A new frequency derives the other quantities from the base box of the one entered last.
    void frequencyChangeFromPastedBase_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("pasted");
        for (const char* pasted : {"5e-324", "1e-320", "1e-300", "1e-9"}) {
            QTest::newRow(qPrintable(QStringLiteral("acceleration %1").arg(pasted)))
                << "txtAccGrms"
                << "txtAccGrms" << pasted;
            QTest::newRow(qPrintable(QStringLiteral("velocity %1").arg(pasted)))
                << "txtVelIPSrms"
                << "txtVelIPSrms" << pasted;
            QTest::newRow(qPrintable(QStringLiteral("displacement %1").arg(pasted)))
                << "txtDispMILSpp"
                << "txtDispMILSpp" << pasted;
        }
    }
    void frequencyChangeFromPastedBase() {
        QFETCH(QString, entry);
        QFETCH(QString, base);
        QFETCH(QString, pasted);
        ConverterFixture f;
        f.type("txtHZ", "50\n");
        f.type(qPrintable(entry), "2\n");
        f.box(qPrintable(base))->setText(pasted);
        f.type("txtHZ", "60\n");
        if (!f.services.events.isEmpty())
            return; // refused, and the user was told
        for (const char* name : kEntryBoxes)
            if (QLatin1String(name) != base)
                QVERIFY2(plainNumber(f.text(name)),
                         qPrintable(QStringLiteral("%1 shows '%2'").arg(name, f.text(name))));
    }

    // The temperature boxes convert at ENTER and when the focus leaves them.
    void temperatureFromPastedText_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<bool>("enter");
        for (const char* pasted : {"1e308", "-1e308", "1e300", "99999"}) {
            for (const char* source : {"degC", "degF"}) {
                QTest::newRow(qPrintable(QStringLiteral("%1 %2 ENTER").arg(source, pasted)))
                    << source << pasted << true;
                QTest::newRow(qPrintable(QStringLiteral("%1 %2 TAB").arg(source, pasted)))
                    << source << pasted << false;
            }
        }
    }
    void temperatureFromPastedText() {
        QFETCH(QString, source);
        QFETCH(QString, pasted);
        QFETCH(bool, enter);
        RecordingServices services;
        Temperature window(services);
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* box = window.findChild<toolkit::EntryBox*>(source);
        auto* other = window.findChild<toolkit::EntryBox*>(source == "degC" ? "degF" : "degC");
        box->setFocus(Qt::TabFocusReason);
        box->setText(pasted);
        QTest::keyClick(box, enter ? Qt::Key_Return : Qt::Key_Tab);
        if (!services.events.isEmpty())
            return; // refused, and the user was told
        QVERIFY2(
            plainNumber(other->text()),
            qPrintable(QStringLiteral("%1 shows '%2'").arg(other->objectName(), other->text())));
    }

    // ENTER holds a box's text to its lower bound only: a level the window wrote itself converts
    // again, even above the largest that typing reaches.
    void enterOnTheWindowsOwnLevel_data() {
        QTest::addColumn<bool>("iso");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("grms");
        QTest::newRow("g peak of 10000 g rms") << false << "txtHZ:100\n|txtAccGrms:10000\n"
                                               << "txtAccGpk"
                                               << "14140.0"
                                               << "10000.0";
        QTest::newRow("velocity at 1 Hz") << false << "txtHZ:1\n|txtAccGrms:1000\n"
                                          << "txtVelIPSrms"
                                          << "61440.0"
                                          << "1000.0";
        QTest::newRow("ISO decibels of 10000 g") << true << "txtHZ:100\n|txtAccGrms:10000\n"
                                                 << "txtAdB"
                                                 << "220.0"
                                                 << "10000.0";
    }
    void enterOnTheWindowsOwnLevel() {
        QFETCH(bool, iso);
        QFETCH(QString, steps);
        QFETCH(QString, box);
        QFETCH(QString, shown);
        QFETCH(QString, grms);
        ConverterFixture f;
        if (iso)
            QTest::mouseClick(f.control("OptdBISO"), Qt::LeftButton);
        for (const QString& step : steps.split('|'))
            f.type(qPrintable(step.section(':', 0, 0)), step.section(':', 1));
        QCOMPARE(f.text(qPrintable(box)), shown);
        f.type(qPrintable(box), "\n");
        QCOMPARE(f.services.events, QStringList());
        QCOMPARE(f.text("txtAccGrms"), grms);
        for (const char* name : kEntryBoxes) {
            QVERIFY2(f.box(name)->isEnabled(), name);
            QVERIFY2(plainNumber(f.text(name)), name);
        }
    }

    // What the temperature window wrote itself converts back without a word when the user
    // leaves the box or presses ENTER there, even beyond the range the keys allow. In `keys`
    // "<" is the left arrow and "\b" BACKSPACE: removing the point of 10000.5 types 100005.
    void temperatureConvertsItsOwnResult_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("back");
        QTest::newRow("100000 C, TAB from F") << "100000"
                                              << "180032.0" << int(Qt::Key_Tab) << "100000.0";
        QTest::newRow("100000 C, ENTER in F") << "100000"
                                              << "180032.0" << int(Qt::Key_Return) << "100000.0";
        QTest::newRow("-62059 C, TAB from F") << "-62059"
                                              << "-111674.2" << int(Qt::Key_Tab) << "-62059.0";
        QTest::newRow("100005 C, TAB from F") << "10000.5<\b"
                                              << "180041.0" << int(Qt::Key_Tab) << "100005.0";
        QTest::newRow("100005 C, ENTER in F") << "10000.5<\b"
                                              << "180041.0" << int(Qt::Key_Return) << "100005.0";
    }
    void temperatureConvertsItsOwnResult() {
        QFETCH(QString, keys);
        QFETCH(QString, shown);
        QFETCH(int, key);
        QFETCH(QString, back);
        RecordingServices services;
        Temperature window(services);
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* degF = window.findChild<toolkit::EntryBox*>("degF");
        auto* degC = window.findChild<toolkit::EntryBox*>("degC");
        degC->setFocus(Qt::TabFocusReason);
        for (QChar c : keys) {
            if (c == '<')
                QTest::keyClick(degC, Qt::Key_Left);
            else if (c == '\b')
                QTest::keyClick(degC, Qt::Key_Backspace);
            else
                QTest::keyClicks(degC, QString(c));
        }
        QTest::keyClick(degC, Qt::Key_Return);
        QCOMPARE(degF->text(), shown);
        degF->setFocus(Qt::TabFocusReason);
        QTest::keyClick(degF, Qt::Key(key));
        QCOMPARE(services.events, QStringList());
        QCOMPARE(degC->text(), back);
    }
};

QTEST_MAIN(TestRegressions)
#include "test_regressions.moc"
