// From one typed level to all ten: the base unit, its own units, the other quantities.
#include "engine/conversion_chain.h"

#include "engine/conversions.h"
#include "engine/display_format.h"
#include "engine/factors.h"

#include <cmath>

namespace engine {

// The inverses of the factors with which the boxes are filled from the base unit.
double toBaseUnit(Unit unit, double typed, DbReferences references) {
    switch (unit) {
    case Unit::GPeak:
        return typed / kPeakOverRms;
    case Unit::InPerSecPeak:
        return typed * kRmsOverPeak;
    case Unit::MmPerSecRms:
        return typed / kMmPerInch;
    case Unit::MmPerSecPeak:
        return typed / kMmPeakPerInchRms;
    case Unit::MmPeakToPeak:
        return (typed / kMmPerInch) * kMilsPerInch;
    case Unit::AccelerationDb:
        return dbToAccel(typed, references.accelRefG);
    case Unit::VelocityDb:
        return dbToVel(typed, references.velRefMps);
    default:
        return typed;
    }
}

Levels ownLevels(Quantity quantity, double base, DbReferences references) {
    switch (quantity) {
    case Quantity::Acceleration:
        return accelerationLevels(base, references);
    case Quantity::Velocity:
        return velocityLevels(base, references);
    default:
        return displacementLevels(base);
    }
}

Levels derivedLevels(Quantity quantity, double base, double hz, DbReferences references) {
    Levels out;
    switch (quantity) {
    case Quantity::Acceleration:
        out = velocityFromAcceleration(base, hz, references);
        out += displacementFromAcceleration(base, hz);
        break;
    case Quantity::Velocity:
        out = accelerationFromVelocity(base, hz, references);
        out += displacementFromAcceleration(out[Unit::GRms], hz);
        break;
    case Quantity::Displacement:
        out = accelerationFromDisplacement(base, hz, references);
        out += velocityFromAcceleration(out[Unit::GRms], hz, references);
        break;
    }
    return out;
}

Levels allLevels(Quantity quantity, double base, double hz, DbReferences references) {
    Levels out = ownLevels(quantity, base, references);
    out += derivedLevels(quantity, base, hz, references);
    return out;
}

// Beyond 1E+15 a shown number's further digits would be invented zeros.
bool showable(double level) {
    // Only near the limit can the 15-digit rounding decide.
    constexpr double kSurelyShowable = kLargestSensibleValue / 2;
    const double magnitude = std::fabs(level);
    return magnitude < kSurelyShowable ||
           (std::isfinite(level) && std::fabs(round15(level)) <= kLargestSensibleValue);
}

bool allShowable(const Levels& levels) {
    for (Unit unit : kAllUnits)
        if (levels.has(unit) && !showable(levels[unit]))
            return false;
    return true;
}

} // namespace engine
