// amplora-convert: the converter window's digits for readings given on the command line or in
// CSV files, without a display.
#include "cli/diagnostics.h"
#include "cli/exit_status.h"
#include "cli/help.h"
#include "cli/input_files.h"
#include "cli/one_reading.h"
#include "cli/options.h"
#include "cli/output.h"

#include <csignal>
#include <unistd.h>

namespace {

using namespace cli;

int run(const Options& options, Output& out) {
    CsvWriter text(options.separator());
    int status = kExitOk;
    switch (options.action) {
    case Options::Action::Help:
        writeHelp(text);
        break;
    case Options::Action::Version:
        text.put(std::string(kProgramName) + " " + AMPLORA_VERSION + "\n");
        break;
    case Options::Action::Convert:
        if (!options.oneReading())
            return convertFiles(options, out);
        status = convertOneReading(options, text);
        break;
    }
    out.put(text.take());
    return status;
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
