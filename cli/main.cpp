// amplora-convert: the converter window's digits for readings given on the command line or in
// CSV files, without a display.
#include "cli/diagnostics.h"
#include "cli/exit_status.h"
#include "cli/help.h"
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

// Opens one input, standard input for "-"; -1 after saying why not.
int openInput(const std::string& path) {
    if (path == kStandardInput)
        return STDIN_FILENO;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        complainAsProgram("cannot open " + escaped(path) + ": " + std::strerror(errno));
        return -1;
    }
    struct stat status {};
    if (::fstat(fd, &status) == 0 && S_ISDIR(status.st_mode)) {
        complainAsProgram("cannot open " + escaped(path) + ": " + std::strerror(EISDIR));
        ::close(fd);
        return -1;
    }
    return fd;
}

int convertFiles(const Options& options, Output& out) {
    ReadingsConverter converter(out, options.reference, options.separator(), options.skipBad,
                                options.decimalComma);
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
            complainAsProgram("cannot read " + escaped(name) + ": " + e.what());
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
    Output out(STDOUT_FILENO, options.separator());
    try {
        const int status = run(options, out);
        out.finish();
        return status;
    } catch (const OutputError& e) {
        complainAsProgram(std::string("cannot write the output: ") + e.what());
        return kExitOutputError;
    }
}
