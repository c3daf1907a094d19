// Numbers as files and spreadsheets write them, against what the window's boxes take.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace cli {

// A number in exponent notation ("1.2E-04", "-5e+1") rewritten as the plain decimal with the
// same digits ("0.00012", "-50"), for typing where the window takes only plain decimals.
// Nothing for any other text. A number so large or so small that no box could take it stays
// one: its digits are cut or it becomes 0, as the window reads it.
std::optional<std::string> plainDecimal(std::string_view text);

// Why a text is not a number the window takes, where that is plain from the text: a blank
// around it, a decimal comma, a thousands separator, two decimal points. Empty otherwise.
std::string whyNotANumber(std::string_view text);

} // namespace cli
