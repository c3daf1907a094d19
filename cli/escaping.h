// Input texts made safe to stand in a message line.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace cli {

// A text from the input or the command line made safe for a message line: control
// characters as \n, \r, \t or \xNN, bytes that are no UTF-8 as \xNN, invisible characters
// and bidirectional controls as \u{202e}, a backslash doubled, so that it can neither break
// the line, hide in it nor drive a terminal. Cut after `longest` characters,
// with "..." to say so.
std::string escaped(std::string_view text, std::size_t longest = std::string_view::npos);

// A value from the input for a message: escaped, its quotes as \", in double quotes, and cut
// short when long.
std::string shown(std::string_view value);

} // namespace cli
