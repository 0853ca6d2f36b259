#include "course_terms.h"

#include "text/catalogue.h"

namespace journal {

namespace {

using calc::Course;
using calc::Field;
using calc::Output;

// A quantity's key and its name in each language.
struct Term {
    const char* key;
    const char* russian;
    const char* english;
};

// clang-format off
const Term kReading{"reading", "Плотность по ареометру", "Hydrometer reading"};
const Term kDensity20{"density20", "Плотность при 20 °C", "Density at 20 °C"};
const Term kDensity15{"density15", "Плотность при 15 °C", "Density at 15 °C"};
const Term kApi{"api", "Плотность API при 60 °F", "API gravity at 60 °F"};
const Term kTemperature{"temperature", "Температура", "Temperature"};
const Term kTankTemperature{"tank_temperature", "Температура в танке", "Temperature in tank"};
const Term kVolume{"volume", "Объём", "Volume"};
const Term kMass{"mass", "Масса", "Mass"};
const Term kPressure{"pressure", "Избыточное давление", "Excess pressure"};
const Term kActualDensity{"actual_density", "Плотность фактическая", "Actual density"};
// clang-format on

// Units the indicators do not show.
enum class FixedUnit { KgPerCubicMetre, Tonne, ApiDegree };

bool russian()
{
    return text::catalogue().language() == text::UiLanguage::Russian;
}

QString nameOf(const Term& term)
{
    return QString::fromUtf8(russian() ? term.russian : term.english);
}

QString unitText(FixedUnit unit)
{
    switch (unit) {
    case FixedUnit::KgPerCubicMetre:
        return russian() ? QStringLiteral("кг/м3") : QStringLiteral("kg/m3");
    case FixedUnit::Tonne:
        return russian() ? QStringLiteral("т") : QStringLiteral("t");
    case FixedUnit::ApiDegree:
        return QStringLiteral("°API");
    }
    return {};
}

QString unitText(density::UnitKind kind, int unit)
{
    return QString::fromStdString(text::catalogue().render(density::unitCaption(kind, unit)));
}

bool isMass(Course c)
{
    return c == Course::Mass20 || c == Course::Mass15;
}

bool isVolume(Course c)
{
    return c == Course::Volume20 || c == Course::Volume15;
}

bool at20(Course c)
{
    return c == Course::Reduce20 || c == Course::Actual20 || c == Course::Mass20 || c == Course::Volume20 ||
           c == Course::Api20 || c == Course::ApiToDensity20;
}

// The density field's meaning in each course.
const Term& densityTerm(Course c)
{
    switch (c) {
    case Course::Reduce20:
    case Course::Reduce15:
    case Course::Api20:
    case Course::Api15:
        return kReading;
    case Course::ApiToDensity20:
    case Course::ApiToDensity15:
        return kApi;
    default:
        return at20(c) ? kDensity20 : kDensity15;
    }
}

Quantity quantity(const Term& term, const std::string& value, const QString& unit)
{
    return {QString::fromLatin1(term.key), nameOf(term), QString::fromStdString(value), unit};
}

std::vector<Quantity> inputsOf(Course c, const calc::Inputs& in)
{
    std::vector<Quantity> out;
    const int volumeUnit = static_cast<int>(in.volumeUnit);
    if (isMass(c))
        out.push_back(quantity(kVolume, in.quantity, unitText(density::UnitKind::Volume, volumeUnit)));
    if (isVolume(c))
        out.push_back(quantity(kMass, in.quantity, unitText(FixedUnit::Tonne)));
    const Term& densityName = densityTerm(c);
    out.push_back(quantity(densityName, in.density,
                           unitText(&densityName == &kApi ? FixedUnit::ApiDegree : FixedUnit::KgPerCubicMetre)));
    out.push_back(quantity(isMass(c) || isVolume(c) ? kTankTemperature : kTemperature, in.temperature,
                           unitText(density::UnitKind::Temperature, static_cast<int>(in.temperatureUnit))));
    if (in.pressure)
        out.push_back(quantity(kPressure, *in.pressure,
                               unitText(density::UnitKind::Pressure, static_cast<int>(in.pressureUnit))));
    return out;
}

Quantity resultOf(const calc::ResultText& r, const calc::Inputs& in)
{
    const auto withUnit = [&](const Term& term, const QString& unit) {
        QString value = QString::fromStdString(r.value);
        if (value.isEmpty()) {  // an error word: the text as shown
            const std::string shown =
                (r.text.key ? text::catalogue().text(*r.text.key) : std::string()) + r.text.literal;
            value = QString::fromStdString(shown);
        }
        return Quantity{QString::fromLatin1(term.key), nameOf(term), value, unit};
    };
    switch (r.output) {
    case Output::Density20:
        return withUnit(kDensity20, unitText(FixedUnit::KgPerCubicMetre));
    case Output::Density15:
        return withUnit(kDensity15, unitText(FixedUnit::KgPerCubicMetre));
    case Output::Api:
        return withUnit(kApi, unitText(FixedUnit::ApiDegree));
    case Output::ActualDensity:
    case Output::ActualLine:
        return withUnit(kActualDensity, unitText(FixedUnit::KgPerCubicMetre));
    case Output::Mass:
        return withUnit(kMass, unitText(FixedUnit::Tonne));
    case Output::Volume:
        return withUnit(kVolume, unitText(density::UnitKind::Volume, static_cast<int>(in.volumeUnit)));
    }
    return {};
}

QString statusKey(calc::Status status)
{
    switch (status) {
    case calc::Status::Ok:
        return QStringLiteral("ok");
    case calc::Status::CheckFailed:
        return QStringLiteral("check_failed");
    case calc::Status::OutOfTable:
        return QStringLiteral("out_of_table");
    case calc::Status::NoRow:
        return QStringLiteral("no_row");
    case calc::Status::CalcFailed:
        return QStringLiteral("calc_failed");
    }
    return {};
}

QString groupKey(density::ProductGroup group)
{
    switch (group) {
    case density::ProductGroup::Crude:
        return QStringLiteral("crude_oil");
    case density::ProductGroup::Products:
        return QStringLiteral("petroleum_products");
    case density::ProductGroup::Lubricating:
        return QStringLiteral("lubricating_oils");
    }
    return {};
}

}  // namespace

QString pageKey(Course c)
{
    switch (c) {
    case Course::Reduce20:
    case Course::Actual20:
        return QStringLiteral("density20");
    case Course::Mass20:
    case Course::Volume20:
        return QStringLiteral("calculator20");
    case Course::Reduce15:
    case Course::Actual15:
        return QStringLiteral("density15");
    case Course::Mass15:
    case Course::Volume15:
        return QStringLiteral("calculator15");
    default:
        return QStringLiteral("api");
    }
}

QString blockKey(Course c)
{
    static const char* const kKeys[] = {"reduce20", "actual20",         "mass20", "volume20",
                                        "reduce15", "actual15",         "mass15", "volume15",
                                        "api20",    "api_to_density20", "api15",  "api_to_density15"};
    return QString::fromLatin1(kKeys[static_cast<int>(c)]);
}

QString standardOf(Course c)
{
    return at20(c) ? QStringLiteral("GOST 3900-85") : QStringLiteral("GOST R 50.2.076-2010");
}

Entry entryOf(Course course, const calc::Inputs& inputs, const calc::Outcome& outcome, const BlockChoices& choices,
              const QDateTime& at, const TableInUse& table)
{
    Entry e;
    e.recordedAt = at;
    e.page = pageKey(course);
    e.block = blockKey(course);
    e.standard = standardOf(course);
    if (choices.group)
        e.productGroup = groupKey(inputs.group);
    if (choices.glass)
        e.glassCorrection = inputs.glass;
    if (choices.pressure)
        e.pressureOn = inputs.pressure.has_value();
    e.inputs = inputsOf(course, inputs);
    for (const calc::ResultText& r : outcome.results)
        e.results.push_back(resultOf(r, inputs));
    for (const density::Message& m : outcome.messages)
        e.messages << QString::fromStdString(text::catalogue().render(m));
    if (!outcome.failure.empty())
        e.messages << QString::fromStdString(outcome.failure);
    e.status = statusKey(outcome.status);
    e.language = russian() ? QStringLiteral("ru") : QStringLiteral("en");
    if (calc::needsTable(course)) {
        e.tablePath = table.path;
        e.tableChecksum = table.checksum;
    }
    e.programVersion = programVersion();
    return e;
}

}  // namespace journal
