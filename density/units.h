#pragma once

#include <string>
#include <string_view>

#include "messages.h"

// Temperature, volume and pressure units of the fields, and the text-to-text
// conversions between them.
namespace density {

// Unit codes are the positions of the unit items in a field's indicator menu.
enum class UnitKind { Temperature, Volume, Pressure };

enum class TemperatureUnit { Celsius = 1, Fahrenheit = 2 };
enum class VolumeUnit { CubicMetre = 1, UsGallon = 2, Barrel = 3 };
enum class PressureUnit { MPa = 1, Bar = 2, TechnicalAtmosphere = 3, Psi = 4 };

// Number of units of a kind (2, 3 or 4).
int unitCount(UnitKind kind);
// The unit after this one when an indicator is double-clicked (wraps round).
int nextUnit(UnitKind kind, int unit);

// Each conversion returns fixed-point text in the locale's format. A text that
// is not a number, or a result too large to write, shows the conversion's
// message and gives the input back unchanged.
std::string convertTemperature(std::string_view text, TemperatureUnit from, MessageSink& sink);
std::string convertVolume(std::string_view text, VolumeUnit from, VolumeUnit to, MessageSink& sink);
std::string convertPressure(std::string_view text, PressureUnit from, PressureUnit to, MessageSink& sink);

// The values the conversions above compute, before they are rounded to text.
long double convertedTemperature(long double value, TemperatureUnit from);
long double convertedVolume(long double value, VolumeUnit from, VolumeUnit to);
long double convertedPressure(long double value, PressureUnit from, PressureUnit to);

// The word on an indicator panel: a catalogue entry (cubic metre,
// technical atmosphere) or a literal the same in every language.
Message::Piece unitCaption(UnitKind kind, int unit);

// "(0 .... 10,34)" and the like for the range label beside a pressure field.
std::string pressureRangeText(PressureUnit unit);

// The new text of a field whose unit changes. Cycle mode (double-click)
// converts to the next unit of `current` and ignores `target`; select mode
// converts to `target`.
std::string recalcOnUnitChange(UnitKind kind, std::string_view text, int current, int target, bool recalculate,
                               bool cycle, MessageSink& sink);

}  // namespace density
