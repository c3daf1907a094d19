#pragma once

#include <array>
#include <cstddef>

namespace engine {

// The three quantities a vibration level can be stated in.
enum class Quantity { Acceleration, Velocity, Displacement };

// The ten units a level is shown in, in the order the window lists them.
enum class Unit {
    AccGrms,    // g rms: the base unit of acceleration
    AccGpk,     // g peak
    VelIPSrms,  // in/sec rms: the base unit of velocity
    VelIPSpk,   // in/sec peak
    VelMMSrms,  // mm/sec rms
    VelMMSpk,   // mm/sec peak
    DispMILSpp, // mils peak-to-peak: the base unit of displacement
    DispMMpk,   // mm peak-to-peak
    AdB,        // acceleration decibels
    VdB,        // velocity decibels
};
inline constexpr std::size_t kUnitCount = 10;

inline constexpr std::array<Unit, kUnitCount> kAllUnits{
    Unit::AccGrms,  Unit::AccGpk,     Unit::VelIPSrms, Unit::VelIPSpk, Unit::VelMMSrms,
    Unit::VelMMSpk, Unit::DispMILSpp, Unit::DispMMpk,  Unit::AdB,      Unit::VdB};

constexpr std::size_t indexOf(Unit unit) {
    return static_cast<std::size_t>(unit);
}

constexpr Quantity quantityOf(Unit unit) {
    switch (unit) {
    case Unit::AccGrms:
    case Unit::AccGpk:
    case Unit::AdB:
        return Quantity::Acceleration;
    case Unit::DispMILSpp:
    case Unit::DispMMpk:
        return Quantity::Displacement;
    default:
        return Quantity::Velocity;
    }
}

constexpr Unit baseUnitOf(Quantity quantity) {
    switch (quantity) {
    case Quantity::Acceleration:
        return Unit::AccGrms;
    case Quantity::Velocity:
        return Unit::VelIPSrms;
    default:
        return Unit::DispMILSpp;
    }
}

constexpr bool isDecibel(Unit unit) {
    return unit == Unit::AdB || unit == Unit::VdB;
}

} // namespace engine
