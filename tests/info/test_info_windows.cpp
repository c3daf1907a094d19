// The help, tutorial, About and contact windows: texts, buttons, keys and the web address.

#include "info/maker.h"
#include "recording_services.h"
#include "secondary_windows.h"
#include "toolkit/twips.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

QString focused() {
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

} // namespace

class TestInfoWindows : public QObject {
    Q_OBJECT

    struct Open {
        RecordingServices services;
        std::unique_ptr<QDialog> window;

        explicit Open(const QString& name) : window(makeSecondaryWindow(name, services)) {
            window->show();
            QApplication::setActiveWindow(window.get());
            if (!QTest::qWaitForWindowActive(window.get()))
                qFatal("window did not become active");
        }
        template <class T = QWidget> T* control(const QString& name) const {
            return window->findChild<T*>(name);
        }
    };

private slots:
    void initTestCase() { toolkit::useLayoutFont(); }

    void fixedTexts_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("text");
        QTest::newRow("Help 1") << "Help"
                                << "Label1"
                                << "Select US or ISO references for decibel units immediately "
                                   "after starting the program.  The reference units can not be "
                                   "changed after any values are entered into the program.";
        QTest::newRow("Help 2") << "Help"
                                << "Label2"
                                << "Select the frequency of the vibration peak to be converted "
                                   "in either Hz or CPM.  Press [ENTER] after the frequency is "
                                   "entered.  Note: This conversion is only valid for sinusoids "
                                   "and not overall levels.";
        QTest::newRow("Help 3") << "Help"
                                << "Label3"
                                << "Enter the vibration level in the location corresponding to "
                                   "its units.  Press [ENTER] to calculate other units.";
        QTest::newRow("Help 4")
            << "Help"
            << "Label4"
            << "Enter another vibration level or frequency to make another conversion.";
        QTest::newRow("Help number") << "Help"
                                     << "Label8"
                                     << "4";
        QTest::newRow("tutorial 1")
            << "tutorial"
            << "Label1"
            << "Vibration can be measured in terms of acceleration, velocity or displacement, "
               "with a number of common units used for each.  The conversion between "
               "acceleration, velocity and displacement depends on the frequency of the "
               "vibration signal.  Therefore, conversion between overall vibration levels (as "
               "might be taken with a broadband meter) is not possible because the frequency "
               "content of the vibration reading is unknown.";
        QTest::newRow("tutorial 2")
            << "tutorial"
            << "Label2"
            << "If the frequency of a vibration peak is known, equivalent levels in terms of "
               "acceleration, velocity and displacement can be calculated.  These conversions "
               "are valid for sinusoids (sine waves) only, and applies to peaks read from an FFT "
               "spectrum analyzer.  To convert levels, enter the frequency in either Hz (cycles "
               "per second) or CPM (cycles per minute).  Enter the vibration level in the "
               "appropriate space, carefully noting whether the original level is rms, peak or "
               "peak-to-peak.  Failure to note the correct measurement mode can result in errors "
               "of up to 2.8 times.  The sketch on the main page shows this relationship.  "
               "Always specify rms, peak or peak-to-peak when comparing vibration levels to "
               "prevent errors.";
        QTest::newRow("About title") << "frmAbout"
                                     << "lblTitle"
                                     << "Amplora ";
        QTest::newRow("About version") << "frmAbout"
                                       << "lblVersion"
                                       << "Version 2.0.1";
        QTest::newRow("maker") << "Contact"
                               << "Label1"
                               << "Orvane - Orvane Instruments, Inc";
        QTest::newRow("web address") << "Contact"
                                     << "Label8" << info::kWebAddress;
    }
    void fixedTexts() {
        QFETCH(QString, window);
        QFETCH(QString, label);
        QFETCH(QString, text);
        Open w(window);
        QCOMPARE(w.control<QLabel>(label)->text(), text);
    }

    void contactLinesStartWithTheirCaptions_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("caption");
        QTest::newRow("phone") << "Label6"
                               << "Phone: (";
        QTest::newRow("toll free") << "Label5"
                                   << "Toll Free: 1-800-555-";
        QTest::newRow("fax") << "Label4"
                             << "Fax: (";
        QTest::newRow("e-mail") << "Label7"
                                << "Customer Service: ";
    }
    void contactLinesStartWithTheirCaptions() {
        QFETCH(QString, label);
        QFETCH(QString, caption);
        Open w("Contact");
        const QString text = w.control<QLabel>(label)->text();
        QVERIFY2(text.startsWith(caption) && text.size() > caption.size(), qPrintable(text));
    }

    // The acceleration references read m/sec squared, the velocity ones plain m/sec.
    void tutorialThirdParagraph() {
        Open w("tutorial");
        const QString text = w.control<QLabel>("Label3")->text();
        QCOMPARE(text.size(), 769);
        const QChar squared(0x00B2);
        QCOMPARE(text.count(squared), 2);
        QVERIFY(text.contains(QStringLiteral("10E-5 m/sec") + squared + " rms in the US"));
        QVERIFY(text.contains(QStringLiteral("10E-6 m/sec") + squared + " rms in Europe."));
        QVERIFY(text.contains("10E-8 m/sec rms in the US and 10E-9 m/sec rms in Europe."));
        QVERIFY(text.contains("A factor of 20 dB is equal is a 10-fold increase"));
        QVERIFY(text.startsWith("Decibel levels are logarithmic"));
        QVERIFY(text.endsWith("misinterpretation of results."));
    }

    void tutorialIsTeal_data() {
        QTest::addColumn<QPoint>("where");
        QTest::newRow("window margin") << QPoint(3, 300);
        QTest::newRow("inside a paragraph label") << QPoint(590, 340);
    }
    void tutorialIsTeal() {
        QFETCH(QPoint, where);
        Open w("tutorial");
        const QImage image = w.window->grab().toImage();
        QCOMPARE(QColor(image.pixel(where)), QColor(0, 192, 192));
    }

    void buttons_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<bool>("staysOpen");
        const QStringList none;
        QTest::newRow("Help OK") << "Help"
                                 << "Command1"
                                 << "OK" << none << false;
        QTest::newRow("Help print") << "Help"
                                    << "Command2"
                                    << "Print Page" << QStringList{"print:Help"} << true;
        QTest::newRow("tutorial Ok") << "tutorial"
                                     << "Command2"
                                     << "Ok" << none << false;
        QTest::newRow("tutorial print") << "tutorial"
                                        << "Command1"
                                        << "Print Page" << QStringList{"print:tutorial"} << true;
        QTest::newRow("About OK") << "frmAbout"
                                  << "cmdOK"
                                  << "OK" << none << false;
        QTest::newRow("Contact Ok") << "Contact"
                                    << "Command1"
                                    << "Ok" << none << false;
        QTest::newRow("Contact print") << "Contact"
                                       << "Command2"
                                       << "Print Page" << QStringList{"print:Contact"} << true;
    }
    void buttons() {
        QFETCH(QString, window);
        QFETCH(QString, button);
        QFETCH(QString, caption);
        QFETCH(QStringList, events);
        QFETCH(bool, staysOpen);
        Open w(window);
        auto* b = w.control<QPushButton>(button);
        QCOMPARE(b->text(), caption);
        QTest::mouseClick(b, Qt::LeftButton);
        QCOMPARE(w.services.events, events);
        QCOMPARE(w.window->isVisible(), staysOpen);
    }

    void focusOrder_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("order");
        QTest::newRow("Help") << "Help"
                              << "Command1 Command2 Command1";
        QTest::newRow("tutorial") << "tutorial"
                                  << "Command2 Command1 Command2";
        QTest::newRow("About") << "frmAbout"
                               << "cmdOK cmdOK";
        QTest::newRow("Contact") << "Contact"
                                 << "Command1 Command2 Picture1 Command1";
    }
    void focusOrder() {
        QFETCH(QString, window);
        QFETCH(QString, order);
        Open w(window);
        QStringList seen{focused()};
        while (seen.size() < order.count(' ') + 1) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            seen << focused();
        }
        QCOMPARE(seen.join(' '), order);
    }

    void aboutClosesOnKeys_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("enter") << int(Qt::Key_Return);
        QTest::newRow("keypad enter") << int(Qt::Key_Enter);
        QTest::newRow("escape") << int(Qt::Key_Escape);
    }
    void aboutClosesOnKeys() {
        QFETCH(int, key);
        Open w("frmAbout");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QVERIFY(!w.window->isVisible());
    }

    // Grey over white, one pixel apart.
    void aboutSeparatorIsEtched() {
        Open w("frmAbout");
        const QImage image = w.window->grab().toImage();
        QCOMPARE(QColor(image.pixel(200, 163)), QColor(128, 128, 128));
        QCOMPARE(QColor(image.pixel(200, 164)), QColor(Qt::white));
        QCOMPARE(QColor(image.pixel(200, 165)), QColor(Qt::white));
    }

    // The underline lies over the address label but lets its clicks through.
    void contactAddressOpensTheWebSite_data() {
        QTest::addColumn<QPoint>("where");
        QTest::newRow("on the text") << QPoint(400, 318);
        QTest::newRow("on the underline") << QPoint(400, 337);
    }
    void contactAddressOpensTheWebSite() {
        QFETCH(QPoint, where);
        Open w("Contact");
        auto* label = w.control<QLabel>("Label8");
        QCOMPARE(w.window->childAt(where), label);
        QTest::mouseClick(label, Qt::LeftButton, {}, label->mapFrom(w.window.get(), where));
        QCOMPARE(w.services.events, QStringList{"open:https://www.orvane.example"});
        QVERIFY(w.window->isVisible());
    }
};

QTEST_MAIN(TestInfoWindows)
#include "test_info_windows.moc"
