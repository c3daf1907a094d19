#pragma once

#include <cstdint>

// Character codes a key press arrives with; a handler sets the code to kRefused to keep the
// key from reaching the box.
namespace entry {

inline constexpr std::int16_t kRefused = 0;
inline constexpr std::int16_t kBackspace = 8;
inline constexpr std::int16_t kEnter = 13;
inline constexpr std::int16_t kEscape = 27;
// CTRL+A .. CTRL+Z arrive as 1 .. 26.
inline constexpr std::int16_t kControlA = 1;

} // namespace entry
