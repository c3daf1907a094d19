#pragma once

#include "text_rules.h"

#include "random_input.h"
#include "recording_services.h"
#include "temperature/temperature.h"

#include <QStringList>

#include <cstdint>
#include <deque>
#include <map>

namespace toolkit {
class EntryBox;
}

struct TemperatureRunResult {
    int steps = 0;
    int conversions = 0; // conversions checked: accepted ENTERs and boxes left
    int messages = 0;
    QString failure;
};

// Drives the temperature window with seeded random keys, focus moves and pastes, and checks
// after every step that each conversion shows the other scale with one decimal.
class TemperatureSession {
public:
    explicit TemperatureSession(std::uint32_t seed);

    TemperatureRunResult run(int steps);

private:
    using Kind = InputAction::Kind;

    void plan();
    InputAction redirected(const InputAction& action);
    QString perform(const InputAction& action, bool& paste);
    QString check(const InputAction& action, const QString& box, bool paste,
                  const QString& focusBefore, const std::map<QString, QString>& before,
                  int messages);
    QString checkConversion(const QString& source, const QString& sourceText);
    QString checkRefusal(const QString& source, const QString& sourceText, const char* how);

    toolkit::EntryBox* box(const QString& name) const;
    QString focused() const;

    std::uint32_t seed;
    RandomInput in;
    RecordingServices services;
    Temperature window{services};
    std::deque<InputAction> pending;
    QStringList history;
    BoxAuthors authors;
    TemperatureRunResult result;
};
