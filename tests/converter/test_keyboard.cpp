// The converter's keyboard behaviour through real key events on the real window.
#include "converter_fixture.h"

#include <QClipboard>
#include <QGroupBox>
#include <QLabel>

namespace {

const QString kHzRange =
    "msgbox:Input Error|Entry out of range.  Value must be between  1 and  100000";
const QString kLevelRange =
    "msgbox:Input Error|Entry out of range.  Value must be between  1E-08 and  10000";
const QString kDbRange =
    "msgbox:Input Error|Entry out of range.  Value must be between -60 and  200";
const QString kNoFrequency = "msgbox:Sorry...|Please enter the frequency first";

// "box:keys|box:keys" typed in order.
void play(ConverterFixture& f, const QString& steps) {
    for (const QString& step : steps.split('|', Qt::SkipEmptyParts)) {
        const qsizetype colon = step.indexOf(':');
        f.type(qPrintable(step.left(colon)), step.mid(colon + 1));
    }
}

// "box=text box=text": the texts expected; "box=" means empty.
void expectTexts(ConverterFixture& f, const QString& texts) {
    for (const QString& pair : texts.split(' ', Qt::SkipEmptyParts)) {
        const qsizetype eq = pair.indexOf('=');
        const QString name = pair.left(eq);
        QVERIFY2(f.text(qPrintable(name)) == pair.mid(eq + 1),
                 qPrintable(name + " shows '" + f.text(qPrintable(name)) + "', expected '" +
                            pair.mid(eq + 1) + "'"));
    }
}

QString enabledBoxes(ConverterFixture& f) {
    QStringList on;
    for (const char* name : kEntryBoxes)
        if (f.box(name)->isEnabled())
            on << name;
    return on.size() == 12 ? QStringLiteral("all") : on.join(' ');
}

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT
private slots:
    void roadOfOneConversion() {
        ConverterFixture f;
        f.type("txtHZ", "5");
        expectTexts(f, "txtHZ=5 txtCPM=");
        QVERIFY(!f.control<QGroupBox>("Frame1")->isEnabled());
        QCOMPARE(enabledBoxes(f), QStringLiteral("txtHZ"));
        f.type("txtHZ", "0\n");
        expectTexts(f, "txtHZ=50.0 txtCPM=3000.0");
        QCOMPARE(f.window->peakHz, 50.0f);
        QCOMPARE(enabledBoxes(f), QStringLiteral("all"));

        f.type("txtAccGpk", "1");
        QCOMPARE(enabledBoxes(f), QStringLiteral("txtAccGpk"));
        f.type("txtAccGpk", "\n");
        QVERIFY(f.control<QRadioButton>("optACC")->isChecked());
        expectTexts(f, "txtAdB=117.0 txtAccGrms=0.707 txtAccGpk=1.0 txtVelIPSrms=0.869 "
                       "txtVelIPSpk=1.23 txtVdB=126.9 txtVelMMSrms=22.1 txtVelMMSpk=31.2 "
                       "txtDispMILSpp=7.83 txtDispMMpk=0.199 txtHZ=50.0 txtCPM=3000.0");
        QCOMPARE(enabledBoxes(f), QStringLiteral("all"));

        f.type("txtHZ", "1"); // the highlight selected "50.0": the digit replaces it
        expectTexts(f, "txtHZ=1 txtCPM= txtAccGrms=0.707 txtAccGpk=1.0 txtAdB=117.0 "
                       "txtVelIPSrms= txtVelIPSpk= txtVdB= txtVelMMSrms= txtVelMMSpk= "
                       "txtDispMILSpp= txtDispMMpk=");
        f.type("txtHZ", "00\n");
        expectTexts(f, "txtHZ=100.0 txtCPM=6000.0 txtAccGrms=0.707 txtVelIPSrms=0.434 "
                       "txtDispMILSpp=1.96");
        QCOMPARE(f.services.events, QStringList());
    }

    void frequencyEntry_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("texts");
        QTest::addColumn<float>("peakHz");
        QTest::newRow("Hz") << "txtHZ:50\n"
                            << "txtHZ=50.0 txtCPM=3000.0" << 50.0f;
        QTest::newRow("CPM") << "txtCPM:1000\n"
                             << "txtHZ=16.67 txtCPM=1000.0" << 16.666666f;
        QTest::newRow("two decimals") << "txtHZ:12.346\n"
                                      << "txtHZ=12.35 txtCPM=740.76" << 12.346f;
        QTest::newRow("CPM below 1 Hz") << "txtCPM:30\n"
                                        << "txtHZ=0.5 txtCPM=30.0" << 0.5f;
        QTest::newRow("CPM top") << "txtCPM:6000000\n"
                                 << "txtHZ=100000.0 txtCPM=6000000.0" << 100000.0f;
        QTest::newRow("BACKSPACE edits") << "txtHZ:123\b\n"
                                         << "txtHZ=12.0 txtCPM=720.0" << 12.0f;
    }
    void frequencyEntry() {
        QFETCH(QString, steps);
        QFETCH(QString, texts);
        QFETCH(float, peakHz);
        ConverterFixture f;
        play(f, steps);
        expectTexts(f, texts);
        QCOMPARE(f.window->peakHz, peakHz);
        QCOMPARE(enabledBoxes(f), QStringLiteral("all"));
        QCOMPARE(f.services.events, QStringList());
    }

    // Refused keys: what the box keeps, what the user is told, which boxes stay usable.
    void refusals_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("texts");
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<QString>("enabled");
        const QString hz = "txtHZ:50\n|";
        QTest::newRow("letter in Hz") << hz + "txtHZ:a"
                                      << "txtHZ=50.0 txtCPM=" << QStringList{"beep"} << "txtHZ";
        QTest::newRow("first zero in Hz") << "txtHZ:0"
                                          << "txtHZ=" << QStringList{kHzRange} << "txtHZ";
        QTest::newRow("minus in Hz") << "txtHZ:-"
                                     << "txtHZ=" << QStringList{kHzRange, "beep"} << "txtHZ";
        QTest::newRow("Hz above range") << "txtHZ:1000000"
                                        << "txtHZ=100000" << QStringList{kHzRange} << "txtHZ";
        QTest::newRow("fraction below 1 Hz") << "txtHZ:.5"
                                             << "txtHZ=." << QStringList{kHzRange} << "txtHZ";
        QTest::newRow("ENTER in empty Hz") << "txtHZ:\n"
                                           << "txtHZ= txtCPM=" << QStringList{kHzRange} << "txtHZ";
        QTest::newRow("ENTER on lone point")
            << "txtCPM:.\n"
            << "txtCPM=."
            << QStringList{"msgbox:Input Error|Entry out of range.  "
                           "Value must be between  1 and  6000000"}
            << "txtCPM";
        QTest::newRow("second point") << "txtHZ:1.5."
                                      << "txtHZ=1.5" << QStringList{"beep"} << "txtHZ";
        QTest::newRow("selected digits replaced")
            << "txtHZ:99999*5\n"
            << "txtHZ=5.0 txtCPM=300.0" << QStringList{} << "all";
        QTest::newRow("minus in level") << hz + "txtAccGrms:-"
                                        << "txtAccGrms=" << QStringList{"beep"} << "txtAccGrms";
        QTest::newRow("small level step by step")
            << hz + "txtAccGrms:0.05"
            << "txtAccGrms=0.05" << QStringList{} << "txtAccGrms";
        QTest::newRow("ENTER on zero level")
            << hz + "txtAccGrms:0.0\n"
            << "txtAccGrms=0.0" << QStringList{kLevelRange} << "txtAccGrms";
        QTest::newRow("level above range")
            << hz + "txtVelMMSpk:100000"
            << "txtVelMMSpk=10000" << QStringList{kLevelRange} << "txtVelMMSpk";
        QTest::newRow("mm level to a million")
            << hz + "txtDispMMpk:1000000"
            << "txtDispMMpk=1000000" << QStringList{} << "txtDispMMpk";
        QTest::newRow("decibels below -60") << hz + "txtAdB:-70"
                                            << "txtAdB=-7" << QStringList{kDbRange} << "txtAdB";
        QTest::newRow("decibels above 200") << hz + "txtVdB:201"
                                            << "txtVdB=20" << QStringList{kDbRange} << "txtVdB";
        QTest::newRow("second minus") << hz + "txtAdB:-6-"
                                      << "txtAdB=-6" << QStringList{"beep"} << "txtAdB";
        QTest::newRow("minus after the first place")
            << hz + "txtAdB:65<-"
            << "txtAdB=65" << QStringList{"beep"} << "txtAdB";
    }
    void refusals() {
        QFETCH(QString, steps);
        QFETCH(QString, texts);
        QFETCH(QStringList, events);
        QFETCH(QString, enabled);
        ConverterFixture f;
        play(f, steps);
        expectTexts(f, texts);
        QCOMPARE(f.services.events, events);
        QCOMPARE(enabledBoxes(f), enabled);
    }

    void clipboardShortcutsAreRefused() {
        ConverterFixture f;
        QApplication::clipboard()->setText(QStringLiteral("42"));
        f.type("txtHZ", "7");
        for (Qt::Key key : {Qt::Key_V, Qt::Key_C, Qt::Key_X})
            QTest::keyClick(f.box("txtHZ"), key, Qt::ControlModifier);
        QCOMPARE(f.text("txtHZ"), QStringLiteral("7"));
        QCOMPARE(f.services.events, QStringList({"beep", "beep", "beep"}));
    }

    // Each level box converts to every other unit, at the frequency shown in txtHZ.
    void levelEntry_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("texts");
        QTest::addColumn<QString>("quantity");
        QTest::newRow("g rms") << "txtHZ:100\n|txtAccGrms:1\n"
                               << "txtAccGrms=1.0 txtAccGpk=1.41 txtAdB=120.0 "
                                  "txtVelIPSrms=0.614 txtVelIPSpk=0.869 txtVelMMSrms=15.6 "
                                  "txtVelMMSpk=22.1 txtVdB=123.9 txtDispMILSpp=2.77 "
                                  "txtDispMMpk=0.0703"
                               << "optACC";
        QTest::newRow("in/sec peak") << "txtHZ:100\n|txtVelIPSpk:1\n"
                                     << "txtVelIPSrms=0.707 txtVelIPSpk=1.0 txtAccGrms=1.15"
                                     << "optVel";
        QTest::newRow("in/sec rms") << "txtHZ:100\n|txtVelIPSrms:1000\n"
                                    << "txtVelIPSrms=1000.0 txtVelIPSpk=1414.4"
                                    << "optVel";
        QTest::newRow("mm/sec peak") << "txtHZ:100\n|txtVelMMSpk:35.9156\n"
                                     << "txtVelIPSrms=1.0 txtVelMMSpk=35.9"
                                     << "optVel";
        QTest::newRow("mm pk-pk") << "txtHZ:100\n|txtDispMMpk:25.4\n"
                                  << "txtDispMILSpp=1000.0 txtDispMMpk=25.4"
                                  << "optDisp";
        QTest::newRow("acceleration dB") << "txtHZ:100\n|txtAdB:120\n"
                                         << "txtAdB=120.0 txtAccGrms=1.0 txtVelIPSrms=0.614"
                                         << "optACC";
        QTest::newRow("velocity dB") << "txtHZ:100\n|txtVdB:128.0900756\n"
                                     << "txtVdB=128.1 txtVelIPSrms=1.0 txtVelIPSpk=1.41"
                                     << "optVel";
        QTest::newRow("lowest dB") << "txtHZ:100\n|txtAdB:-60\n"
                                   << "txtAdB=-60.0 txtAccGrms=0.000000001"
                                   << "optACC";
        QTest::newRow("empty dB is the reference") << "txtHZ:100\n|txtAdB:\n"
                                                   << "txtAdB=0.0 txtAccGrms=0.000001"
                                                   << "optACC";
        QTest::newRow("frequency typed in CPM") << "txtCPM:100\n|txtAccGrms:1\n"
                                                << "txtHZ=1.67 txtVelIPSrms=36.8"
                                                << "optACC";
    }
    void levelEntry() {
        QFETCH(QString, steps);
        QFETCH(QString, texts);
        QFETCH(QString, quantity);
        ConverterFixture f;
        play(f, steps);
        expectTexts(f, texts);
        QVERIFY(f.control<QRadioButton>(qPrintable(quantity))->isChecked());
        QCOMPARE(enabledBoxes(f), QStringLiteral("all"));
        for (const char* name : kEntryBoxes)
            QVERIFY2(!f.text(name).isEmpty(), name);
        QCOMPARE(f.services.events, QStringList());
    }

    void isoReadsTwentyDecibelsMore() {
        ConverterFixture f;
        QTest::mouseClick(f.control("OptdBISO"), Qt::LeftButton);
        QVERIFY(f.control<QLabel>("Label13")->isVisible());
        QVERIFY(f.control<QLabel>("Label14")->isVisible());
        QVERIFY(!f.control<QLabel>("Label5")->isVisible());
        play(f, "txtHZ:100\n|txtAccGrms:1\n");
        expectTexts(f, "txtAdB=140.0 txtVdB=143.9");
        QTest::mouseClick(f.control("OptdBUS"), Qt::LeftButton);
        QVERIFY(f.control<QRadioButton>("OptdBISO")->isChecked()); // locked
    }

    void captionsFollowTheFocusedReferenceButton() {
        ConverterFixture f;
        QTest::mouseClick(f.control("OptdBISO"), Qt::LeftButton);
        QTest::keyClick(f.control("OptdBISO"), Qt::Key_Left);
        QVERIFY(f.control<QRadioButton>("OptdBUS")->isChecked());
        QVERIFY(f.control<QLabel>("Label5")->isVisible());
        QVERIFY(!f.control<QLabel>("Label13")->isVisible());
    }

    void refusedFrequencyKeyStillLocksTheReference() {
        ConverterFixture f;
        f.type("txtCPM", "x");
        QVERIFY(!f.control<QGroupBox>("Frame1")->isEnabled());
        QCOMPARE(f.services.events, QStringList{"beep"});
    }

    void frequencyChangeKeepsTheEnteredQuantity_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("whileTyping");
        QTest::addColumn<QString>("afterEnter");
        QTest::newRow("velocity") << "txtVelIPSrms:1\n"
                                  << "txtVelIPSrms=1.0 txtVdB=128.1 txtAccGrms= txtAdB= "
                                     "txtDispMILSpp= txtDispMMpk="
                                  << "txtVelIPSrms=1.0 txtAccGrms=3.26";
        QTest::newRow("displacement") << "txtDispMILSpp:2\n"
                                      << "txtDispMILSpp=2.0 txtDispMMpk=0.0508 txtAccGrms= "
                                         "txtVelIPSrms= txtVdB="
                                      << "txtDispMILSpp=2.0 txtAccGrms=2.89";
    }
    void frequencyChangeKeepsTheEnteredQuantity() {
        QFETCH(QString, entry);
        QFETCH(QString, whileTyping);
        QFETCH(QString, afterEnter);
        ConverterFixture f;
        play(f, "txtHZ:100\n|" + entry + "|txtHZ:2");
        expectTexts(f, whileTyping);
        QCOMPARE(enabledBoxes(f), QStringLiteral("txtHZ"));
        f.type("txtHZ", "00\n");
        expectTexts(f, afterEnter);
        QCOMPARE(enabledBoxes(f), QStringLiteral("all"));
    }

    void frequencyWithoutLevelChangesNoLevel() {
        ConverterFixture f;
        play(f, "txtHZ:50\n|txtHZ:60\n");
        for (const char* name : kEntryBoxes)
            if (QByteArray(name).startsWith("txt") && f.box(name) != f.box("txtHZ") &&
                f.box(name) != f.box("txtCPM"))
                QVERIFY2(f.text(name).isEmpty(), name);
    }

    void typingGuardEmptiesAndLocksOnEveryKeyDown_data() {
        QTest::addColumn<QString>("keys");
        QTest::newRow("arrow") << "<";
        QTest::newRow("shift alone") << "^";
        QTest::newRow("delete") << "~";
    }
    void typingGuardEmptiesAndLocksOnEveryKeyDown() {
        QFETCH(QString, keys);
        ConverterFixture f;
        play(f, "txtHZ:50\n|txtAccGrms:1\n|txtVelIPSrms:" + keys);
        expectTexts(f, "txtHZ=50.0 txtCPM=3000.0 txtAccGrms= txtAdB= txtVdB= txtDispMMpk=");
        QCOMPARE(enabledBoxes(f), QStringLiteral("txtVelIPSrms"));
    }

    void typingGuardWarnsWithoutFrequency() {
        ConverterFixture f;
        f.box("txtVdB")->setEnabled(true); // only reachable when no frequency was ever kept
        f.type("txtVdB", "5");
        QCOMPARE(f.services.events, QStringList{kNoFrequency});
        QCOMPARE(f.text("txtVdB"), QStringLiteral("5"));
        QCOMPARE(enabledBoxes(f), QStringLiteral("txtVdB"));
    }

    void highlightSelectsTheWholeText() {
        ConverterFixture f;
        play(f, "txtHZ:50\n|txtAccGrms:12.3\n");
        QTest::keyClick(f.box("txtAccGrms"), Qt::Key_Tab);
        QTest::keyClick(f.box("txtAccGpk"), Qt::Key_Backtab);
        QCOMPARE(f.box("txtAccGrms")->SelStart(), 0);
        QCOMPARE(f.box("txtAccGrms")->SelLength(), 4);
    }

    // Text that arrived without key presses is checked at the next ENTER.
    void enterWithoutUsableFrequency_data() {
        QTest::addColumn<QString>("hzText");
        QTest::addColumn<QString>("message");
        QTest::newRow("emptied") << "" << kNoFrequency;
        QTest::newRow("zero") << "0" << kNoFrequency;
        QTest::newRow("beyond single precision") << "1e39" << kHzRange;
        QTest::newRow("negative") << "-5" << kHzRange;
        QTest::newRow("above range") << "200000" << kHzRange;
    }
    void enterWithoutUsableFrequency() {
        QFETCH(QString, hzText);
        QFETCH(QString, message);
        ConverterFixture f;
        play(f, "txtHZ:50\n");
        f.box("txtHZ")->setText(hzText); // as a mouse cut or paste leaves it
        play(f, "txtAccGrms:2\n");
        QCOMPARE(f.services.events, QStringList{message});
        expectTexts(f, "txtAccGrms=2 txtAccGpk= txtVelIPSrms= txtDispMMpk=");
        QCOMPARE(enabledBoxes(f), QStringLiteral("all"));
        QCOMPARE(f.window->peakHz, 50.0f);
    }

    void pastedAbsurdTextIsRefusedAtEnter_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("message");
        QTest::newRow("level") << "txtAccGrms"
                               << "1e300" << kLevelRange;
        QTest::newRow("decibels") << "txtAdB"
                                  << "1e300" << kDbRange;
        QTest::newRow("frequency") << "txtHZ"
                                   << "1e39" << kHzRange;
    }
    void pastedAbsurdTextIsRefusedAtEnter() {
        QFETCH(QString, box);
        QFETCH(QString, pasted);
        QFETCH(QString, message);
        ConverterFixture f;
        play(f, "txtHZ:50\n");
        toolkit::EntryBox* b = f.box(qPrintable(box));
        b->setFocus(Qt::TabFocusReason);
        b->selectAll();
        QApplication::clipboard()->setText(pasted);
        QTest::keyClick(b, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(b->text(), pasted);
        QTest::keyClick(b, Qt::Key_Return);
        QCOMPARE(f.services.events, QStringList{message});
        QCOMPARE(b->text(), pasted);
        QCOMPARE(f.window->peakHz, 50.0f);
        for (const char* name : kEntryBoxes)
            QVERIFY2(!f.text(name).contains("inf") && !f.text(name).contains("nan"), name);
    }

    void recomputeRefusesPastedBaseLevel() {
        ConverterFixture f;
        play(f, "txtHZ:50\n|txtAccGrms:1\n");
        f.box("txtAccGrms")->setText(QStringLiteral("1e300"));
        play(f, "txtHZ:60\n");
        QCOMPARE(f.services.events, QStringList{kLevelRange});
        expectTexts(f, "txtHZ=60.0 txtVelIPSrms= txtDispMILSpp=");
        QCOMPARE(enabledBoxes(f), QStringLiteral("all"));
    }
};

QTEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
