#pragma once

#include <string>
#include <string_view>

namespace toolkit {
class TextBox;
}

namespace engine {

// The display pattern chosen by the magnitude of a computed level.
std::string_view sigdigPattern(double level);
// `level` in the pattern its magnitude calls for.
std::string sigdigText(double level);
// Writes `level` into the box, formatted; leaves enabled state, selection and focus alone.
void sigdig(double level, toolkit::TextBox& textboxname);

} // namespace engine
