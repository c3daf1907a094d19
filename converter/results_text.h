// Every box of the converter as two columns of text, for Copy All Results.
#pragma once

#include "converter/converter_model.h"

#include <string>

namespace converter {

// Every box as plain text, one line each: its caption, a TAB, its text (empty boxes empty),
// so that it pastes as two columns into a spreadsheet or a report.
std::string resultsText(const ConverterModel& model);

} // namespace converter
