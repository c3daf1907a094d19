// The temperature window: its model as a table, and the window through real keys.
#include "entry/typist.h"
#include "recording_services.h"
#include "temperature/spoken_text.h"
#include "temperature/temperature_scale.h"
#include "temperature/temperature_window.h"
#include "toolkit/entry_box.h"

#include <QApplication>
#include <QTest>

using temperature::Scale;

class TestTemperature : public QObject {
    Q_OBJECT
private slots:
    // "F:keys" or "C:keys" typed ("\n" ENTER, "<" leaving the box), "C=text" pasted.
    void conversions_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("fahrenheit");
        QTest::addColumn<QString>("celsius");
        QTest::addColumn<int>("messages");
        QTest::newRow("boiling") << "C:100\n"
                                 << "212.0"
                                 << "100" << 0;
        QTest::newRow("the two scales meet") << "F:-40\n"
                                             << "-40"
                                             << "-40.0" << 0;
        QTest::newRow("body") << "F:98.6\n"
                              << "98.6"
                              << "37.0" << 0;
        QTest::newRow("a tie rounds away from zero") << "C:-41.25\n"
                                                     << "-42.3"
                                                     << "-41.25" << 0;
        QTest::newRow("leaving converts") << "C:20<"
                                          << "68.0"
                                          << "20" << 0;
        QTest::newRow("leaving an empty box changes nothing") << "C:20|F:<"
                                                              << ""
                                                              << "20" << 0;
        QTest::newRow("a refused key keeps the other box") << "C:20\n|F:x"
                                                           << "68.0"
                                                           << "20" << 0;
        QTest::newRow("typing empties the other box") << "C:20\n|F:5"
                                                      << "5"
                                                      << "" << 0;
        QTest::newRow("own result converts back") << "C:100000\n|F:<"
                                                  << "180032.0"
                                                  << "100000.0" << 0;
        QTest::newRow("a last digit only (F - 32) * 5 / 9 gives") << "F:35.32999999999999\n"
                                                                  << "35.32999999999999"
                                                                  << "1.9" << 0;
        QTest::newRow("the lowest, and one digit below it") << "F:-1000001\n"
                                                            << "-100000"
                                                            << "-55573.3" << 1;
        QTest::newRow("pasted beyond sense") << "C=1e308|C:<"
                                             << ""
                                             << "1e308" << 1;
    }
    void conversions() {
        QFETCH(QString, steps);
        QFETCH(QString, fahrenheit);
        QFETCH(QString, celsius);
        QFETCH(int, messages);
        int told = 0;
        const auto count = [&told](const entry::Notices& notices) {
            for (const entry::Notice& n : notices)
                told += n.kind == entry::Notice::Kind::Message;
        };
        temperature::TemperatureModel model;
        entry::Typist typist(model);
        for (const QString& step : steps.split('|')) {
            const Scale scale = step[0] == 'F' ? Scale::Fahrenheit : Scale::Celsius;
            if (step[1] == '=') {
                typist.paste(scale, step.mid(2).toStdString());
                continue;
            }
            typist.focus(scale);
            const QStringList parts = step.mid(2).split('<'); // left between the parts
            for (qsizetype i = 0; i < parts.size(); ++i) {
                if (i > 0)
                    count(model.leave(scale));
                count(typist.type(scale, parts[i].toStdString()));
            }
        }
        QCOMPARE(QString::fromStdString(model.text(Scale::Fahrenheit)), fahrenheit);
        QCOMPARE(QString::fromStdString(model.text(Scale::Celsius)), celsius);
        QCOMPARE(told, messages);
    }

    // Both scales share one axis: every mark at its true height, the Fahrenheit ones left of
    // the axis, the Celsius ones right of it (0 °C has no Fahrenheit mark beside it).
    void scaleMarks() {
        temperature::TemperatureScale scale;
        scale.resize(temperature::TemperatureScale::kWidth, temperature::TemperatureScale::kHeight);
        const QImage image = scale.grab().toImage();
        const auto inked = [&image](int x, double row) {
            return qGray(image.pixel(x, qRound(row))) < 128;
        };
        const int axis = temperature::TemperatureScale::kWidth / 2;
        for (int c = -50; c <= 150; c += 25)
            QVERIFY2(inked(axis + 3, scale.rowOfCelsius(c)) &&
                         !inked(axis + 3, scale.rowOfCelsius(c) + 3),
                     qPrintable(QString::number(c)));
        for (int f = -50; f <= 300; f += 25)
            QVERIFY2(inked(axis - 3, scale.rowOfFahrenheit(f)), qPrintable(QString::number(f)));
        QVERIFY(!inked(axis - 3, scale.rowOfCelsius(0)));
        QCOMPARE(scale.rowOfCelsius(100), scale.rowOfFahrenheit(212));
    }

    // A conversion is said with both temperatures, one decimal at least, Fahrenheit first.
    void announcement() {
        for (const auto& [keys, said] :
             {std::pair{"F:100\n", "Converted: Fahrenheit 100.0; Celsius 37.8"},
              {"C:-41.25\n", "Converted: Fahrenheit -42.3; Celsius -41.25"}}) {
            temperature::TemperatureModel model;
            entry::Typist(model).type(keys[0] == 'F' ? Scale::Fahrenheit : Scale::Celsius,
                                      keys + 2);
            QCOMPARE(temperature::conversionAnnouncement(model), said);
        }
    }

    // SHIFT+TAB from Celsius converts and selects the whole Fahrenheit text; ALT types nothing.
    void windowThroughKeys() {
        RecordingServices services;
        temperature::TemperatureWindow window(services);
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* degF = window.findChild<toolkit::EntryBox*>("degF");
        auto* degC = window.findChild<toolkit::EntryBox*>("degC");
        QTest::keyClick(degF, Qt::Key_Tab);
        QTest::keyClicks(degC, "20");
        QTest::sendKeyEvent(QTest::Click, degC, Qt::Key_A, QStringLiteral("a"), Qt::AltModifier);
        QTest::keyClick(degC, Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(degC->text(), QStringLiteral("20"));
        QTRY_COMPARE(degF->selectedText(), QStringLiteral("68.0")); // once the focus is told
        QCOMPARE(services.events, QStringList());
        QVERIFY(degF->accessibleName().contains("Fahrenheit") &&
                degC->accessibleName().contains("Celsius"));
    }
};

QTEST_MAIN(TestTemperature)
#include "test_temperature.moc"
