#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calculators.h"
#include "density/units.h"

// The unit conversions of the command line and Python: a number text from one
// unit to another, as the unit menus of the window convert a field.
namespace calc {

struct Converted {
    Status status = Status::Ok;  // CheckFailed when the text is no number
    std::string text;            // the value in the target unit
    std::optional<double> held;  // the value `text` was rounded from
    std::vector<density::Message> messages;
};

// Temperatures come out with one decimal, also between the same units.
Converted convertTemperature(std::string_view text, density::TemperatureUnit from, density::TemperatureUnit to);
Converted convertVolume(std::string_view text, density::VolumeUnit from, density::VolumeUnit to);
Converted convertPressure(std::string_view text, density::PressureUnit from, density::PressureUnit to);

}  // namespace calc
