// Messages on standard error.
#include "cli/diagnostics.h"

#include <cerrno>
#include <string>
#include <unistd.h>

namespace cli {

void complain(std::string_view line) {
    std::string text(line);
    text += '\n';
    const char* data = text.data();
    std::size_t size = text.size();
    while (size > 0) {
        const ssize_t written = ::write(STDERR_FILENO, data, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return;
        data += written;
        size -= static_cast<std::size_t>(written);
    }
}

void complainAsProgram(std::string_view what) {
    complain(std::string(kProgramName) + ": " + std::string(what));
}

} // namespace cli
