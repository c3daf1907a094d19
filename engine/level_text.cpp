// The display pattern of a level by its size, and the level's text.
#include "engine/level_text.h"

#include "engine/display_format.h"

#include <array>

namespace engine {
namespace {

constexpr Places kOneDecimal = placesOf("###0.0");

struct Band {
    double above;
    Places pattern;
};
constexpr std::array<Band, 9> kBands{{
    {10, kOneDecimal},
    {1, placesOf("###0.0#")},
    {0.1, placesOf("###0.0##")},
    {0.01, placesOf("###0.0###")},
    {0.001, placesOf("###0.0####")},
    {1E-04, placesOf("###0.0#####")},
    {1E-05, placesOf("###0.0######")},
    {1E-06, placesOf("###0.0#######")},
    {1E-07, placesOf("###0.0########")},
}};

// Zero up to 1E-07.
constexpr Places kSmallest = placesOf("###0.0##########");

} // namespace

Places levelPattern(double level) {
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

void levelText(double level, std::string& out) {
    formatPattern(level, levelPattern(level), out);
}

} // namespace engine
