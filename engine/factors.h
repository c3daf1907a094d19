// The unit factors between rms, peak and peak-to-peak, inches, millimetres and mils.
#pragma once

namespace engine {

// Unit factors as decimal literals, each the nearest double; never derived from one another.

// Sine-wave ratios as the window's relationship labels state them: 1.414 and 0.707, not
// sqrt(2) and its reciprocal, and their product is not 1. Every shown level was computed with
// these, so "correcting" them would change digits users compare against.
inline constexpr double kPeakOverRms = 1.414;
inline constexpr double kRmsOverPeak = 0.707;

inline constexpr double kMmPerInch = 25.4;
inline constexpr double kMilsPerInch = 1000;
// mm/sec peak per in/sec rms: 25.4 x 1.414 written out, not computed.
inline constexpr double kMmPeakPerInchRms = 35.9156;

} // namespace engine
