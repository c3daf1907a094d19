// The twelve boxes as the columns of the CSV output.
#pragma once

#include "cli/output.h"
#include "cli/reading.h"

#include <string>

namespace cli {

// A box's column: its key with '_' for '-' ("g_rms").
std::string columnOf(const converter::BoxDescription& box);

// The twelve boxes as CSV columns: their keys with '_' for '-', in the table's order; then a
// line break.
void writeBoxColumns(Output& out);
// The twelve texts of the reading typed last, in the same order; then a line break.
void writeBoxTexts(const ReadingTypist& typist, Output& out);

} // namespace cli
