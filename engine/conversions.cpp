// The conversion routines with their factors, each expression in the order written.
#include "engine/conversions.h"

#include "engine/factors.h"

namespace engine {
namespace {

// velocity (in/sec) = kAccelToVel x acceleration (g) / f
constexpr double kAccelToVel = 61.44;
// displacement (mils pk-pk) = kAccelToDisp x acceleration x 1.414 / f^2 x 1000
constexpr double kAccelToDisp = 19.57;
// acceleration (g) = kDispToAccel x f^2 x displacement / 1000 x 0.707
constexpr double kDispToAccel = 0.0511;

} // namespace

Levels accelerationLevels(double g, DbReferences references) {
    Levels out;
    out.set(Unit::AccelerationDb, accelToDb(g, references.accelRefG));
    out.set(Unit::GRms, g);
    out.set(Unit::GPeak, g * kPeakOverRms);
    return out;
}

Levels velocityLevels(double v, DbReferences references) {
    Levels out;
    out.set(Unit::InPerSecRms, v);
    out.set(Unit::InPerSecPeak, v / kRmsOverPeak);
    out.set(Unit::VelocityDb, velToDb(v, references.velRefMps));
    out.set(Unit::MmPerSecRms, v * kMmPerInch);
    out.set(Unit::MmPerSecPeak, (v * kMmPerInch) * kPeakOverRms);
    return out;
}

Levels displacementLevels(double d) {
    Levels out;
    out.set(Unit::MilsPeakToPeak, d);
    out.set(Unit::MmPeakToPeak, (d * kMmPerInch) / kMilsPerInch);
    return out;
}

// A frequency of 0 gives levels that are not finite; the display leaves their boxes empty.
Levels velocityFromAcceleration(double g, double hz, DbReferences references) {
    const double v = (kAccelToVel * g) / hz;
    Levels out;
    out.set(Unit::InPerSecRms, v);
    out.set(Unit::InPerSecPeak, v * kPeakOverRms);
    out.set(Unit::VelocityDb, velToDb(v, references.velRefMps));
    out.set(Unit::MmPerSecRms, v * kMmPerInch);
    out.set(Unit::MmPerSecPeak, (v * kMmPerInch) * kPeakOverRms);
    return out;
}

Levels displacementFromAcceleration(double g, double hz) {
    return displacementLevels(((((kAccelToDisp * g) * kPeakOverRms) / hz) / hz) * kMilsPerInch);
}

Levels accelerationFromVelocity(double v, double hz, DbReferences references) {
    return accelerationLevels((v * hz) / kAccelToVel, references);
}

Levels accelerationFromDisplacement(double d, double hz, DbReferences references) {
    const double g = ((((kDispToAccel * hz) * hz) * d) / kMilsPerInch) * kRmsOverPeak;
    return accelerationLevels(g, references);
}

} // namespace engine
