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

std::string shown(std::string_view value) {
    constexpr std::size_t kLongest = 40;
    constexpr char kHex[] = "0123456789abcdef";
    std::string text = "\"";
    for (char c : value.substr(0, kLongest)) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7f || c == '"' || c == '\\')
            text += {'\\', 'x', kHex[u >> 4], kHex[u & 0xf]};
        else
            text += c;
    }
    return text + (value.size() > kLongest ? "...\"" : "\"");
}

} // namespace cli
