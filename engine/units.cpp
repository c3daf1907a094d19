#include "engine/units.h"

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

// The inverses of the factors with which the boxes are filled from the base unit; exact
// decimal literals, not derived from one another.
double toBaseUnit(AmplitudeUnit unit, double level) {
    switch (unit) {
    case AmplitudeUnit::AccGpk:
        return level / 1.414;
    case AmplitudeUnit::VelIPSpk:
        return level * 0.707;
    case AmplitudeUnit::VelMMSrms:
        return level / 25.4;
    case AmplitudeUnit::VelMMSpk:
        return level / 35.9156;
    case AmplitudeUnit::DispMMpk:
        return (level / 25.4) * 1000;
    case AmplitudeUnit::AccGrms:
    case AmplitudeUnit::VelIPSrms:
    case AmplitudeUnit::DispMILSpp:
        break;
    }
    return level;
}

} // namespace engine
