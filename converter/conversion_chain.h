#pragma once

#include "engine/conversions.h"
#include "engine/units.h"

#include <functional>

// The conversion chains of the converter window, always through acceleration.
namespace converter {

// The in-quantity routine of the quantity: its boxes from a level in its base unit.
void fillQuantity(engine::Conversions& conversions, engine::Quantity quantity, double base);

// The two frequency-based routines that derive the other quantities from the base level.
void deriveOthers(engine::Conversions& conversions, engine::Quantity quantity, double base,
                  double Hz);

// Runs the whole chain on boxes of its own and tells whether every box would show a number
// of sensible size: levels that arrived without key checks (pasted, or the window's own
// results converted again and again) must not end in empty or absurd boxes.
bool convertsSensibly(engine::Quantity quantity, double base, double Hz,
                      const std::function<bool()>& usSelected);

} // namespace converter
