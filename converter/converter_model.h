// The converter window's model: its twelve boxes, reference and frequency, without the window.
#pragma once

#include "converter/boxes.h"
#include "engine/decibels.h"
#include "engine/levels.h"
#include "entry/field_set.h"
#include "entry/highlight.h"
#include "entry/key.h"

#include <bitset>
#include <optional>
#include <string>

namespace converter {

// Everything the converter window knows and decides, without the window: the twelve box
// texts and enabled states, the decibel reference and its lock, the quantity entered last and
// the frequency. The window hands it keys and edits and shows what it answers; a command line
// or a test can drive it the same way and gets the same digits.
//
// The states: no frequency (only the frequency boxes open) -> frequency being typed (the
// reference locked, the levels that depend on it emptied, the level boxes closed) -> ENTER:
// ready (every box open, levels recomputed at the new frequency) -> a level being typed (the
// other levels emptied, every other box closed) -> ENTER: ready, all levels converted.
class ConverterModel {
public:
    using Field = Box;

    ConverterModel();

    // The reference can change until the first key in a frequency box locks it.
    void selectReference(engine::Reference reference);

    // A key that edits the box's text without typing a character (DELETE, a paste, a cut, an
    // undo) went down. In a level box it starts a new entry: the other levels are stale from
    // now on. What the user is to be told.
    entry::Notices editKeyDown(Box box);

    // A key typed in a box whose selection is `selection`: the box takes its character, or it
    // is refused, or (ENTER) the model converts. The key filter judges it first: a key it
    // refuses changes nothing; one it lets through makes what depends on the box stale, as
    // editKeyDown does.
    entry::KeyAnswer keyPress(Box box, entry::Key key, entry::Selection selection);

    // The user changed a box's text by editing it (a typed key the model let through, a paste,
    // a cut): the model reads it from now on.
    void edited(Box box, std::string_view text);

    const std::string& text(Box box) const { return fields_.text(indexOf(box)); }
    bool enabled(Box box) const { return fields_.enabled(indexOf(box)); }
    engine::Reference reference() const { return reference_; }
    bool referenceLocked() const { return referenceLocked_; }
    std::optional<engine::Quantity> enteredQuantity() const { return enteredQuantity_; }
    float peakHz() const { return peakHz_; }

    // The boxes whose texts the model wrote since the last call.
    std::bitset<kBoxCount> takeWritten() { return fields_.takeWritten(); }

private:
    entry::KeyVerdict filter(Box box, entry::Key key, entry::Selection selection);
    entry::KeyOutcome frequencyKeyPress(Box box, entry::Key key, entry::Selection selection);
    entry::KeyOutcome levelKeyPress(Box box, entry::Key key, entry::Selection selection);
    void warnWithoutFrequency(Box box);
    void startLevelEntry(Box box);
    void startFrequencyEntry(Box box);
    void emptyFrequencyDependents();
    void recomputeForFrequency();
    std::optional<float> usableFrequency();
    void tell(entry::Notice notice) { notices_.push_back(std::move(notice)); }
    // What was told during the call, leaving none for the next.
    entry::Notices takeNotices() {
        return notices_.empty() ? entry::Notices() : std::move(notices_);
    }

    std::string& rewrite(Box box) { return fields_.rewrite(indexOf(box)); }
    void writeLevels(const engine::Levels& levels);
    void setEnabled(Box box, bool enabled) { fields_.setEnabled(indexOf(box), enabled); }
    void enableAll();
    engine::DbReferences references() const { return engine::referencesFor(reference_); }

    entry::FieldSet<kBoxCount> fields_;
    entry::Notices notices_; // told during the call in progress
    engine::Reference reference_ = engine::Reference::US;
    bool referenceLocked_ = false;
    std::optional<engine::Quantity> enteredQuantity_;
    bool levelConverted_ = false; // the boxes hold a conversion, not a level being typed
    float peakHz_ = 0;            // the frequency in Hz, single precision; 0 until one is entered
};

} // namespace converter
