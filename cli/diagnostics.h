// Messages on standard error, and input texts made safe to stand in them.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace cli {

inline constexpr std::string_view kProgramName = "amplora-convert";

// One line on standard error, written at once so that lines from several programs sharing
// the terminal do not interleave. Nothing is left to do when even that fails.
void complain(std::string_view line);

// "amplora-convert: <what>" on standard error.
void complainAsProgram(std::string_view what);

// A text from the input or the command line made safe for a message line: control
// characters as \n, \r, \t or \xNN, bytes that are no UTF-8 as \xNN, a backslash doubled, so
// that it can neither break the line nor drive a terminal. Cut after `longest` characters,
// with "..." to say so.
std::string escaped(std::string_view text, std::size_t longest = std::string_view::npos);

// A value from the input for a message: escaped, its quotes as \", in double quotes, and cut
// short when long.
std::string shown(std::string_view value);

} // namespace cli
