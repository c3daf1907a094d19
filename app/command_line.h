// What the window program's command line asks for, read before any window opens.
#pragma once

namespace app {

// What the command line asks for, decided before anything touches the window system, so
// that --help and --version answer where no display exists.
struct Verdict {
    bool openWindow; // false: the program ends at once with exitCode
    int exitCode;
};

// The usage error status of BSD's sysexits.h: a wrong option or argument.
inline constexpr int kUsageError = 64;

// --help and --version print their answer on standard output. Qt's own options (-style,
// -platform, ...) are left for the application object; any other option or argument is a
// usage error, told in one line on standard error.
Verdict readCommandLine(int argc, char* argv[]);

} // namespace app
