#pragma once

#include "text_rules.h"

#include "converter_fixture.h"
#include "random_input.h"

#include <QPointer>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <deque>
#include <map>

// What one seeded run did, and the first rule it saw broken ("" when none).
struct RandomRunResult {
    int steps = 0;
    int levelEnters = 0;     // accepted ENTERs in an amplitude or decibel box
    int frequencyEnters = 0; // accepted ENTERs in a frequency box
    int clears = 0;
    int messages = 0;
    QString failure;
};

// Drives the real converter window with a seeded random stream of keys, focus moves, pastes
// and Clear, and checks after every step what must hold whatever the user does.
class RandomSession {
public:
    explicit RandomSession(std::uint32_t seed);
    ~RandomSession();

    RandomRunResult run(int steps);

private:
    using Kind = InputAction::Kind;
    // What a step did, for the checks after it.
    struct Step {
        QString box;                  // the entry box that received the key or text, if any
        bool enter = false;           // an ENTER reached that box
        bool userEdit = false;        // the user changed the box's text (typing, pasting)
        bool paste = false;           // by pasting
        bool reachesKeyPress = false; // the key produces a character code
        bool cleared = false;
    };

    void plan();
    void planNumber();
    QString randomEnabledTarget(bool boxesOnly);

    Step perform(const InputAction& action);
    void clear();

    QString check(const Step& step, const std::map<QString, QString>& before,
                  const QStringList& events);
    QString checkOwnLevelRefused(const Step& step, const std::map<QString, QString>& before,
                                 const QStringList& events);
    QString checkOwnTexts(const Step& step, const std::map<QString, QString>& before);
    QString checkLevelEnter(const Step& step, const std::map<QString, QString>& before);
    QString checkFrequencyEnter(const Step& step, const std::map<QString, QString>& before);
    QString checkStartState();
    QString stateDump() const;

    toolkit::EntryBox* box(const QString& name) const;
    QWidget* control(const QString& name) const;
    std::map<QString, QString> texts() const;

    std::uint32_t seed;
    RandomInput in;
    ConverterFixture fixture;
    QPointer<Main> window; // the fixture's window until the first Clear, then the rebuilt one
    std::deque<InputAction> pending;
    QStringList history; // the last actions, for the report
    BoxAuthors authors;
    bool referenceLocked = false;
    bool usAtLock = true;
    bool activeAfterClear = true; // the rebuilt window took the keyboard
    RandomRunResult result;
};
