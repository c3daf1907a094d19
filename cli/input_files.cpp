// Reading the files of readings: open, read in blocks, show what is converted before a read
// that would wait, and the exit statuses of inputs that cannot be opened or read.
#include "cli/input_files.h"

#include "cli/convert_core.h"
#include "cli/diagnostics.h"
#include "cli/escaping.h"
#include "cli/exit_status.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cli {
namespace {

constexpr std::string_view kStandardInput = "-";
constexpr std::string_view kStandardInputName = "stdin";
constexpr std::size_t kBlock = 64 * 1024;

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

// Whether a read from `fd` would return at once; a file always does.
bool readable(int fd) {
    pollfd request{fd, POLLIN, 0};
    return ::poll(&request, 1, 0) > 0;
}

// What the converter has made so far goes out: the messages at once, the rows into the
// output's buffer. `rows` keeps its room from one call to the next.
void pass(FileConverter& converter, Output& out, std::string& rows) {
    if (std::string messages = converter.takeMessages(); !messages.empty()) {
        messages.pop_back(); // complain() ends the lines
        complain(messages);
    }
    converter.takeOutputInto(rows);
    out.put(rows);
}

// Feeds one input to the converter; false after saying why it could not be read.
bool feedInput(int fd, std::string_view name, FileConverter& converter, Output& out,
               std::string& rows) {
    std::array<char, kBlock> block;
    for (;;) {
        if (!readable(fd))
            out.flush(); // the rows so far show while the input waits (tail -f)
        const ssize_t got = ::read(fd, block.data(), block.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            pass(converter, out, rows);
            complainAsProgram("cannot read " + escaped(name) + ": " + std::strerror(errno));
            return false;
        }
        if (got == 0)
            return true;
        const bool more = converter.feed({block.data(), static_cast<std::size_t>(got)});
        pass(converter, out, rows);
        if (!more)
            return true;
    }
}

} // namespace

int convertFiles(const Options& options, Output& out) {
    FileConverter converter(
        {options.reference, options.separator(), options.skipBad, options.decimalComma});
    std::string rows;
    std::vector<std::string> inputs = options.inputs;
    if (inputs.empty())
        inputs.emplace_back(kStandardInput);
    for (const std::string& path : inputs) {
        const int fd = openInput(path);
        if (fd < 0)
            return kExitNoInput;
        const std::string_view name = path == kStandardInput ? kStandardInputName : path;
        converter.startInput(name);
        const bool read = feedInput(fd, name, converter, out, rows);
        if (fd != STDIN_FILENO)
            ::close(fd);
        if (!read)
            return kExitNoInput;
        const bool goOn = converter.finish();
        pass(converter, out, rows);
        if (!goOn)
            return kExitBadData;
    }
    return converter.status();
}

} // namespace cli
