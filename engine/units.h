#pragma once

namespace engine {

// The units a level can be typed in, and the quantity each belongs to.
enum class Quantity { Acceleration, Velocity, Displacement };

enum class AmplitudeUnit {
    AccGrms,    // g rms (base unit of acceleration)
    AccGpk,     // g peak
    VelIPSrms,  // in/sec rms (base unit of velocity)
    VelIPSpk,   // in/sec peak
    VelMMSrms,  // mm/sec rms
    VelMMSpk,   // mm/sec peak
    DispMILSpp, // mils pk-pk (base unit of displacement)
    DispMMpk,   // mm pk-pk
};

Quantity quantityOf(AmplitudeUnit unit);

// A typed level converted to the base unit of its quantity, in double precision.
double toBaseUnit(AmplitudeUnit unit, double level);

} // namespace engine
