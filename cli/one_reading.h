// One reading from the command line converted and written out.
#pragma once

#include "cli/options.h"
#include "cli/output.h"

namespace cli {

// Converts the reading given on the command line and writes the twelve boxes, as a table of
// captions and texts or as CSV; the exit status. Throws OutputError.
int convertOneReading(const Options& options, Output& out);

} // namespace cli
