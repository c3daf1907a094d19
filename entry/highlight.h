#pragma once

namespace toolkit {
class TextBox;
}

namespace entry {

// Selects the whole text of a box that is receiving the focus.
void highlight(toolkit::TextBox& textboxname);

} // namespace entry
