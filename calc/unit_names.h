#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "density/r50.h"
#include "density/units.h"

// Names of units and product groups as the command line and Python take
// them (C, F, m3, gal, bbl, MPa, bar, at, psi; crude, products, lube), in any
// case.
namespace calc {

// Equal but for the case of ASCII letters.
bool sameName(std::string_view a, std::string_view b);

std::optional<density::TemperatureUnit> temperatureUnitNamed(std::string_view name);
std::optional<density::VolumeUnit> volumeUnitNamed(std::string_view name);
std::optional<density::PressureUnit> pressureUnitNamed(std::string_view name);
std::optional<density::ProductGroup> groupNamed(std::string_view name);
// The names above, in the order of their units and groups.
const std::vector<const char*>& temperatureUnitNames();
const std::vector<const char*>& volumeUnitNames();
const std::vector<const char*>& pressureUnitNames();
const std::vector<const char*>& groupNames();

}  // namespace calc
