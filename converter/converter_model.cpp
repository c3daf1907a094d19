// The converter model's states and transitions: frequency entry, level entry, recomputation.
#include "converter/converter_model.h"

#include "engine/conversion_chain.h"
#include "engine/display_format.h"
#include "engine/level_text.h"
#include "entry/keyfilter.h"
#include "entry/numeric_value.h"

#include <utility>

namespace converter {
namespace {

using engine::Quantity;

constexpr const char* kNoFrequencyText = "Please enter the frequency first";
constexpr const char* kNoFrequencyTitle = "Sorry...";

constexpr engine::Places kHzPattern = engine::placesOf(describe(Box::Hz).pattern);
constexpr engine::Places kCpmPattern = engine::placesOf(describe(Box::Cpm).pattern);
constexpr double kSecondsPerMinute = 60;
constexpr float kSecondsPerMinuteSingle = 60.0f;

// The lowest frequency the frequency boxes can produce: 1 CPM.
constexpr double kLowestHz = 1.0 / kSecondsPerMinute;

// The smallest level a box shows (eleven decimals): a base box below it holds something the
// model did not write there.
constexpr double kSmallestShownLevel = 0.00000000001;

constexpr bool isLevel(Box box) {
    return !isFrequency(box);
}
constexpr engine::Unit unitOf(Box box) {
    return *describe(box).unit;
}

} // namespace

ConverterModel::ConverterModel() {
    for (const BoxDescription& d : kBoxes)
        setEnabled(d.box, !d.unit);
}

void ConverterModel::selectReference(engine::Reference reference) {
    if (!referenceLocked_)
        reference_ = reference;
}

entry::Notices ConverterModel::editKeyDown(Box box) {
    if (isLevel(box)) {
        warnWithoutFrequency(box);
        startLevelEntry(box);
    }
    return takeNotices();
}

void ConverterModel::warnWithoutFrequency(Box box) {
    if (isLevel(box) && peakHz_ == 0)
        tell(entry::Notice::message(kNoFrequencyText, kNoFrequencyTitle));
}

// A new level in `box`: the other levels are stale, and every other box waits for its ENTER.
void ConverterModel::startLevelEntry(Box box) {
    levelConverted_ = false;
    for (const BoxDescription& d : kBoxes) {
        if (d.box == box)
            continue;
        if (d.unit)
            fields_.clear(indexOf(d.box));
        setEnabled(d.box, false);
    }
}

// A new frequency in `box`: the reference is kept from now on, the other frequency box and the
// levels derived at the old frequency are stale, and the levels wait for its ENTER.
void ConverterModel::startFrequencyEntry(Box box) {
    const Box other = box == Box::Hz ? Box::Cpm : Box::Hz;
    fields_.clear(indexOf(other));
    referenceLocked_ = true;
    emptyFrequencyDependents();
    for (const BoxDescription& d : kBoxes)
        if (d.unit)
            setEnabled(d.box, false);
    setEnabled(other, false);
}

entry::KeyAnswer ConverterModel::keyPress(Box box, entry::Key key, entry::Selection selection) {
    const entry::KeyOutcome outcome = isFrequency(box) ? frequencyKeyPress(box, key, selection)
                                                       : levelKeyPress(box, key, selection);
    return {outcome, takeNotices()};
}

void ConverterModel::edited(Box box, std::string_view text) {
    fields_.edited(indexOf(box), text);
}

// The key filter's verdict on a key in a box, with what it tells the user noted.
entry::KeyVerdict ConverterModel::filter(Box box, entry::Key key, entry::Selection selection) {
    const entry::KeyVerdict verdict =
        entry::judgeKey(key, text(box), selection, describe(box).bounds);
    if (verdict.refused()) // nearly every key is let through, and then there is nothing to tell
        entry::tellVerdict(verdict, describe(box).bounds, notices_);
    return verdict;
}

entry::KeyOutcome ConverterModel::frequencyKeyPress(Box box, entry::Key key,
                                                    entry::Selection selection) {
    const entry::KeyVerdict verdict = filter(box, key, selection);
    if (verdict.refused())
        return entry::KeyOutcome::Refused;
    startFrequencyEntry(box);
    if (!key.isEnter())
        return entry::KeyOutcome::Taken;
    // Pasted text never passed the keystroke checks: hold it to the same upper bound.
    const double value = verdict.value;
    if (value > describe(box).bounds.maxValue) {
        tell(entry::rangeNotice(describe(box).bounds));
        return entry::KeyOutcome::Refused;
    }
    peakHz_ =
        engine::toSingle(box == Box::Cpm ? engine::round15(value / kSecondsPerMinute) : value);
    engine::formatPattern(peakHz_, kHzPattern, rewrite(Box::Hz));
    const float perMinute = peakHz_ * kSecondsPerMinuteSingle;
    engine::formatPattern(perMinute, kCpmPattern, rewrite(Box::Cpm));
    enableAll();
    recomputeForFrequency();
    return entry::KeyOutcome::Converted;
}

// While the frequency is typed, the levels derived from the entered quantity are stale.
void ConverterModel::emptyFrequencyDependents() {
    if (!enteredQuantity_)
        return;
    for (engine::Unit unit : engine::kAllUnits)
        if (engine::quantityOf(unit) != *enteredQuantity_)
            fields_.clear(indexOf(boxOf(unit)));
}

// The other two quantities again at the new frequency, from the base box of the quantity
// entered last, provided that level was converted (a level still being typed has emptied the
// base box). A base box whose text would not convert into sensible numbers (changed by a
// paste or a mouse cut, which no key checks) is reported instead.
void ConverterModel::recomputeForFrequency() {
    if (!enteredQuantity_ || !levelConverted_)
        return;
    const Box base = boxOf(engine::baseUnitOf(*enteredQuantity_));
    const double level = entry::numericValue(text(base));
    const engine::Levels derived =
        engine::derivedLevels(*enteredQuantity_, level, peakHz_, references());
    engine::Levels all = engine::ownLevels(*enteredQuantity_, level, references());
    all += derived;
    if (!(level >= kSmallestShownLevel && engine::allShowable(all))) {
        tell(entry::rangeNotice(describe(base).bounds));
        return;
    }
    writeLevels(derived);
}

// The warning that no frequency is known comes first, for every key, as it did for the key's
// going down.
entry::KeyOutcome ConverterModel::levelKeyPress(Box box, entry::Key key,
                                                entry::Selection selection) {
    warnWithoutFrequency(box);
    const entry::KeyVerdict verdict = filter(box, key, selection);
    if (verdict.refused())
        return entry::KeyOutcome::Refused;
    startLevelEntry(box);
    if (!key.isEnter())
        return entry::KeyOutcome::Taken;
    const engine::Unit unit = unitOf(box);
    const Quantity quantity = engine::quantityOf(unit);
    const double base = engine::toBaseUnit(unit, verdict.value, references());
    const std::optional<float> hz = usableFrequency();
    if (!hz)
        return entry::KeyOutcome::Refused;
    // A level that arrived without key checks (a paste, or one of the window's own results
    // entered again) is converted only where every box would show a sensible number.
    const engine::Levels all = engine::allLevels(quantity, base, *hz, references());
    if (!engine::allShowable(all)) {
        tell(entry::rangeNotice(describe(box).bounds));
        return entry::KeyOutcome::Refused;
    }
    enteredQuantity_ = quantity;
    levelConverted_ = true;
    enableAll();
    peakHz_ = *hz;
    writeLevels(all);
    return entry::KeyOutcome::Converted;
}

// A frequency box emptied or changed without a key (DELETE, a mouse cut, a paste) is checked
// at a level's ENTER: conversion needs a frequency the frequency boxes could have produced.
// Without one the user is told, and every box stays open so the frequency can be put right.
std::optional<float> ConverterModel::usableFrequency() {
    const float hz = engine::toSingle(entry::numericValue(text(Box::Hz)));
    if (hz == 0) {
        tell(entry::Notice::message(kNoFrequencyText, kNoFrequencyTitle));
        enableAll();
        return {};
    }
    if (!(hz >= kLowestHz && hz <= kHzBounds.maxValue)) {
        tell(entry::rangeNotice(kHzBounds));
        enableAll();
        return {};
    }
    return hz;
}

void ConverterModel::writeLevels(const engine::Levels& levels) {
    for (engine::Unit unit : engine::kAllUnits)
        if (levels.has(unit))
            engine::levelText(levels[unit], rewrite(boxOf(unit)));
}

void ConverterModel::enableAll() {
    for (const BoxDescription& d : kBoxes)
        setEnabled(d.box, true);
}

} // namespace converter
