// The GOST R 50.2.076-2010 calculators: reduction to 15 °C, actual density at
// a temperature and an excess pressure, volume to mass and mass to volume.
#include "courses.h"
#include "density/quantity.h"

namespace calc::detail {

using density::Message;
using density::MsgKey;

bool hydrometer15(Steps& s)
{
    return s.inRange(Field::Density, s.in().density, MsgKey::MsgDensityEmpty, MsgKey::MsgDensityInvalid,
                     density::kR50ObservedMin, density::kR50ObservedMax,
                     Message(MsgKey::MsgDensityOutOfTable).then(" : 550-1190 ").then(MsgKey::TextUnitKgPerM3));
}

namespace {

bool density15(Steps& s)
{
    return s.inRange(Field::Density, s.in().density, MsgKey::MsgDensity15Empty, MsgKey::MsgDensity15Invalid,
                     density::kDensity15Min, density::kDensity15Max, Message(MsgKey::MsgDensity15OutOfTable));
}

bool fahrenheit(const Steps& s)
{
    return s.in().temperatureUnit == density::TemperatureUnit::Fahrenheit;
}

// The checks of a quantity block: the quantity, the density at 15 °C, the
// tank temperature and the pressure; the pressure in MPa.
std::optional<std::string> quantityChecks(Steps& s, MsgKey empty, MsgKey invalid, MsgKey notPositive)
{
    if (!s.positive(Field::Quantity, s.in().quantity, empty, invalid, notPositive) || !density15(s) ||
        !s.temperature(MsgKey::MsgTankTempEmpty, MsgKey::MsgTankTempInvalid, Standard::R50))
        return std::nullopt;
    std::optional<std::string> p = s.pressure();
    if (p)
        s.checked();
    return p;
}

}  // namespace

void reduce15(Steps& s)
{
    if (!hydrometer15(s) || !s.temperature(MsgKey::MsgTempEmpty, MsgKey::MsgTempInvalid, Standard::R50))
        return;
    s.checked();
    const std::optional<double> rho15 = s.value(
        density::r50ReduceTo15(s.in().density, s.in().temperature, s.in().glass, s.in().group, fahrenheit(s), s));
    if (rho15)
        s.result(Output::Density15, *rho15, kDensityDecimals);
}

void actual15(Steps& s)
{
    if (!density15(s) || !s.temperature(MsgKey::MsgTempEmpty, MsgKey::MsgTempInvalid, Standard::R50))
        return;
    const std::optional<std::string> p = s.pressure();
    if (!p)
        return;
    s.checked();
    const std::optional<double> actual =
        s.value(density::r50ActualDensity(s.in().density, s.in().temperature, *p, s.in().group, fahrenheit(s), s));
    if (actual)
        s.result(Output::ActualDensity, *actual, kDensityDecimals);
}

void mass15(Steps& s)
{
    const std::optional<std::string> p =
        quantityChecks(s, MsgKey::MsgVolumeEmpty, MsgKey::MsgVolumeInvalid, MsgKey::MsgVolumeNotPositive);
    if (!p)
        return;
    // the volume counts to the nearest 0,001 m3, as its converted text reads
    const std::string m3 =
        density::convertVolume(s.in().quantity, s.in().volumeUnit, density::VolumeUnit::CubicMetre, s);
    const std::optional<double> rho =
        s.value(density::r50ActualDensity(s.in().density, s.in().temperature, *p, s.in().group, fahrenheit(s), s));
    if (!rho)
        return;
    const density::Result<density::Mass> mass = density::massOfVolume(*rho, m3);
    if (!mass) {
        s.report(mass.error());
        return;
    }
    s.result(Output::Mass, mass->text, mass->value);
    s.actualLine(*rho);
}

// The computation and both outputs are guarded: any failure is one message
// and the error word in the volume.
void volume15(Steps& s)
{
    const std::optional<std::string> p =
        quantityChecks(s, MsgKey::MsgMassEmpty, MsgKey::MsgMassInvalid, MsgKey::MsgMassNotPositive);
    if (!p)
        return;
    const std::size_t quiet = s.out().messages.size();
    const density::Result<double> rho =
        density::r50ActualDensity(s.in().density, s.in().temperature, *p, s.in().group, fahrenheit(s), s);
    bool good = rho && *rho != 0 && s.out().messages.size() == quiet;
    std::string volumeText;
    if (good) {
        density::Result<std::string> volume = density::volumeOfMass(s.in().quantity, *rho, s.in().volumeUnit, s);
        good = volume && s.out().messages.size() == quiet;
        if (good)
            volumeText = *volume;
    }
    if (!good) {
        s.fail(Status::CalcFailed, Message(MsgKey::MsgCalcError));
        s.word(Output::Volume, MsgKey::MsgCaptionError);
        return;
    }
    s.result(Output::Volume, volumeText);
    s.actualLine(*rho);
}

}  // namespace calc::detail
