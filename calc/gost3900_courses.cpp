// The GOST 3900-85 calculators: reduction to 20 °C, actual density, volume to
// mass and mass to volume, all on the reduction table.
#include "courses.h"
#include "density/gost3900.h"

namespace calc::detail {

using density::Message;
using density::MsgKey;

namespace {

bool hydrometer(Steps& s)
{
    return s.inRange(Field::Density, s.in().density, MsgKey::MsgDensityEmpty, MsgKey::MsgDensityInvalid,
                     density::kHydrometerMin, density::kHydrometerMax, Message(MsgKey::MsgHydrometerOutOfTable));
}

bool density20(Steps& s)
{
    return s.inRange(Field::Density, s.in().density, MsgKey::MsgDensity20Empty, MsgKey::MsgDensity20Invalid,
                     density::kDensity20Min, density::kDensity20Max, Message(MsgKey::MsgDensity20OutOfTable));
}

// The table and the temperature on its grid, after the checks.
struct Ready {
    const density::ReductionTable* table;
    std::string temperature;
};

std::optional<Ready> ready(Steps& s, const TableSource& source)
{
    s.checked();
    const density::ReductionTable* table = s.table(source);
    if (!table)
        return std::nullopt;
    const std::optional<std::string> t = s.roundTemperature();
    if (!t)
        return std::nullopt;
    return Ready{table, *t};
}

}  // namespace

void reduce20(Steps& s, const TableSource& source)
{
    if (!hydrometer(s) || !s.temperature(MsgKey::MsgTempEmpty, MsgKey::MsgTempInvalid, Standard::Gost3900))
        return;
    const std::optional<Ready> r = ready(s, source);
    if (!r)
        return;
    const std::optional<double> rho20 =
        s.lookedUp(density::gost3900ReduceTo20(*r->table, s.in().density, r->temperature, s.in().temperatureUnit, s),
                   MsgKey::MsgDensity20OutOfTable, Output::Density20, Field::Density);
    if (rho20)
        s.result(Output::Density20, *rho20, kDensityDecimals);
}

void actual20(Steps& s, const TableSource& source)
{
    if (!density20(s) || !s.temperature(MsgKey::MsgTempEmpty, MsgKey::MsgTempInvalid, Standard::Gost3900))
        return;
    const std::optional<Ready> r = ready(s, source);
    if (!r)
        return;
    const std::optional<double> actual =
        s.lookedUp(density::gost3900ActualDensity(*r->table, s.in().density, r->temperature, s.in().temperatureUnit, s),
                   MsgKey::MsgDensity20OutOfTable, Output::ActualDensity, Field::Density);
    if (actual)
        s.result(Output::ActualDensity, *actual, kDensityDecimals);
}

namespace {

// Out of the table after the checks of a quantity block: the message, the
// error word in the result and the error line under the parameters.
void quantityOutOfTable(Steps& s, Output result, Field first)
{
    s.fail(Status::OutOfTable, Message(MsgKey::MsgActualDensityOutOfTable));
    s.word(result, MsgKey::MsgCaptionError);
    s.word(Output::ActualLine, MsgKey::TextActualDensityError);
    s.focus(first);
}

}  // namespace

void mass20(Steps& s, const TableSource& source)
{
    if (!s.positive(Field::Quantity, s.in().quantity, MsgKey::MsgVolumeEmpty, MsgKey::MsgVolumeInvalid,
                    MsgKey::MsgVolumeNotPositive) ||
        !density20(s) || !s.temperature(MsgKey::MsgTankTempEmpty, MsgKey::MsgTankTempInvalid, Standard::Gost3900))
        return;
    const std::optional<Ready> r = ready(s, source);
    if (!r)
        return;
    const density::Result<density::MassResult> m = density::gost3900MassFromVolume(
        *r->table, s.in().quantity, s.in().volumeUnit, s.in().density, r->temperature, s.in().temperatureUnit, s);
    if (!m) {
        s.report(m.error());
        return;
    }
    switch (density::tableStatus(m->actualDensity)) {
    case density::QuantityStatus::OutOfTable:
        quantityOutOfTable(s, Output::Mass, Field::Quantity);
        return;
    case density::QuantityStatus::NoRow:
        s.fail(Status::NoRow);  // the mass comes out as 0,000
        break;
    case density::QuantityStatus::Ok:
        break;
    }
    s.result(Output::Mass, m->massText, m->mass);
    s.actualLine(m->actualDensity);
}

void volume20(Steps& s, const TableSource& source)
{
    if (!s.positive(Field::Quantity, s.in().quantity, MsgKey::MsgMassEmpty, MsgKey::MsgMassInvalid,
                    MsgKey::MsgMassNotPositive) ||
        !density20(s) || !s.temperature(MsgKey::MsgTankTempEmpty, MsgKey::MsgTankTempInvalid, Standard::Gost3900))
        return;
    const std::optional<Ready> r = ready(s, source);
    if (!r)
        return;
    const density::Result<density::VolumeResult> v = density::gost3900VolumeFromMass(
        *r->table, s.in().quantity, s.in().volumeUnit, s.in().density, r->temperature, s.in().temperatureUnit, s);
    if (!v) {
        s.report(v.error());
        return;
    }
    switch (v->status) {
    case density::QuantityStatus::OutOfTable:
        quantityOutOfTable(s, Output::Volume, Field::Quantity);
        return;
    case density::QuantityStatus::NoRow:
        // nothing to divide by; the computation has said so
        s.out().status = Status::NoRow;
        s.word(Output::Volume, MsgKey::MsgCaptionError);
        s.word(Output::ActualLine, MsgKey::TextActualDensityError);
        s.focus(Field::Quantity);
        return;
    case density::QuantityStatus::Ok:
        break;
    }
    s.result(Output::Volume, v->volumeText);
    s.actualLine(v->actualDensity);
}

}  // namespace calc::detail
