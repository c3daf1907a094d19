// What a screen reader is told of the temperature window beyond its boxes: a conversion.
#pragma once

#include "temperature/temperature_model.h"

#include <string>

namespace temperature {

// A conversion as "Converted: " and both temperatures, in reading order, by their scales'
// names, each with at least one decimal: "Converted: Fahrenheit 100.0; Celsius 37.8".
std::string conversionAnnouncement(const TemperatureModel& model);

} // namespace temperature
