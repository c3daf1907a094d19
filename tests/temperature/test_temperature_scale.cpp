// The comparison scale: every mark at its true temperature on one shared axis.
#include "temperature/temperature_scale.h"

#include <QImage>
#include <QTest>

class TestTemperatureScale : public QObject {
    Q_OBJECT

    static bool dark(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 100; }

private slots:
    void equalTemperaturesSitLevel_data() {
        QTest::addColumn<double>("fahrenheit");
        QTest::addColumn<double>("celsius");
        QTest::newRow("boiling") << 212.0 << 100.0;
        QTest::newRow("freezing") << 32.0 << 0.0;
        QTest::newRow("minus forty") << -40.0 << -40.0;
        QTest::newRow("top of the Celsius scale") << 302.0 << 150.0;
        QTest::newRow("bottom of the Celsius scale") << -58.0 << -50.0;
    }
    void equalTemperaturesSitLevel() {
        QFETCH(double, fahrenheit);
        QFETCH(double, celsius);
        QCOMPARE(TemperatureScale::rowOfFahrenheit(fahrenheit),
                 TemperatureScale::rowOfCelsius(celsius));
    }

    // Marks are drawn where the scale says: a dark mark on the row, blank just beside it.
    void marksArePaintedOnTheirRows_data() {
        QTest::addColumn<bool>("celsius");
        QTest::addColumn<int>("degrees");
        for (int f : {300, 200, 100, 25, 0, -25, -50})
            QTest::addRow("%d F", f) << false << f;
        for (int c : {150, 100, 0, -25, -50})
            QTest::addRow("%d C", c) << true << c;
    }
    void marksArePaintedOnTheirRows() {
        QFETCH(bool, celsius);
        QFETCH(int, degrees);
        TemperatureScale scale;
        scale.resize(TemperatureScale::kWidth, TemperatureScale::kHeight);
        const QImage image = scale.grab().toImage();
        const int column = celsius ? 48 : 38;
        const int row = qRound(celsius ? TemperatureScale::rowOfCelsius(degrees)
                                       : TemperatureScale::rowOfFahrenheit(degrees));
        QVERIFY(dark(image, column, row));
        QVERIFY(!dark(image, column, row - 3));
        QVERIFY(!dark(image, column, row + 3));
    }
};

QTEST_MAIN(TestTemperatureScale)
#include "test_temperature_scale.moc"
