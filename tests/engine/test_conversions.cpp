#include "engine/conversions.h"
#include "engine/decibels.h"
#include "engine/sigdig.h"
#include "toolkit/memory_textbox.h"

#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>

namespace {

// True when `actual` agrees with the decimal `expected` to the last digit written there.
bool agrees(double actual, const QString& expected) {
    const QString mantissa = expected.section('e', 0, 0);
    const int exponent = expected.contains('e') ? expected.section('e', 1).toInt() : 0;
    const int decimals =
        mantissa.contains('.') ? int(mantissa.size() - mantissa.indexOf('.') - 1) : 0;
    return std::abs(actual - expected.toDouble()) <= 0.5 * std::pow(10.0, exponent - decimals);
}

const char* const kBoxNames[] = {"AccGrms",   "AccGpk",   "AdB", "VelIPSrms",  "VelIPSpk",
                                 "VelMMSrms", "VelMMSpk", "VdB", "DispMILSpp", "DispMMpk"};

struct Window {
    std::array<toolkit::MemoryTextBox, 10> box;
    engine::AmplitudeBoxes boxes{box[0], box[1], box[2], box[3], box[4],
                                 box[5], box[6], box[7], box[8], box[9]};
    bool us = true;
};

// Records each level on its way to sigdig, with the name of its box.
class RecordingConversions : public engine::Conversions {
public:
    explicit RecordingConversions(Window& window)
        : Conversions(window.boxes, [&window] { return window.us; }), window_(window) {}
    QList<QPair<QString, double>> shown;

protected:
    void show(double level, toolkit::TextBox& box) override {
        const auto index = static_cast<toolkit::MemoryTextBox*>(&box) - window_.box.data();
        shown.append({kBoxNames[index], level});
        Conversions::show(level, box);
    }

private:
    Window& window_;
};

// Runs a routine by name; returns the out-parameter, or NaN for routines without one.
double run(RecordingConversions& c, const QString& routine, double level, double Hz) {
    double out = NAN;
    if (routine == "accel") {
        c.accel(level);
    } else if (routine == "Vel") {
        c.Vel(level);
    } else if (routine == "disp") {
        c.disp(level);
    } else if (routine == "acc2vel") {
        c.acc2vel(level, Hz, out);
    } else if (routine == "acc2disp") {
        c.acc2disp(level, Hz);
    } else if (routine == "Vel2Acc") {
        c.Vel2Acc(level, Hz, out);
    } else if (routine == "disp2acc") {
        c.disp2acc(level, Hz, out);
    }
    return out;
}

const QStringList kRoutines = {"accel",    "Vel",     "disp",    "acc2vel",
                               "acc2disp", "Vel2Acc", "disp2acc"};

} // namespace

class TestConversions : public QObject {
    Q_OBJECT

private slots:
    // The call as "routine level Hz reference"; each write as "box level text", in order.
    void routines_data() {
        QTest::addColumn<QString>("call");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("writes");
        QTest::newRow("accel US") << "accel 1 0 US"
                                  << ""
                                  << "AdB 120.0000000219 120.0; AccGrms 1.0000000000 1.0; "
                                     "AccGpk 1.4140000000 1.41";
        QTest::newRow("accel ISO") << "accel 1 0 ISO"
                                   << ""
                                   << "AdB 139.9999998985 140.0; AccGrms 1.0000000000 1.0; "
                                      "AccGpk 1.4140000000 1.41";
        QTest::newRow("Vel divides by 0.707")
            << "Vel 1 0 US"
            << ""
            << "VelIPSrms 1.0000000000 1.0; VelIPSpk 1.414427157001 1.41; VdB 128.0900756 128.1; "
               "VelMMSrms 25.400000000 25.4; VelMMSpk 35.91560000 35.9";
        QTest::newRow("Vel ISO") << "Vel 1 0 ISO"
                                 << ""
                                 << "VelIPSrms 1.0000000000 1.0; VelIPSpk 1.414427157001 1.41; "
                                    "VdB 148.0900758 148.1; VelMMSrms 25.400000000 25.4; "
                                    "VelMMSpk 35.91560000 35.9";
        QTest::newRow("disp") << "disp 1 0 US"
                              << ""
                              << "DispMILSpp 1.0000000000 1.0; DispMMpk 0.02540000000 0.0254";
        QTest::newRow("acc2vel multiplies by 1.414")
            << "acc2vel 1 100 US"
            << "0.6144000000"
            << "VelIPSrms 0.6144000000 0.614; VelIPSpk 0.8687616000 0.869; VdB 123.8590998 123.9; "
               "VelMMSrms 15.60576000 15.6; VelMMSpk 22.06654464 22.1";
        QTest::newRow("acc2disp") << "acc2disp 1 100 US"
                                  << ""
                                  << "DispMILSpp 2.767198000 2.77; DispMMpk 0.0702868292 0.0703";
        QTest::newRow("Vel2Acc") << "Vel2Acc 0.6144 100 US"
                                 << "1.0000000000"
                                 << "AdB 120.0000000219 120.0; AccGrms 1.0000000000 1.0; "
                                    "AccGpk 1.4140000000 1.41";
        QTest::newRow("disp2acc is no exact inverse")
            << "disp2acc 2.767198 100 ISO"
            << "0.9997249918"
            << "AdB 139.9976109 140.0; AccGrms 0.9997249918 1.0; AccGpk 1.413611138 1.41";
    }
    void routines() {
        QFETCH(QString, call);
        QFETCH(QString, out);
        QFETCH(QString, writes);
        const QStringList args = call.split(' ');
        Window window;
        window.us = args[3] == "US";
        for (auto& box : window.box) {
            box.SetText("untouched");
        }
        RecordingConversions c(window);
        const double handedBack = run(c, args[0], args[1].toDouble(), args[2].toDouble());
        if (!out.isEmpty()) {
            QVERIFY2(agrees(handedBack, out), qPrintable(QString::number(handedBack, 'g', 17)));
        }
        const QStringList expected = writes.split("; ");
        QCOMPARE(c.shown.size(), expected.size());
        QStringList texts(10, "untouched");
        for (int i = 0; i < expected.size(); ++i) {
            const QStringList write = expected[i].split(' ');
            QCOMPARE(c.shown[i].first, write[0]);
            QVERIFY2(agrees(c.shown[i].second, write[1]),
                     qPrintable(QString::number(c.shown[i].second, 'g', 17)));
            texts[int(std::find(std::begin(kBoxNames), std::end(kBoxNames), write[0]) -
                      std::begin(kBoxNames))] = write[2];
        }
        // Exactly the boxes written changed, each to what sigdig makes of its level.
        for (int b = 0; b < 10; ++b) {
            QCOMPARE(QString::fromStdString(window.box[b].Text()), texts[b]);
        }
    }

    // The walkthrough: 1 g pk at 50 Hz.
    void accelerationChain() {
        Window window;
        RecordingConversions c(window);
        const double g = 1 / 1.414;
        double v = 0;
        c.accel(g);
        c.acc2vel(g, 50.0f, v);
        c.acc2disp(g, 50.0f);
        QStringList texts;
        for (const auto& box : window.box) {
            texts << QString::fromStdString(box.Text());
        }
        QCOMPARE(texts, QStringList({"0.707", "1.0", "117.0", "0.869", "1.23", "22.1", "31.2",
                                     "126.9", "7.83", "0.199"}));
        QCOMPARE_EQ(c.accelRefG, 1e-6f);
        QCOMPARE_EQ(c.velRefMps, 1e-8f);
    }

    void decibels_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("120 dB US to g") << engine::dbToAccel(120, 1e-6f) << "0.9999999975";
        QTest::newRow("120 dB ISO to g") << engine::dbToAccel(120, 1e-7f) << "0.1000000012";
        QTest::newRow("0 dB is the reference")
            << engine::dbToAccel(0, 1e-6f) << "9.999999974752427e-7";
        QTest::newRow("-60 dB US to g") << engine::dbToAccel(-60, 1e-6f) << "9.999999975e-10";
        QTest::newRow("120 VdB US") << engine::dbToVel(120, 1e-8f) << "0.393999998";
        QTest::newRow("120 VdB ISO") << engine::dbToVel(120, 1e-9f) << "0.0393999989";
        QTest::newRow("factor 10 is 20 dB")
            << engine::accelToDb(10, 1e-6f) - engine::accelToDb(1, 1e-6f) << "20.00000000";
        QTest::newRow("round trip")
            << engine::velToDb(engine::dbToVel(120, 1e-9f), 1e-9f) << "120.000000000000";
        QTest::newRow("log10") << engine::log10(1e-3) << "-3.00000000000000";
    }
    void decibels() {
        QFETCH(double, value);
        QFETCH(QString, expected);
        QVERIFY2(agrees(value, expected), qPrintable(QString::number(value, 'g', 17)));
    }

    // No frequency, no level or an absurd one: boxes are left empty or show a plain number.
    void noInfOrNan_data() {
        QTest::addColumn<double>("level");
        QTest::addColumn<double>("Hz");
        for (double level : {0.0, 1e300, -1.0, DBL_MAX, 1.0}) {
            for (double Hz : {0.0, 100.0}) {
                QTest::addRow("level %g Hz %g", level, Hz) << level << Hz;
            }
        }
    }
    void noInfOrNan() {
        QFETCH(double, level);
        QFETCH(double, Hz);
        const QRegularExpression plainNumber("^(-?\\d+\\.\\d+)?$");
        for (const QString& routine : kRoutines) {
            Window window;
            RecordingConversions c(window);
            run(c, routine, level, Hz);
            for (const auto& box : window.box) {
                const QString text = QString::fromStdString(box.Text());
                QVERIFY2(plainNumber.match(text).hasMatch(), qPrintable(routine + ": " + text));
            }
        }
        Window window;
        RecordingConversions c(window);
        c.accel(level);
        c.Vel(level);
        if (level <= 0) {
            QCOMPARE(window.box[2].Text(), std::string());
            QCOMPARE(window.box[7].Text(), std::string());
        }
    }
};

QTEST_APPLESS_MAIN(TestConversions)
#include "test_conversions.moc"
