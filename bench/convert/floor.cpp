// The floor amplora-convert is measured against: it reads the same file of readings and writes,
// for every row, the columns passed through and twelve numbers made with std::to_chars, and does
// nothing else. Plain rows only (no quoted fields), as the benchmark generates them.
#include <array>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace {

constexpr std::size_t kBlock = 64 * 1024;

class Writer {
public:
    ~Writer() { flush(); }
    void put(std::string_view text) {
        if (used_ + text.size() > kBlock)
            flush();
        std::memcpy(buffer_ + used_, text.data(), text.size());
        used_ += text.size();
    }
    void put(double value) {
        if (used_ + 32 > kBlock)
            flush();
        used_ = static_cast<std::size_t>(
            std::to_chars(buffer_ + used_, buffer_ + kBlock, value).ptr - buffer_);
    }
    void flush() {
        if (used_ > 0 && ::write(STDOUT_FILENO, buffer_, used_) != static_cast<ssize_t>(used_))
            std::perror("write");
        used_ = 0;
    }

private:
    std::size_t used_ = 0;
    char buffer_[kBlock];
};

double number(std::string_view text) {
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// The passed-through columns, then twelve numbers from the frequency and the level.
void convertRow(std::string_view line, std::size_t frequency, std::size_t level, std::size_t unit,
                Writer& out) {
    std::array<std::string_view, 16> fields{};
    std::size_t count = 0;
    for (std::size_t start = 0; count < fields.size();) {
        const std::size_t comma = line.find(',', start);
        fields[count++] = line.substr(start, comma - start);
        if (comma == std::string_view::npos)
            break;
        start = comma + 1;
    }
    for (std::size_t i = 0; i < count; ++i) {
        if (i != frequency && i != level && i != unit) {
            out.put(fields[i]);
            out.put(",");
        }
    }
    const double hz = number(fields[frequency]);
    const double value = number(fields[level]);
    out.put(hz);
    for (int k = 1; k < 12; ++k) {
        out.put(",");
        out.put(value * k / hz);
    }
    out.put("\n");
}

} // namespace

int main() {
    static char block[kBlock];
    static Writer out;
    std::vector<char> pending;
    bool header = true;
    std::size_t frequency = 0, level = 0, unit = 0;
    for (;;) {
        const ssize_t got = ::read(STDIN_FILENO, block, kBlock);
        if (got <= 0)
            break;
        pending.insert(pending.end(), block, block + got);
        std::string_view rest(pending.data(), pending.size());
        for (std::size_t end; (end = rest.find('\n')) != std::string_view::npos;) {
            const std::string_view line = rest.substr(0, end);
            rest.remove_prefix(end + 1);
            if (header) {
                header = false;
                std::size_t i = 0;
                for (std::size_t start = 0;; ++i) {
                    const std::size_t comma = line.find(',', start);
                    const std::string_view name = line.substr(start, comma - start);
                    frequency = name == "hz" ? i : frequency;
                    level = name == "level" ? i : level;
                    unit = name == "unit" ? i : unit;
                    if (comma == std::string_view::npos)
                        break;
                    start = comma + 1;
                }
                out.put("header\n");
                continue;
            }
            convertRow(line, frequency, level, unit, out);
        }
        pending.erase(pending.begin(), pending.end() - static_cast<long>(rest.size()));
    }
    return 0;
}
