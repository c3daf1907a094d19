// The three quantities of a vibration level and the ten units it is shown in.
#pragma once

#include <array>
#include <cstddef>

namespace engine {

// The three quantities a vibration level can be stated in.
enum class Quantity { Acceleration, Velocity, Displacement };

// The ten units a level is shown in, in the order the window lists them.
enum class Unit {
    GRms,           // g rms: the base unit of acceleration
    GPeak,          // g peak
    InPerSecRms,    // in/sec rms: the base unit of velocity
    InPerSecPeak,   // in/sec peak
    MmPerSecRms,    // mm/sec rms
    MmPerSecPeak,   // mm/sec peak
    MilsPeakToPeak, // mils peak-to-peak: the base unit of displacement
    MmPeakToPeak,   // mm peak-to-peak
    AccelerationDb, // acceleration decibels
    VelocityDb,     // velocity decibels
};
inline constexpr std::size_t kUnitCount = 10;

inline constexpr std::array<Unit, kUnitCount> kAllUnits{
    Unit::GRms,           Unit::GPeak,        Unit::InPerSecRms,    Unit::InPerSecPeak,
    Unit::MmPerSecRms,    Unit::MmPerSecPeak, Unit::MilsPeakToPeak, Unit::MmPeakToPeak,
    Unit::AccelerationDb, Unit::VelocityDb};

constexpr std::size_t indexOf(Unit unit) {
    return static_cast<std::size_t>(unit);
}

constexpr bool listedInOrder() {
    for (std::size_t i = 0; i < kUnitCount; ++i)
        if (indexOf(kAllUnits[i]) != i)
            return false;
    return true;
}
static_assert(listedInOrder(), "kAllUnits lists every unit once, in the enum's order");

constexpr Quantity quantityOf(Unit unit) {
    switch (unit) {
    case Unit::GRms:
    case Unit::GPeak:
    case Unit::AccelerationDb:
        return Quantity::Acceleration;
    case Unit::MilsPeakToPeak:
    case Unit::MmPeakToPeak:
        return Quantity::Displacement;
    default:
        return Quantity::Velocity;
    }
}

constexpr Unit baseUnitOf(Quantity quantity) {
    switch (quantity) {
    case Quantity::Acceleration:
        return Unit::GRms;
    case Quantity::Velocity:
        return Unit::InPerSecRms;
    default:
        return Unit::MilsPeakToPeak;
    }
}

constexpr bool isDecibel(Unit unit) {
    return unit == Unit::AccelerationDb || unit == Unit::VelocityDb;
}

} // namespace engine
