// The command's exit statuses, as scripts and make files expect them of a filter.
#pragma once

namespace cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitUsage = 64;       // the command line is wrong
inline constexpr int kExitBadData = 65;     // a reading or a file of readings was refused
inline constexpr int kExitNoInput = 66;     // an input could not be opened or read
inline constexpr int kExitOutputError = 74; // the output could not be written completely

} // namespace cli
