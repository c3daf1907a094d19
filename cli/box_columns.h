#pragma once

#include "cli/output.h"
#include "cli/reading.h"

namespace cli {

// The twelve boxes as CSV columns: their keys with '_' for '-', in the table's order; then a
// line break.
void writeBoxColumns(Output& out);
// The twelve texts of the reading typed last, in the same order; then a line break.
void writeBoxTexts(const ReadingTypist& typist, Output& out);

} // namespace cli
