// Levels from the sine-wave relations and the factors the window states (61.44 g / f, 1.414,
// 0.707, 25.4, 39.4 inches per metre, single-precision decibel references).
#include "engine/conversion_chain.h"
#include "engine/level_text.h"

#include <QTest>

#include <cmath>
#include <tuple>

using engine::Quantity;
using engine::Unit;

namespace {

bool near(double actual, double expected) {
    return std::fabs(actual - expected) <= 1e-11 * std::fabs(expected) ||
           (qWarning() << QString::number(actual, 'g', 17) << "for" << expected, false);
}

const engine::DbReferences kUS = engine::referencesFor(engine::Reference::US);
const engine::DbReferences kISO = engine::referencesFor(engine::Reference::ISO);

} // namespace

class TestLevels : public QObject {
    Q_OBJECT

private slots:
    // An entry of 1 in the base unit: levels in window order (g rms, g pk, in/s rms, in/s pk,
    // mm/s rms, mm/s pk, mils, mm, AdB, VdB) at 100 Hz; at 200 Hz velocity from acceleration
    // halves and displacement quarters. derivedLevels leaves the entry's own quantity alone.
    void allLevels_data() {
        QTest::addColumn<Quantity>("quantity");
        QTest::addColumn<bool>("iso");
        QTest::addColumn<QString>("levels");
        // 120 AdB but for the reference's single-precision error; in/s pk is rms x 1.414.
        QTest::newRow("1 g rms") << Quantity::Acceleration << false
                                 << "1 1.414 0.6144 0.8687616 15.60576 22.06654464 2.767198 "
                                    "0.0702868292 120.000000022 123.859099757";
        // An entered velocity's in/s pk is rms / 0.707.
        QTest::newRow("1 in/s rms") << Quantity::Velocity << true
                                    << "1.62760416667 2.30143229167 1 1.41442715700 25.4 35.9156 "
                                       "4.50390299479 0.114399136068 144.230975758 148.090075809";
        // No exact inverse of the displacement from 1 g: 19.57 x 1.414 x 0.0511 x 0.707 g.
        QTest::newRow("1 mil pk-pk") << Quantity::Displacement << false
                                     << "0.361277 0.510845678 0.2219685888 0.313863584563 "
                                        "5.63800215552 7.97213504791 1 0.0254 111.156806301 "
                                        "115.015906035";
    }
    void allLevels() {
        QFETCH(Quantity, quantity);
        QFETCH(bool, iso);
        QFETCH(QString, levels);
        const int power[] = {2, 1, 0}; // of the frequency in acceleration, velocity, displacement
        for (double hz : {100.0, 200.0}) {
            const auto all = engine::allLevels(quantity, 1, hz, iso ? kISO : kUS);
            const auto derived = engine::derivedLevels(quantity, 1, hz, iso ? kISO : kUS);
            for (Unit unit : engine::kAllUnits) {
                const auto q = engine::quantityOf(unit);
                const double ratio = std::pow(hz / 100, power[int(q)] - power[int(quantity)]);
                const double at100 = levels.split(' ')[int(unit)].toDouble();
                const double want =
                    engine::isDecibel(unit) ? at100 + 20 * std::log10(ratio) : at100 * ratio;
                QVERIFY(all.has(unit) && near(all[unit], want));
                QCOMPARE(derived.has(unit), q != quantity);
                QVERIFY(!derived.has(unit) || derived[unit] == all[unit]);
            }
        }
    }

    // A level typed in any unit goes back to the base level that shows it there (the shown
    // levels are hand-worked above); decibels are hand-worked through the references.
    void toBaseUnit() {
        for (const auto& references : {kUS, kISO})
            for (Quantity quantity :
                 {Quantity::Acceleration, Quantity::Velocity, Quantity::Displacement}) {
                const auto all = engine::allLevels(quantity, 3.7, 80, references);
                for (Unit unit : engine::kAllUnits)
                    if (engine::quantityOf(unit) == quantity)
                        QVERIFY(near(engine::toBaseUnit(unit, all[unit], references), 3.7));
            }
        const std::tuple<Unit, double, engine::DbReferences, double> cases[] = {
            // clang-format off
            {Unit::AccelerationDb, 120, kUS, 0.999999997475}, {Unit::AccelerationDb, 140, kISO, 1.00000001169},
            {Unit::AccelerationDb, -60, kUS, 9.99999997475e-10}, {Unit::VelocityDb, 0, kISO, 3.93999988857e-8},
            {Unit::VelocityDb, 128.0900756, kUS, 0.999999998126}};
        // clang-format on
        for (const auto& [unit, typed, references, expected] : cases)
            QVERIFY(near(engine::toBaseUnit(unit, typed, references), expected));
    }

    // Each band's decimals, just above and below its threshold; ties; and 1 g pk at 50 Hz (US).
    void levelText_data() {
        QTest::addColumn<double>("level");
        QTest::addColumn<QString>("text");
        // clang-format off
        const char* const rows[][2] = {
            {"123456.78", "123456.8"}, {"10.006", "10.0"}, {"9.994", "9.99"}, {"1.0006", "1.0"},
            {"0.9994", "0.999"}, {"0.10006", "0.1"}, {"0.09994", "0.0999"}, {"0.010006", "0.01"},
            {"0.009994", "0.00999"}, {"0.0010006", "0.001"}, {"0.0009994", "0.000999"},
            {"0.00010006", "0.0001"}, {"0.00009994", "0.0000999"}, {"0.000010006", "0.00001"},
            {"0.000009994", "0.00000999"}, {"0.0000010006", "0.000001"},
            {"0.0000009994", "0.000000999"}, {"0.00000010006", "0.0000001"},
            {"0.00000009994", "0.00000009994"}, {"0", "0.0"}, {"-3.456", "-3.5"},
            {"-0.00012", "0.0"}, {"-0.05", "-0.1"}, {"2.675", "2.68"}, {"9.996", "10.0"},
            {"99.96", "100.0"}, {"5e-12", "0.00000000001"}, {"4.9e-324", "0.0"},
            {"123456789012345.67", "123456789012346.0"},
            {"999999999999999.5", "1000000000000000.0"}, // the 16th digit a tie: to even
            {"999999999999999.4", "999999999999999.0"}, {"inf", ""}, {"nan", ""}};
        // clang-format on
        for (const auto& row : rows)
            QTest::newRow(row[0]) << std::strtod(row[0], nullptr) << row[1];
        const char* const shown[] = {"0.707", "1.0",  "0.869", "1.23",  "22.1",
                                     "31.2",  "7.83", "0.199", "117.0", "126.9"};
        const auto entry = engine::allLevels(Quantity::Acceleration, 1 / 1.414, 50, kUS);
        for (Unit unit : engine::kAllUnits)
            QTest::addRow("1 g pk, unit %d", int(unit)) << entry[unit] << shown[int(unit)];
    }
    void levelText() {
        QFETCH(double, level);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(engine::levelText(level)), text);
    }

    void showable() { // not beyond 1E+15, where a number's further digits would be invented
        QVERIFY(engine::showable(999999999999999.9) && engine::showable(-1e15));
        QVERIFY(!engine::showable(1.00000000000001e15) && !engine::showable(NAN));
    }
};

QTEST_APPLESS_MAIN(TestLevels)
#include "test_levels.moc"
