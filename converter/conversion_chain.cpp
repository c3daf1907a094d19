#include "converter/conversion_chain.h"

#include "engine/display_format.h"
#include "entry/numeric_value.h"
#include "toolkit/memory_textbox.h"

#include <array>
#include <cmath>

namespace converter {

void fillQuantity(engine::Conversions& conversions, engine::Quantity quantity, double base) {
    switch (quantity) {
    case engine::Quantity::Acceleration:
        conversions.accel(base);
        break;
    case engine::Quantity::Velocity:
        conversions.Vel(base);
        break;
    case engine::Quantity::Displacement:
        conversions.disp(base);
        break;
    }
}

void deriveOthers(engine::Conversions& conversions, engine::Quantity quantity, double base,
                  double Hz) {
    double g = 0;
    double v = 0;
    switch (quantity) {
    case engine::Quantity::Acceleration:
        conversions.acc2vel(base, Hz, v);
        conversions.acc2disp(base, Hz);
        break;
    case engine::Quantity::Velocity:
        conversions.Vel2Acc(base, Hz, g);
        conversions.acc2disp(g, Hz);
        break;
    case engine::Quantity::Displacement:
        conversions.disp2acc(base, Hz, g);
        conversions.acc2vel(g, Hz, v);
        break;
    }
}

bool convertsSensibly(engine::Quantity quantity, double base, double Hz,
                      const std::function<bool()>& usSelected) {
    std::array<toolkit::MemoryTextBox, 10> b;
    engine::Conversions scratch({b[0], b[1], b[2], b[3], b[4], b[5], b[6], b[7], b[8], b[9]},
                                usSelected);
    fillQuantity(scratch, quantity, base);
    deriveOthers(scratch, quantity, base, Hz);
    // Levels typed within the boxes' bounds never lead past about 1.4E+13.
    for (const toolkit::MemoryTextBox& box : b) {
        const std::string text = box.Text();
        if (text.empty() || std::fabs(entry::numericValue(text)) > engine::kLargestSensibleValue)
            return false;
    }
    return true;
}

} // namespace converter
