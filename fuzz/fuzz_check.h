// What the fuzz targets share: reading their input, and checks that stop at the first fault.
#pragma once

#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

// Stops the run on a broken rule; libFuzzer then keeps the input that broke it.
#define FUZZ_CHECK(condition, ...)                                                                 \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fputs("broken: " #condition "\n  ", stderr);                                      \
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
        return std::bit_cast<T>(bytes);
    }
    std::string_view rest() {
        const std::string_view left(reinterpret_cast<const char*>(data_) + pos_, size_ - pos_);
        pos_ = size_;
        return left;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};
