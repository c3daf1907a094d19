// The converter window as it opens: controls, captions, names, focus and state.
#include "converter_fixture.h"

#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void windowFrame() {
        ConverterFixture f;
        QCOMPARE(f.window->windowTitle(),
                 QStringLiteral(" Orvane - Amplora Vibration Conversion Program"));
        QCOMPARE(f.window->centralWidget()->size(), QSize(692, 504));
        QCOMPARE(f.window->minimumSize(), f.window->maximumSize());
        QCOMPARE(f.window->peakHz, 0.0f);
    }

    void startState() {
        ConverterFixture f;
        for (const char* name : kEntryBoxes) {
            const bool frequency = QByteArray(name) == "txtHZ" || QByteArray(name) == "txtCPM";
            QVERIFY2(f.box(name)->isEnabled() == frequency, name);
            QVERIFY2(f.text(name).isEmpty(), name);
        }
        QVERIFY(f.control<QGroupBox>("Frame1")->isEnabled());
        QVERIFY(f.control<QRadioButton>("OptdBUS")->isChecked());
        QVERIFY(!f.control<QRadioButton>("OptdBISO")->isChecked());
        QVERIFY(f.control<QLabel>("Label5")->isVisible());
        QVERIFY(f.control<QLabel>("Label6")->isVisible());
        QVERIFY(!f.control<QLabel>("Label13")->isVisible());
        QVERIFY(!f.control<QLabel>("Label14")->isVisible());
        QCOMPARE(f.control<QLabel>("Label13")->text(),
                 QString::fromUtf8("AdB re 10E-6 m/sec\u00B2, rms"));
        QVERIFY(!f.control<QGroupBox>("Frame2")->isVisible());
        for (const char* name : {"optACC", "optVel", "optDisp"})
            QVERIFY(!f.control<QRadioButton>(name)->isChecked());
        QCOMPARE(QApplication::focusWidget(), f.box("txtHZ"));
    }

    void tabOrderSkipsDisabledBoxes() {
        ConverterFixture f;
        QStringList order;
        for (int i = 0; i < 8; ++i) {
            order << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(order, QStringList({"txtHZ", "txtCPM", "Command1", "OptdBUS", "Picture1",
                                     "Picture2", "Command2", "txtHZ"}));
    }

    void captions_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("tooltip");
        const QString freq = "Enter the frequency of the vibration peak to be converted and "
                             "press [ENTER]";
        const QString amp = "Enter any known level and press [ENTER] to calculate the rest";
        QTest::newRow("Label1") << "Label1"
                                << "Frequency" << freq;
        QTest::newRow("Label3") << "Label3"
                                << "Hz" << freq;
        QTest::newRow("Label2") << "Label2"
                                << "CPM" << freq;
        QTest::newRow("Label4") << "Label4"
                                << "Amplitude" << amp;
        QTest::newRow("Label7") << "Label7"
                                << "Acceleration, g, rms" << amp;
        QTest::newRow("Label26") << "Label26"
                                 << "Acceleration, g, pk" << amp;
        QTest::newRow("Label9") << "Label9"
                                << "Velocity, in/sec, rms" << amp;
        QTest::newRow("Label10") << "Label10"
                                 << "Velocity, in/sec, peak" << amp;
        QTest::newRow("Label11") << "Label11"
                                 << "Velocity, mm/sec, rms" << amp;
        QTest::newRow("Label25") << "Label25"
                                 << "Velocity, mm/sec, peak" << amp;
        QTest::newRow("Label16") << "Label16"
                                 << "Displacement, mils, pk - pk" << amp;
        QTest::newRow("Label17") << "Label17"
                                 << "Displacement, mm, pk - pk" << amp;
        QTest::newRow("Label5") << "Label5"
                                << "AdB re 1 micro-g, rms"
                                << "";
        QTest::newRow("Label6") << "Label6"
                                << "VdB re 10E-8 m/sec, rms"
                                << "";
        QTest::newRow("Label14") << "Label14"
                                 << "VdB re 10E-9 m/sec, rms" << amp;
        QTest::newRow("Label21") << "Label21"
                                 << "Relationships "
                                 << "";
        QTest::newRow("Label22") << "Label22"
                                 << "Valid for Sine Waves Only"
                                 << "";
        QTest::newRow("Label18") << "Label18"
                                 << "rms = 0.707 x peak"
                                 << "";
        QTest::newRow("Label19") << "Label19"
                                 << "peak = 1.414 x rms"
                                 << "";
        QTest::newRow("Label20") << "Label20"
                                 << "peak - peak = 2 x peak"
                                 << "";
        QTest::newRow("Label24")
            << "Label24"
            << "Enter the frequency of the vibration peak to convert and press [ENTER].  Enter "
               "the amplitude in the correct box and press [ENTER] to calculate the other "
               "units.  Change frequency or amplitude to convert additional peaks."
            << "Click the Help menu for more information";
        QTest::newRow("Label23") << "Label23"
                                 << "https://www.orvane.example"
                                 << "Click here or on the Orvane logo to launch your web "
                                    "browser and go to the Orvane web site.";
        QTest::newRow("Command2") << "Command2"
                                  << "Clear"
                                  << "Click here to clear all enteries";
        QTest::newRow("Command1") << "Command1"
                                  << "Exit"
                                  << "Click here to exit the program";
        QTest::newRow("Frame1") << "Frame1"
                                << "dB Reference"
                                << "Select US or Metric decibel Reference Units when starting "
                                   "program";
        QTest::newRow("Frame3") << "Frame3"
                                << "Instructions"
                                << "";
        QTest::newRow("OptdBUS") << "OptdBUS"
                                 << "US"
                                 << "";
        QTest::newRow("OptdBISO") << "OptdBISO"
                                  << "ISO"
                                  << "";
        QTest::newRow("Picture2") << "Picture2"
                                  << ""
                                  << "These relationships are valid for sine waves only, "
                                     "including FFT spectral peaks";
    }
    void captions() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, tooltip);
        ConverterFixture f;
        QWidget* w = f.window->findChild<QWidget*>(name);
        QVERIFY(w);
        QString shown;
        if (auto* l = qobject_cast<QLabel*>(w))
            shown = l->text();
        else if (auto* b = qobject_cast<QAbstractButton*>(w))
            shown = b->text();
        else if (auto* g = qobject_cast<QGroupBox*>(w))
            shown = g->title();
        QCOMPARE(shown, caption);
        QCOMPARE(w->toolTip(), tooltip);
        if (!name.startsWith("Picture"))
            QVERIFY2(w->accessibleName().isEmpty(), "captions name their own control");
    }

    void accessibleNames() {
        ConverterFixture f;
        const QStringList expected = {"Frequency, Hz",
                                      "Frequency, CPM",
                                      "Acceleration, g, rms",
                                      "Acceleration, g, pk",
                                      "Velocity, in/sec, rms",
                                      "Velocity, in/sec, peak",
                                      "Velocity, mm/sec, rms",
                                      "Velocity, mm/sec, peak",
                                      "Displacement, mils, pk - pk",
                                      "Displacement, mm, pk - pk",
                                      "Acceleration decibels",
                                      "Velocity decibels"};
        QStringList names;
        for (const char* name : kEntryBoxes)
            names << f.box(name)->accessibleName();
        QCOMPARE(names, expected);
        QCOMPARE(f.control("Picture1")->accessibleName(), QStringLiteral("Logo"));
        QCOMPARE(f.control("Picture2")->accessibleName(), QStringLiteral("Relationships"));
        QVERIFY(f.window->accessibleName().isEmpty());
    }

    void menus() {
        ConverterFixture f;
        QStringList tree;
        for (QAction* top : f.window->menuBar()->actions()) {
            QString line = top->text();
            if (top->menu())
                for (QAction* item : top->menu()->actions())
                    line += " | " + (item->isSeparator() ? QStringLiteral("-") : item->text());
            tree << line;
        }
        QCOMPARE(tree, QStringList({"&File | &Print | - | &Exit", "&Temperature",
                                    "&Help | &Operation | &Tutorial | - | &Contact Orvane | - "
                                    "| &About"}));
    }

    void everyControlInsideTheClientArea() {
        ConverterFixture f;
        const QRect client = f.window->centralWidget()->rect();
        for (QWidget* w : f.window->centralWidget()->findChildren<QWidget*>()) {
            const QRect r(w->mapTo(f.window->centralWidget(), QPoint(0, 0)), w->size());
            QVERIFY2(client.contains(r), qPrintable(w->objectName()));
        }
    }
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
