// Selections in a box's text, and what a box selects when it receives the focus.
#pragma once

#include <cstddef>
#include <string_view>

namespace entry {

// A selection in a box's text, in bytes of its UTF-8 text; an empty one is the caret.
struct Selection {
    std::size_t start = 0;
    std::size_t length = 0;
};

// What a box selects when it receives the focus: its whole text, so that typing replaces it.
constexpr Selection highlight(std::string_view text) {
    return {0, text.size()};
}

} // namespace entry
