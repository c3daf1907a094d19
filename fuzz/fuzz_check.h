#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

// Stops the run on a broken rule; libFuzzer then keeps the input that broke it.
#define FUZZ_CHECK(condition, ...)                                                                 \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "broken: %s\n  ", #condition);                                    \
            std::fprintf(stderr, __VA_ARGS__);                                                     \
            std::fputc('\n', stderr);                                                              \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)

// Takes typed values off the front of a fuzzer input; zeros once it runs out.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::uint8_t byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    template <class T> T raw() {
        unsigned char bytes[sizeof(T)] = {};
        for (unsigned char& b : bytes)
            b = byte();
        T value;
        std::memcpy(&value, bytes, sizeof value);
        return value;
    }
    std::string_view rest() {
        const auto* begin = reinterpret_cast<const char*>(data_ + pos_);
        const std::size_t left = size_ - pos_;
        pos_ = size_;
        return {begin, left};
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

// Printable for a report: the text with bytes outside ASCII as \xNN.
inline std::string shown(std::string_view text) {
    std::string out;
    for (unsigned char c : text) {
        if (c >= 32 && c < 127) {
            out += static_cast<char>(c);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
            out += escaped;
        }
    }
    return out;
}

// How far a shown text may read back from the 15-digit value it was rounded from: half a unit
// of its last place, plus the rounding of the two doubles involved.
inline double halfUnitSlack(double rounded, int places) {
    const double ulp = std::fabs(rounded - std::nextafter(rounded, 0.0));
    return 0.5 * std::pow(10.0, -places) + 4 * ulp;
}
