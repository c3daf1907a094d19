// Some or all of the ten levels of one vibration peak, each in its own unit.
#pragma once

#include "engine/units.h"

#include <array>
#include <cstdint>

namespace engine {

// Some or all of the ten levels of one vibration peak, each in its own unit. A conversion
// routine fills the units of the quantity it produces and leaves the others absent.
class Levels {
public:
    bool has(Unit unit) const { return (present_ & bit(unit)) != 0; }
    double operator[](Unit unit) const { return values_[indexOf(unit)]; }

    void set(Unit unit, double value) {
        values_[indexOf(unit)] = value;
        present_ |= bit(unit);
    }

    // Takes every level the other holds, replacing what was there.
    Levels& operator+=(const Levels& other) {
        for (Unit unit : kAllUnits)
            if (other.has(unit))
                set(unit, other[unit]);
        return *this;
    }

private:
    static constexpr std::uint16_t bit(Unit unit) {
        return static_cast<std::uint16_t>(1u << indexOf(unit));
    }

    std::array<double, kUnitCount> values_{};
    std::uint16_t present_ = 0;
};

} // namespace engine
