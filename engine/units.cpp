#include "engine/units.h"

#include "engine/factors.h"

namespace engine {

Quantity quantityOf(AmplitudeUnit unit) {
    switch (unit) {
    case AmplitudeUnit::AccGrms:
    case AmplitudeUnit::AccGpk:
        return Quantity::Acceleration;
    case AmplitudeUnit::VelIPSrms:
    case AmplitudeUnit::VelIPSpk:
    case AmplitudeUnit::VelMMSrms:
    case AmplitudeUnit::VelMMSpk:
        return Quantity::Velocity;
    case AmplitudeUnit::DispMILSpp:
    case AmplitudeUnit::DispMMpk:
        break;
    }
    return Quantity::Displacement;
}

// The inverses of the factors with which the boxes are filled from the base unit.
double toBaseUnit(AmplitudeUnit unit, double level) {
    switch (unit) {
    case AmplitudeUnit::AccGpk:
        return level / kPeakOverRms;
    case AmplitudeUnit::VelIPSpk:
        return level * kRmsOverPeak;
    case AmplitudeUnit::VelMMSrms:
        return level / kMmPerInch;
    case AmplitudeUnit::VelMMSpk:
        return level / kMmPeakPerInchRms;
    case AmplitudeUnit::DispMMpk:
        return (level / kMmPerInch) * kMilsPerInch;
    case AmplitudeUnit::AccGrms:
    case AmplitudeUnit::VelIPSrms:
    case AmplitudeUnit::DispMILSpp:
        break;
    }
    return level;
}

} // namespace engine
