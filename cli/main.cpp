// amplora-convert: the converter window's digits for readings given on the command line or in
// CSV files, without a display.
#include "cli/box_columns.h"
#include "cli/diagnostics.h"
#include "cli/exit_status.h"
#include "cli/one_reading.h"
#include "cli/options.h"
#include "cli/output.h"
#include "cli/readings_file.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using namespace cli;

constexpr std::string_view kStandardInput = "-";
constexpr std::string_view kStandardInputName = "stdin";

void writeHelp(Output& out) {
    out.put("Usage: amplora-convert [--ref us|iso] (--hz F | --cpm F) --UNIT LEVEL [--csv]\n"
            "       amplora-convert [--ref us|iso] [--skip-bad] [FILE...]\n"
            "\n"
            "Converts vibration readings with the digits of Amplora's converter window.\n"
            "With --hz or --cpm, converts one reading and prints the twelve boxes (as a\n"
            "header line and one row with --csv). Otherwise reads CSV files of readings\n"
            "(standard input when none or -) with a header naming the columns hz or cpm,\n"
            "level and unit, and writes CSV to standard output: every other column, then\n");
    writeBoxColumns(out);
    out.put("\n"
            "  --ref us|iso   decibel references (default us)\n"
            "  --hz F         the frequency in Hz\n"
            "  --cpm F        the frequency in cycles per minute\n"
            "  --UNIT LEVEL   the level in UNIT, one of\n"
            "    ");
    out.put(levelKeys());
    out.put("\n"
            "  --csv          print one reading as CSV\n"
            "  --skip-bad     report bad rows and convert the rest\n"
            "  -h, --help     show this help\n"
            "  -v, --version  show the version\n"
            "\n"
            "Exit status: 0 done, 64 usage error, 65 bad reading or file of readings,\n"
            "66 an input cannot be opened or read, 74 the output cannot be written.\n");
}

// Opens one input, standard input for "-"; -1 after saying why not.
int openInput(const std::string& path) {
    if (path == kStandardInput)
        return STDIN_FILENO;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        complainAsProgram("cannot open " + path + ": " + std::strerror(errno));
        return -1;
    }
    struct stat status {};
    if (::fstat(fd, &status) == 0 && S_ISDIR(status.st_mode)) {
        complainAsProgram("cannot open " + path + ": " + std::strerror(EISDIR));
        ::close(fd);
        return -1;
    }
    return fd;
}

int convertFiles(const Options& options, Output& out) {
    ReadingsConverter converter(out, options.reference, options.skipBad);
    std::vector<std::string> inputs = options.inputs;
    if (inputs.empty())
        inputs.emplace_back(kStandardInput);
    for (const std::string& path : inputs) {
        const int fd = openInput(path);
        if (fd < 0)
            return kExitNoInput;
        const std::string_view name = path == kStandardInput ? kStandardInputName : path;
        bool goOn = false;
        try {
            goOn = converter.convert(fd, name);
        } catch (const InputError& e) {
            complainAsProgram("cannot read " + std::string(name) + ": " + e.what());
            return kExitNoInput;
        }
        if (fd != STDIN_FILENO)
            ::close(fd);
        if (!goOn)
            return kExitBadData;
    }
    return converter.anyBad() ? kExitBadData : kExitOk;
}

int run(const Options& options, Output& out) {
    switch (options.action) {
    case Options::Action::Help:
        writeHelp(out);
        return kExitOk;
    case Options::Action::Version:
        out.put(std::string(kProgramName) + " " + AMPLORA_VERSION + "\n");
        return kExitOk;
    case Options::Action::Convert:
        break;
    }
    return options.oneReading() ? convertOneReading(options, out) : convertFiles(options, out);
}

} // namespace

int main(int argc, char** argv) {
    // A reader that goes away is an output error like any other, reported with status 74.
    std::signal(SIGPIPE, SIG_IGN);
    Options options;
    try {
        options = parseOptions(argc - 1, argv + 1);
    } catch (const UsageError& e) {
        complainAsProgram(std::string(e.what()) + " (see amplora-convert --help)");
        return kExitUsage;
    }
    Output out(STDOUT_FILENO);
    try {
        const int status = run(options, out);
        out.finish();
        return status;
    } catch (const OutputError& e) {
        complainAsProgram(std::string("cannot write the output: ") + e.what());
        return kExitOutputError;
    }
}
