// From one typed level to all ten, always through acceleration; which levels can be shown.
#pragma once

#include "engine/decibels.h"
#include "engine/levels.h"

// The chains that turn one entered level into all ten, always through acceleration.
namespace engine {

// A level as typed in its unit, in the base unit of its quantity.
double toBaseUnit(Unit unit, double typed, DbReferences references);

// Every unit of the quantity itself, from its base level.
Levels ownLevels(Quantity quantity, double base, DbReferences references);

// The other two quantities at a frequency, from the base level of this one.
Levels derivedLevels(Quantity quantity, double base, double hz, DbReferences references);

// All ten.
Levels allLevels(Quantity quantity, double base, double hz, DbReferences references);

// Whether a level can be shown as a number worth reading: finite, and within the 15 digits a
// double holds.
bool showable(double level);
bool allShowable(const Levels& levels);

} // namespace engine
