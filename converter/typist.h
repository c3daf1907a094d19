#pragma once

#include "converter/converter_model.h"

#include <string>
#include <string_view>

namespace converter {

// Types into a converter model the way a user types into a box of the window: the box
// receives the focus (its whole text selected), then every key goes down and is pressed,
// and each character the model lets through replaces the selection or goes in at the caret.
// In `keys`, "\n" is ENTER and "\b" BACKSPACE. For the command line and for tests.
class Typist {
public:
    explicit Typist(ConverterModel& model) : model_(model) {}

    // The box receives the focus: its whole text is selected.
    void focus(Box box);
    // Types into the box, giving it the focus first unless it has it.
    void type(Box box, std::string_view keys);

private:
    void press(Box box, char key);

    ConverterModel& model_;
    Box box_ = Box::Hz;
    entry::Selection selection_;
    std::string text_;    // the box's text as the model has it, kept to spare a copy a key
    bool synced_ = false; // text_ is the box's text
};

} // namespace converter
