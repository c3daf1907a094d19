#pragma once

namespace engine {

// Unit factors as decimal literals, each the nearest double; never derived from one another.

// Sine-wave ratios as the window's relationship labels state them: not sqrt(2) and its
// reciprocal, and their product is not 1.
inline constexpr double kPeakOverRms = 1.414;
inline constexpr double kRmsOverPeak = 0.707;

inline constexpr double kMmPerInch = 25.4;
inline constexpr double kMilsPerInch = 1000;
// mm/sec peak per in/sec rms: 25.4 x 1.414 written out, not computed.
inline constexpr double kMmPeakPerInchRms = 35.9156;

} // namespace engine
