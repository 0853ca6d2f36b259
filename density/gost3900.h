#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "messages.h"
#include "reduction_table.h"
#include "result.h"
#include "units.h"

// GOST 3900-85 calculations on the reduction table, and the temperature range
// checks of both standards.
namespace density {

// Admitted ranges, both ends included.
constexpr double kHydrometerMin = 500.0;
constexpr double kHydrometerMax = 1090.0;
constexpr double kDensity20Min = 495.0;
constexpr double kDensity20Max = 1099.8;

// Admitted temperatures in °C of the calculators of each standard, both ends
// included (a Fahrenheit temperature is checked after its conversion).
constexpr double kGost3900TemperatureMinC = -25;
constexpr double kGost3900TemperatureMaxC = 125;
constexpr double kR50TemperatureMinC = -50;
constexpr double kR50TemperatureMaxC = 100;

// Whether a value lies in an admitted range, both ends included: the one
// comparison of every range check.
constexpr bool admitted(double value, double min, double max)
{
    return value >= min && value <= max;
}

// Density at 20 °C of a hydrometer reading. A Fahrenheit temperature is
// converted to °C and brought onto the half-degree grid; a Celsius one is used
// as given (the page has already rounded it). kOutOfTableMark and kNoRow pass
// through.
Result<double> gost3900ReduceTo20(const ReductionTable& table, std::string_view observedText,
                                  std::string_view temperatureText, TemperatureUnit unit, MessageSink& sink);

// Actual density at the temperature from the density at 20 °C; `exact` as
// the table's lookup gives it.
Result<double> gost3900ActualDensity(const ReductionTable& table, std::string_view density20Text,
                                     std::string_view temperatureText, TemperatureUnit unit, MessageSink& sink,
                                     std::optional<Fraction>* exact = nullptr);

// Range checks on the typed temperature: true when it fails; the message
// (with its range suffix) has then been shown.
bool gost3900CheckTemperature(std::string_view temperatureText, TemperatureUnit unit, MessageSink& sink);
bool r50CheckTemperature(std::string_view temperatureText, TemperatureUnit unit, MessageSink& sink);

enum class QuantityStatus {
    Ok,
    OutOfTable,  // the actual density is not in the table
    NoRow,       // no table row for the temperature; reported to the sink
};

// What a table lookup answered: a value, out of the table, or no row. The
// one place that reads the lookups' marks.
inline QuantityStatus tableStatus(double lookedUp)
{
    if (lookedUp == kOutOfTableMark)
        return QuantityStatus::OutOfTable;
    if (lookedUp == kNoRow)
        return QuantityStatus::NoRow;
    return QuantityStatus::Ok;
}

struct MassResult {
    QuantityStatus status = QuantityStatus::Ok;
    std::string massText;      // tonnes as shown, 3 decimals
    double mass = 0;           // tonnes, the value massText was rounded from
    double actualDensity = 0;  // kg/m3, or kOutOfTableMark
};

struct VolumeResult {
    QuantityStatus status = QuantityStatus::Ok;
    std::string volumeText;    // in the requested unit, 3 decimals
    double actualDensity = 0;  // kg/m3, or kOutOfTableMark
};

// Mass in tonnes of a volume at a temperature (massOfVolume). The volume is
// taken to the nearest 0,001 m3 first. With no table row the actual density and the mass
// are 0 (status Ok, as the table gives them).
Result<MassResult> gost3900MassFromVolume(const ReductionTable& table, std::string_view volumeText,
                                          VolumeUnit volumeUnit, std::string_view density20Text,
                                          std::string_view temperatureText, TemperatureUnit temperatureUnit,
                                          MessageSink& sink);

// Volume of a mass at a temperature, in volumeUnit (volumeOfMass). With no table row the
// division has no density to divide by: status NoRow, reported to the sink.
Result<VolumeResult> gost3900VolumeFromMass(const ReductionTable& table, std::string_view massText,
                                            VolumeUnit volumeUnit, std::string_view density20Text,
                                            std::string_view temperatureText, TemperatureUnit temperatureUnit,
                                            MessageSink& sink);

}  // namespace density
