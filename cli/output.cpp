// Buffered output in which every failure counts, and CSV fields.
#include "cli/output.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace cli {

void Output::field(std::string_view text) {
    const char separator = separator_;
    if (std::none_of(text.begin(), text.end(), [separator](char c) {
            return c == separator || c == '"' || c == '\r' || c == '\n';
        })) {
        put(text);
        return;
    }
    put('"');
    for (std::size_t start = 0;;) {
        const std::size_t quote = text.find('"', start);
        put(text.substr(start, quote == std::string_view::npos ? quote : quote + 1 - start));
        if (quote == std::string_view::npos)
            break;
        put('"'); // a quote inside a quoted field is doubled
        start = quote + 1;
    }
    put('"');
}

void Output::flush() {
    const std::size_t used = used_;
    used_ = 0;
    writeAll(buffer_, used);
}

void Output::flushSome(std::string_view text) {
    flush();
    if (text.size() >= kCapacity)
        writeAll(text.data(), text.size());
    else
        append(text);
}

void Output::finish() {
    flush();
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0)
        throw OutputError(std::strerror(errno));
}

void Output::writeAll(const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd_, data, size);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            throw OutputError(std::strerror(errno));
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
}

} // namespace cli
