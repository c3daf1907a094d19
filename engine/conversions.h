// The conversion routines: a level in every unit of its quantity, and across quantities.
#pragma once

#include "engine/decibels.h"
#include "engine/levels.h"

// The conversion routines. Levels come in and go out in the base unit of their quantity
// (g rms, in/sec rms, mils pk-pk), frequencies in Hz; each expression is evaluated in the
// order it is written, with the factors as literals, so that every result is the same double
// the window has always shown.
namespace engine {

// One level in every unit of its own quantity.
Levels accelerationLevels(double g, DbReferences references);
Levels velocityLevels(double v, DbReferences references); // in/sec peak is rms / 0.707
Levels displacementLevels(double d);

// Another quantity at a frequency; the produced quantity's base level is the result's
// base-unit entry.
Levels velocityFromAcceleration(double g, double hz, DbReferences references); // peak: x 1.414
Levels displacementFromAcceleration(double g, double hz);
Levels accelerationFromVelocity(double v, double hz, DbReferences references);
// Not the exact inverse of displacementFromAcceleration: the round trip gives 0.999725 times.
Levels accelerationFromDisplacement(double d, double hz, DbReferences references);

} // namespace engine
