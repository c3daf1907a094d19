#include "entry/highlight.h"

#include "toolkit/textbox.h"

#include <algorithm>
#include <climits>
#include <cstddef>

namespace entry {

void highlight(toolkit::TextBox& textboxname) {
    const std::size_t length = textboxname.Text().size();
    textboxname.SetSelStart(0);
    textboxname.SetSelLength(static_cast<int>(std::min<std::size_t>(length, INT_MAX)));
    textboxname.SetFocus();
}

} // namespace entry
