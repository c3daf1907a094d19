// Reading the leading number of a box's text.
#pragma once

#include <string_view>

namespace entry {

// The leading number of a text: blanks, tabs and line feeds are skipped wherever they stand;
// then a sign, digits with at most one "." and an optional exponent are read up to the first
// character that cannot continue the number. No digit at all gives 0. "." is the decimal
// point in every locale. A magnitude beyond the double range gives the largest finite double
// of that sign, never an infinity.
double numericValue(std::string_view text);

} // namespace entry
