// The temperature window's announcement of a conversion.
#include "temperature/spoken_text.h"

#include "engine/display_format.h"
#include "entry/numeric_value.h"

#include <utility>

namespace temperature {
namespace {

// The typed temperature as the converted one reads, one decimal at least, no digit lost.
constexpr engine::Places kSpokenPlaces = engine::placesOf("0.0##########");

} // namespace

std::string conversionAnnouncement(const TemperatureModel& model) {
    std::string said = "Converted: ";
    for (const auto& [scale, name] :
         {std::pair{Scale::Fahrenheit, "Fahrenheit "}, {Scale::Celsius, "; Celsius "}}) {
        said += name;
        said += engine::formatPattern(entry::numericValue(model.text(scale)), kSpokenPlaces);
    }
    return said;
}

} // namespace temperature
