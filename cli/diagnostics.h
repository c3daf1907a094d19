// Messages on standard error.
#pragma once

#include <string_view>

namespace cli {

inline constexpr std::string_view kProgramName = "amplora-convert";

// One line on standard error, written at once so that lines from several programs sharing
// the terminal do not interleave. Nothing is left to do when even that fails.
void complain(std::string_view line);

// "amplora-convert: <what>" on standard error.
void complainAsProgram(std::string_view what);

} // namespace cli
