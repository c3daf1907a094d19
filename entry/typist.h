// Typing into a window's model as a user types into its boxes, for the command line and tests.
#pragma once

#include "entry/highlight.h"
#include "entry/key.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

namespace entry {

// Drives a model (the converter's or the temperature window's) the way keys drive its window:
// a box receives the focus (its whole text selected), then every key goes down and is
// pressed, and each character the model lets through replaces the selection or goes in at the
// caret. A box the model writes has its caret at the start. In `keys`, "\n" is ENTER and "\b"
// BACKSPACE.
template <class Model> class Typist {
public:
    using Field = typename Model::Field;

    explicit Typist(Model& model) : model_(model) {}

    // The box receives the focus: its whole text is selected.
    void focus(Field field) {
        field_ = field;
        synced_ = false;
        selection_ = highlight(model_.text(field));
    }

    // Types into the box, giving it the focus first unless it has it; every notice the model
    // gave on the way, in order.
    Notices type(Field field, std::string_view keys) {
        if (field != field_)
            focus(field);
        Notices notices;
        for (char key : keys)
            press(field, keyFor(key), notices);
        return notices;
    }

    // The box's text changed without a key reaching the model (a paste, a cut): it holds
    // `text`, the caret at its end.
    void paste(Field field, std::string_view text) {
        field_ = field;
        text_.assign(text);
        selection_ = {text_.size(), 0};
        model_.edited(field, text_);
        synced_ = true;
    }

    static Key keyFor(char key) {
        return key == '\n'   ? Key::enter()
               : key == '\b' ? Key::backspace()
                             : Key::typing(static_cast<unsigned char>(key));
    }

private:
    // Nearly every key has nothing to tell: that test is all it costs.
    static void add(Notices& to, Notices&& from) {
        if (!from.empty())
            append(to, std::move(from));
    }
    static void append(Notices& to, Notices&& from) {
        if (to.empty())
            to = std::move(from);
        else
            to.insert(to.end(), from.begin(), from.end());
    }

    void press(Field field, Key key, Notices& notices) {
        KeyAnswer answer = model_.keyPress(field, key, selection_);
        add(notices, std::move(answer.notices));
        if (model_.takeWritten().test(static_cast<std::size_t>(field))) {
            selection_ = {};
            synced_ = false;
            return;
        }
        if (answer.outcome != KeyOutcome::Taken)
            return;
        if (!synced_)
            text_.assign(model_.text(field));
        std::size_t start = std::min(selection_.start, text_.size());
        std::size_t length = std::min(selection_.length, text_.size() - start);
        if (key.isBackspace() && length == 0 && start > 0) {
            --start; // BACKSPACE without a selection takes the character before the caret
            length = 1;
        }
        if (length > 0)
            text_.erase(start, length);
        if (!key.isBackspace()) {
            const auto c = static_cast<char>(key.character());
            if (start == text_.size())
                text_.push_back(c); // typing on at the end: no tail to move
            else
                text_.insert(start, 1, c);
            ++start;
        }
        selection_ = {start, 0};
        model_.edited(field, text_);
        synced_ = true;
    }

    Model& model_;
    Field field_{};
    Selection selection_;
    std::string text_;    // the box's text as the model has it, kept to spare a copy a key
    bool synced_ = false; // text_ is the box's text
};

} // namespace entry
