// How a computed level is shown: more decimals the smaller it is.
#pragma once

#include "engine/display_format.h"

#include <string>

namespace engine {

// The display pattern a computed level is shown with: one decimal for negative values and
// values above 10, and more decimals the smaller the value, so that about three significant
// digits stay visible (eleven decimals at most).
Places levelPattern(double level);

// The level as the window shows it; "" when it is not finite.
std::string levelText(double level);
// The same text written over `out`.
void levelText(double level, std::string& out);

} // namespace engine
