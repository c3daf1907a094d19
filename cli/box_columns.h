// The twelve boxes as the columns of the CSV output.
#pragma once

#include "cli/csv_writer.h"
#include "cli/reading.h"

#include <string>

namespace cli {

// A box's column: its key with '_' for '-' ("g_rms").
std::string columnOf(const converter::BoxDescription& box);

// The twelve boxes as CSV columns: their keys with '_' for '-', in the table's order; then a
// line break.
void writeBoxColumns(CsvWriter& out);
// A box's text after the reading typed last, with a comma for the point when asked.
std::string boxText(const ReadingTypist& typist, converter::Box box, bool decimalComma);
// The twelve texts of the reading typed last, in the same order, with a comma for the point
// when asked; then a line break.
void writeBoxTexts(const ReadingTypist& typist, CsvWriter& out, bool decimalComma = false);

} // namespace cli
