#include "engine/level_text.h"

#include "engine/display_format.h"

#include <array>

namespace engine {
namespace {

constexpr std::string_view kOneDecimal = "###0.0";

struct Band {
    double above;
    std::string_view pattern;
};
constexpr std::array<Band, 9> kBands{{
    {10, kOneDecimal},
    {1, "###0.0#"},
    {0.1, "###0.0##"},
    {0.01, "###0.0###"},
    {0.001, "###0.0####"},
    {1E-04, "###0.0#####"},
    {1E-05, "###0.0######"},
    {1E-06, "###0.0#######"},
    {1E-07, "###0.0########"},
}};

// Zero up to 1E-07.
constexpr std::string_view kSmallest = "###0.0##########";

} // namespace

std::string_view levelPattern(double level) {
    if (level < 0)
        return kOneDecimal;
    for (const Band& band : kBands)
        if (level > band.above)
            return band.pattern;
    return kSmallest;
}

std::string levelText(double level) {
    return formatPattern(level, levelPattern(level));
}

} // namespace engine
