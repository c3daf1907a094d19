#include "engine/display_format.h"
#include "engine/sigdig.h"
#include "toolkit/memory_textbox.h"

#include <QTest>

#include <cfloat>
#include <cmath>
#include <limits>
#include <string>

using engine::formatPattern;
using engine::sigdigText;

class TestDisplayFormat : public QObject {
    Q_OBJECT

private slots:
    void sigdigShows_data() {
        QTest::addColumn<double>("level");
        QTest::addColumn<QString>("text");
        QTest::newRow("12.345") << 12.345 << "12.3";
        QTest::newRow("123456.78") << 123456.78 << "123456.8";
        QTest::newRow("99.96 carries") << 99.96 << "100.0";
        QTest::newRow("10 is not above 10") << 10.0 << "10.0";
        QTest::newRow("9.996 carries") << 9.996 << "10.0";
        QTest::newRow("5.4321") << 5.4321 << "5.43";
        QTest::newRow("2.5") << 2.5 << "2.5";
        QTest::newRow("1 is not above 1") << 1.0 << "1.0";
        QTest::newRow("0.54321") << 0.54321 << "0.543";
        QTest::newRow("0.054321") << 0.054321 << "0.0543";
        QTest::newRow("0.0012345") << 0.0012345 << "0.00123";
        QTest::newRow("0.000054321") << 0.000054321 << "0.0000543";
        QTest::newRow("eleven decimals") << 0.000000054321 << "0.00000005432";
        QTest::newRow("1E-07 falls below") << 1E-07 << "0.0000001";
        QTest::newRow("zero") << 0.0 << "0.0";
        QTest::newRow("-3.456") << -3.456 << "-3.5";
        QTest::newRow("-1234.56") << -1234.56 << "-1234.6";
        QTest::newRow("2.675 from 15 digits") << 2.675 << "2.68";
        QTest::newRow("tiny negative") << -0.04 << "0.0";
        QTest::newRow("negative zero") << -0.0 << "0.0";
        QTest::newRow("-0.05 rounds away") << -0.05 << "-0.1";
        QTest::newRow("subnormal") << 5e-324 << "0.0";
        QTest::newRow("1e300") << 1e300 << QString("1" + QString(300, '0') + ".0");
        QTest::newRow("DBL_MAX") << DBL_MAX
                                 << QString("179769313486232" + QString(294, '0') + ".0");
        QTest::newRow("inf") << std::numeric_limits<double>::infinity() << "";
        QTest::newRow("-inf") << -std::numeric_limits<double>::infinity() << "";
        QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << "";
    }
    void sigdigShows() {
        QFETCH(double, level);
        QFETCH(QString, text);
        toolkit::MemoryTextBox box("old");
        box.SetEnabled(false);
        engine::sigdig(level, box);
        QCOMPARE(QString::fromStdString(box.Text()), text);
        QVERIFY(!box.Enabled());
        QCOMPARE(box.focusRequests, 0);
    }

    // Every threshold belongs to the band below it; its upper neighbour to the band above.
    void bandsAtThresholds() {
        const double thresholds[] = {10, 1, 0.1, 0.01, 0.001, 1E-04, 1E-05, 1E-06, 1E-07};
        const char* above[] = {"###0.0",       "###0.0#",       "###0.0##",
                               "###0.0###",    "###0.0####",    "###0.0#####",
                               "###0.0######", "###0.0#######", "###0.0########"};
        for (int i = 0; i < 9; ++i) {
            const double up = std::nextafter(thresholds[i], INFINITY);
            QCOMPARE(engine::sigdigPattern(up), std::string_view(above[i]));
            const auto below = i < 8 ? std::string_view(above[i + 1]) : "###0.0##########";
            QCOMPARE(engine::sigdigPattern(thresholds[i]), below);
        }
        QCOMPARE(engine::sigdigPattern(-1e-300), std::string_view("###0.0"));
    }

    void patterns_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("text");
        QTest::newRow("frequency") << 50.0 << "####0.0#"
                                   << "50.0";
        QTest::newRow("cpm") << 2999.995 << "#####0.0#"
                             << "3000.0";
        QTest::newRow("tie in 15 digits") << 0.1245 << "###0.0##"
                                          << "0.125";
        QTest::newRow("carry through point") << 0.99999999999 << "###0.0#"
                                             << "1.0";
        QTest::newRow("required zero kept") << 3.0 << "###0.0###"
                                            << "3.0";
    }
    void patterns() {
        QFETCH(double, value);
        QFETCH(QString, pattern);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(formatPattern(value, pattern.toStdString())), text);
    }

    void round15() {
        QCOMPARE(engine::round15(0.1 + 0.2), 0.3);
        QCOMPARE(engine::round15(3000.0 / 60.0), 50.0);
        QCOMPARE(engine::round15(1234.5678901234567), 1234.56789012346);
        QVERIFY(std::isnan(engine::round15(NAN)));
    }
};

QTEST_APPLESS_MAIN(TestDisplayFormat)
#include "test_display_format.moc"
