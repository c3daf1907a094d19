#include "converter/typist.h"

#include "entry/key_codes.h"

#include <string>

namespace converter {

void Typist::focus(Box box) {
    box_ = box;
    synced_ = false;
    selection_ = entry::highlight(model_.text(box));
}

void Typist::type(Box box, std::string_view keys) {
    if (box != box_)
        focus(box);
    for (char key : keys)
        press(box, key);
}

void Typist::press(Box box, char key) {
    const std::int16_t code = key == '\n' ? entry::kEnter : key == '\b' ? entry::kBackspace : key;
    model_.keyDown(box);
    std::int16_t passed = code;
    model_.keyPress(box, passed, selection_);
    // A box the model writes keeps its caret at the start.
    if (model_.takeWritten().test(indexOf(box))) {
        selection_ = {};
        synced_ = false;
        return;
    }
    if (passed == entry::kRefused)
        return;
    std::string& text = text_;
    if (!synced_)
        text.assign(model_.text(box));
    std::size_t start = std::min(selection_.start, text.size());
    std::size_t length = std::min(selection_.length, text.size() - start);
    if (passed == entry::kBackspace && length == 0 && start > 0) {
        --start; // BACKSPACE without a selection takes the character before the caret
        length = 1;
    }
    if (length > 0)
        text.erase(start, length);
    if (passed != entry::kBackspace)
        text.insert(text.begin() + static_cast<std::ptrdiff_t>(start++), static_cast<char>(passed));
    selection_ = {start, 0};
    model_.edited(box, text);
    synced_ = true;
}

} // namespace converter
