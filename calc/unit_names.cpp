#include "unit_names.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace calc {

bool sameName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

namespace {

// The value whose name matches, in any case.
template <typename T, std::size_t N>
std::optional<T> named(std::string_view name, const std::pair<const char*, T> (&names)[N])
{
    for (const auto& [text, value] : names)
        if (sameName(name, text))
            return value;
    return std::nullopt;
}

const std::pair<const char*, density::TemperatureUnit> kTemperatureUnits[] = {
    {"C", density::TemperatureUnit::Celsius}, {"F", density::TemperatureUnit::Fahrenheit}};
const std::pair<const char*, density::VolumeUnit> kVolumeUnits[] = {{"m3", density::VolumeUnit::CubicMetre},
                                                                    {"gal", density::VolumeUnit::UsGallon},
                                                                    {"bbl", density::VolumeUnit::Barrel}};
const std::pair<const char*, density::PressureUnit> kPressureUnits[] = {
    {"MPa", density::PressureUnit::MPa},
    {"bar", density::PressureUnit::Bar},
    {"at", density::PressureUnit::TechnicalAtmosphere},
    {"psi", density::PressureUnit::Psi}};
const std::pair<const char*, density::ProductGroup> kGroups[] = {{"crude", density::ProductGroup::Crude},
                                                                 {"products", density::ProductGroup::Products},
                                                                 {"lube", density::ProductGroup::Lubricating}};

template <typename T, std::size_t N>
std::vector<const char*> namesOf(const std::pair<const char*, T> (&names)[N])
{
    std::vector<const char*> out;
    for (const auto& entry : names)
        out.push_back(entry.first);
    return out;
}

}  // namespace

std::optional<density::TemperatureUnit> temperatureUnitNamed(std::string_view name)
{
    return named(name, kTemperatureUnits);
}

std::optional<density::VolumeUnit> volumeUnitNamed(std::string_view name)
{
    return named(name, kVolumeUnits);
}

std::optional<density::PressureUnit> pressureUnitNamed(std::string_view name)
{
    return named(name, kPressureUnits);
}

std::optional<density::ProductGroup> groupNamed(std::string_view name)
{
    return named(name, kGroups);
}

const std::vector<const char*>& temperatureUnitNames()
{
    static const std::vector<const char*> names = namesOf(kTemperatureUnits);
    return names;
}

const std::vector<const char*>& volumeUnitNames()
{
    static const std::vector<const char*> names = namesOf(kVolumeUnits);
    return names;
}

const std::vector<const char*>& pressureUnitNames()
{
    static const std::vector<const char*> names = namesOf(kPressureUnits);
    return names;
}

const std::vector<const char*>& groupNames()
{
    static const std::vector<const char*> names = namesOf(kGroups);
    return names;
}

}  // namespace calc
