// The text of amplora-convert --help.
#pragma once

#include "cli/csv_writer.h"

namespace cli {

// The usage, every option with its values and ranges, and an example row converted as the
// window converts it.
void writeHelp(CsvWriter& out);

} // namespace cli
