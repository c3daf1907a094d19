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

// A value from a file as it is typed into a box: the minus sign U+2212 as '-' (exporters
// write it for '-'); with `decimalComma`, the comma as the point and the point as a comma,
// which the box refuses; exponent notation as its plain decimal. Nothing when the value is
// typed as it stands.
std::optional<std::string> typedForm(std::string_view value, bool decimalComma);

// Why a text is not a number the window takes, where that is plain from the text: a blank
// around it, a decimal comma, a thousands separator (a blank, a no-break space, an
// apostrophe, or the other of point and comma), two decimal points. Empty otherwise. `point`
// is the decimal point the value is written with.
std::string whyNotANumber(std::string_view text, char point = '.');

} // namespace cli
