// Buffered output to a file descriptor in which every failure counts.
#include "cli/output.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace cli {

void Output::put(std::string_view text) {
    if (buffer_.size() + text.size() <= kCapacity) {
        buffer_.append(text);
        return;
    }
    flush();
    if (text.size() >= kCapacity)
        writeAll(text.data(), text.size());
    else
        buffer_.append(text);
}

void Output::flush() {
    std::string pending;
    pending.swap(buffer_); // emptied even when the write fails
    writeAll(pending.data(), pending.size());
    pending.clear();
    buffer_.swap(pending); // its room is kept for the next lines
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
