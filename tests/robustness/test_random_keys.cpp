// Seeded random keystrokes, focus moves, pastes and Clear on the real converter window, and
// keystrokes, focus moves and pastes on the temperature window.
// AMPLORA_RANDOM_SEEDS ("1-3", "7,9,20-29") and AMPLORA_RANDOM_STEPS (steps per seed) choose
// the run; tools/random-keys runs as many as asked.
#include "random_session.h"
#include "temperature_session.h"

namespace {

QList<quint32> seeds() {
    const QString chosen = qEnvironmentVariable("AMPLORA_RANDOM_SEEDS", QStringLiteral("1-5"));
    QList<quint32> out;
    for (const QString& item : chosen.split(',', Qt::SkipEmptyParts)) {
        const QStringList range = item.split('-');
        const quint32 first = range.first().toUInt();
        const quint32 last = range.size() > 1 ? range.at(1).toUInt() : first;
        for (quint32 s = first; s <= last; ++s)
            out << s;
    }
    return out;
}

int steps() {
    bool ok = false;
    const int n = qEnvironmentVariableIntValue("AMPLORA_RANDOM_STEPS", &ok);
    return ok && n > 0 ? n : 4000;
}

} // namespace

class TestRandomKeys : public QObject {
    Q_OBJECT
private slots:
    void randomKeys_data() {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed : seeds())
            QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed;
    }
    void randomKeys() {
        QFETCH(quint32, seed);
        RandomSession session(seed);
        const RandomRunResult r = session.run(steps());
        qInfo("seed %u: %d steps, %d level ENTERs, %d frequency ENTERs, %d clears, %d messages",
              seed, r.steps, r.levelEnters, r.frequencyEnters, r.clears, r.messages);
        QVERIFY2(r.failure.isEmpty(), qPrintable(r.failure));
    }

    void randomTemperatureKeys_data() { randomKeys_data(); }
    void randomTemperatureKeys() {
        QFETCH(quint32, seed);
        TemperatureSession session(seed);
        const TemperatureRunResult r = session.run(steps());
        qInfo("seed %u: %d steps, %d conversions, %d messages", seed, r.steps, r.conversions,
              r.messages);
        QVERIFY2(r.failure.isEmpty(), qPrintable(r.failure));
    }
};

QTEST_MAIN(TestRandomKeys)
#include "test_random_keys.moc"
