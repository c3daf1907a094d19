// One reading from the command line converted and written out.
#pragma once

#include "cli/csv_writer.h"
#include "cli/options.h"

namespace cli {

// Converts the reading given on the command line and writes the twelve boxes, as a table of
// captions and texts or as CSV; the exit status.
int convertOneReading(const Options& options, CsvWriter& out);

} // namespace cli
