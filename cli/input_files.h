// Files of readings read from their descriptors and fed to the conversion core.
#pragma once

#include "cli/options.h"
#include "cli/output.h"

namespace cli {

// Converts the files the options name (standard input for none or "-") into `out`, with the
// messages on standard error; the exit status. Throws OutputError.
int convertFiles(const Options& options, Output& out);

} // namespace cli
