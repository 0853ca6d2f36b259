#include "calculator.h"

#include <algorithm>
#include <cctype>

#include "app/catalogue.h"
#include "density/api.h"
#include "density/gost3900.h"
#include "density/numeric_text.h"

namespace cli {

using density::Message;
using density::MsgKey;

namespace {

bool sameName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// Collects what the computations and the checks report, as the user reads it.
class CollectingSink : public density::MessageSink {
public:
    explicit CollectingSink(std::vector<std::string>& texts) : m_texts(texts) {}
    void show(const Message& message) override { m_texts.push_back(shell::catalogue().render(message)); }
    std::size_t count() const { return m_texts.size(); }

private:
    std::vector<std::string>& m_texts;
};

using Args = std::vector<std::string>;

// One run of one calculator: the checks of its handler and its outputs.
class Run {
public:
    Run(Calculator& calc, Outcome& out, const Options& options)
        : m_calc(calc), m_out(out), m_options(options), m_sink(out.messages)
    {
    }

    density::MessageSink& sink() { return m_sink; }
    const Options& options() const { return m_options; }
    bool fahrenheit() const { return m_options.temperatureUnit == density::TemperatureUnit::Fahrenheit; }
    density::TemperatureUnit temperatureUnit() const { return m_options.temperatureUnit; }

    const density::ReductionTable* table() { return m_calc.loadTable(m_out) ? &m_calc.table() : nullptr; }

    // A failed check: the message, status 2.
    bool refuse(const Message& message)
    {
        m_sink.show(message);
        m_out.status = kStatusCheckFailed;
        return false;
    }
    // A failure after the checks: the message, status 3.
    void fail(const Message& message)
    {
        m_sink.show(message);
        m_out.status = kStatusCalcFailed;
    }
    void status(int status) { m_out.status = status; }
    void usage(const std::string& what)
    {
        m_out.messages.push_back(what);
        m_out.status = kStatusUsage;
    }
    // What the window's generic error report would show.
    void fail(const std::string& reason)
    {
        m_out.messages.push_back(reason);
        m_out.status = kStatusCalcFailed;
    }

    // Empty text, then a text that does not parse: the field's messages.
    std::optional<double> field(std::string_view text, MsgKey empty, MsgKey invalid)
    {
        const density::FieldReading r = density::readField(text);
        if (r.state != density::FieldState::Number) {
            refuse(Message(r.state == density::FieldState::Empty ? empty : invalid));
            return std::nullopt;
        }
        return r.value;
    }
    bool inRange(const std::optional<double>& v, double min, double max, const Message& message)
    {
        return v && ((*v >= min && *v <= max) || refuse(message));
    }
    bool positive(const std::optional<double>& v, MsgKey message) { return v && (*v > 0 || refuse(Message(message))); }

    // The field check of a temperature, then the range check of its standard.
    bool temperature(std::string_view text, MsgKey empty, MsgKey invalid, bool r50)
    {
        if (!field(text, empty, invalid))
            return false;
        const bool outside = r50 ? density::r50CheckTemperature(text, m_options.temperatureUnit, m_sink)
                                 : density::gost3900CheckTemperature(text, m_options.temperatureUnit, m_sink);
        if (outside)
            m_out.status = kStatusCheckFailed;
        return !outside;
    }

    // The pressure check of the 15 °C pages: the pressure in MPa as text, "0"
    // when the option is off.
    std::optional<std::string> pressure()
    {
        if (!m_options.pressure)
            return std::string("0");
        const std::string& text = *m_options.pressure;
        if (!field(text, MsgKey::MsgPressureEmpty, MsgKey::MsgPressureInvalid))
            return std::nullopt;
        std::string mpa = density::convertPressure(text, m_options.pressureUnit, density::PressureUnit::MPa, m_sink);
        const std::optional<double> p = density::parseNumber(mpa);
        if (!p || *p < 0 || *p > density::kPressureMaxMPa) {
            refuse(Message(MsgKey::MsgPressureOutOfRange));
            return std::nullopt;
        }
        return mpa;
    }

    // The half-degree rounding that the 20 °C handlers write back into the
    // temperature field; it leads the results.
    std::optional<std::string> roundTemperature(std::string_view text)
    {
        density::Result<std::string> r = density::roundToHalfDegree(text);
        if (!r) {
            fail(r.error());
            return std::nullopt;
        }
        m_out.results.insert(m_out.results.begin(), {"temperature", *r});
        return *r;
    }

    void result(const char* name, double value, int decimals)
    {
        const std::optional<std::string> text = density::formatFixed(value, decimals);
        m_out.results.emplace_back(name, text ? *text : density::formatHandOver(value));
    }
    void result(const char* name, std::string text) { m_out.results.emplace_back(name, std::move(text)); }

    // A computation's message shown since `mark` ends the run with status 3:
    // its fall-back value is not printed as a result.
    std::size_t mark() const { return m_sink.count(); }
    bool quietSince(std::size_t mark)
    {
        if (m_sink.count() == mark)
            return true;
        m_out.status = kStatusCalcFailed;
        return false;
    }
    // A double result of a computation that may stop on malformed data.
    bool ok(const density::Result<double>& r, std::size_t mark)
    {
        if (!r) {
            fail(r.error());
            return false;
        }
        return quietSince(mark);
    }

    // A table value: false (reported) when it is out of the table or the
    // table has no row for the temperature.
    bool tableValue(const density::Result<double>& r, MsgKey outOfTable)
    {
        if (!r) {
            fail(r.error());
            return false;
        }
        if (*r == density::kOutOfTableMark) {
            fail(Message(outOfTable));
            return false;
        }
        if (*r == density::kNoRow) {
            fail(Message(MsgKey::MsgNoTableRow));
            return false;
        }
        return true;
    }

private:
    Calculator& m_calc;
    Outcome& m_out;
    const Options& m_options;
    CollectingSink m_sink;
};

// The API page passes 60 °F as these texts, with the separator in force.
std::string sixtyOnTheGrid()
{
    return std::string("15") + density::decimalSeparator() + "5";
}
std::string sixtyFahrenheit()
{
    return std::string("15") + density::decimalSeparator() + "55555";
}

// --- field checks, in the order of the handlers ---

bool hydrometer20(Run& run, const std::string& text)
{
    return run.inRange(run.field(text, MsgKey::MsgDensityEmpty, MsgKey::MsgDensityInvalid), density::kHydrometerMin,
                       density::kHydrometerMax, Message(MsgKey::MsgHydrometerOutOfTable));
}

bool density20(Run& run, const std::string& text)
{
    return run.inRange(run.field(text, MsgKey::MsgDensity20Empty, MsgKey::MsgDensity20Invalid),
                       density::kDensity20Min, density::kDensity20Max, Message(MsgKey::MsgDensity20OutOfTable));
}

bool hydrometer15(Run& run, const std::string& text)
{
    return run.inRange(run.field(text, MsgKey::MsgDensityEmpty, MsgKey::MsgDensityInvalid), density::kR50ObservedMin,
                       density::kR50ObservedMax,
                       Message(MsgKey::MsgDensityOutOfTable).then(" : 550-1190 ").then(MsgKey::TextUnitKgPerM3));
}

bool density15(Run& run, const std::string& text)
{
    return run.inRange(run.field(text, MsgKey::MsgDensity15Empty, MsgKey::MsgDensity15Invalid),
                       density::kDensity15Min, density::kDensity15Max, Message(MsgKey::MsgDensity15OutOfTable));
}

bool apiGravity(Run& run, const std::string& text)
{
    return run.inRange(run.field(text, MsgKey::MsgApiEmpty, MsgKey::MsgApiInvalid), density::kApiMin,
                       density::kApiMax, Message(MsgKey::MsgApiOutOfRange));
}

bool volume(Run& run, const std::string& text)
{
    return run.positive(run.field(text, MsgKey::MsgVolumeEmpty, MsgKey::MsgVolumeInvalid),
                        MsgKey::MsgVolumeNotPositive);
}

bool mass(Run& run, const std::string& text)
{
    return run.positive(run.field(text, MsgKey::MsgMassEmpty, MsgKey::MsgMassInvalid), MsgKey::MsgMassNotPositive);
}

bool temperature(Run& run, const std::string& text, bool r50)
{
    return run.temperature(text, MsgKey::MsgTempEmpty, MsgKey::MsgTempInvalid, r50);
}

bool tankTemperature(Run& run, const std::string& text, bool r50)
{
    return run.temperature(text, MsgKey::MsgTankTempEmpty, MsgKey::MsgTankTempInvalid, r50);
}

constexpr bool kGost = false;
constexpr bool kR50 = true;

// --- GOST 3900-85 pages ---

// Button3Click
void reduce20(Run& run, const Args& a)
{
    if (!hydrometer20(run, a[0]) || !temperature(run, a[1], kGost))
        return;
    const density::ReductionTable* table = run.table();
    const std::optional<std::string> t = table ? run.roundTemperature(a[1]) : std::nullopt;
    if (!t)
        return;
    const density::Result<double> r = density::gost3900ReduceTo20(*table, a[0], *t, run.temperatureUnit(), run.sink());
    if (run.tableValue(r, MsgKey::MsgDensity20OutOfTable))
        run.result("density20", *r, 1);
}

// Button4Click
void actual20(Run& run, const Args& a)
{
    if (!density20(run, a[0]) || !temperature(run, a[1], kGost))
        return;
    const density::ReductionTable* table = run.table();
    const std::optional<std::string> t = table ? run.roundTemperature(a[1]) : std::nullopt;
    if (!t)
        return;
    const density::Result<double> r =
        density::gost3900ActualDensity(*table, a[0], *t, run.temperatureUnit(), run.sink());
    if (run.tableValue(r, MsgKey::MsgDensity20OutOfTable))
        run.result("actual_density", *r, 1);
}

// Button5Click
void mass20(Run& run, const Args& a)
{
    if (!volume(run, a[0]) || !density20(run, a[1]) || !tankTemperature(run, a[2], kGost))
        return;
    const density::ReductionTable* table = run.table();
    const std::optional<std::string> t = table ? run.roundTemperature(a[2]) : std::nullopt;
    if (!t)
        return;
    const std::size_t mark = run.mark();
    const density::Result<density::MassResult> r = density::gost3900MassFromVolume(
        *table, a[0], run.options().volumeUnit, a[1], *t, run.temperatureUnit(), run.sink());
    if (!r) {
        run.fail(r.error());
        return;
    }
    if (!run.tableValue(r->actualDensity, MsgKey::MsgActualDensityOutOfTable) || !run.quietSince(mark))
        return;
    run.result("mass_t", r->mass, 3);
    run.result("actual_density", r->actualDensity, 1);
}

// Button6Click
void volume20(Run& run, const Args& a)
{
    if (!mass(run, a[0]) || !density20(run, a[1]) || !tankTemperature(run, a[2], kGost))
        return;
    const density::ReductionTable* table = run.table();
    const std::optional<std::string> t = table ? run.roundTemperature(a[2]) : std::nullopt;
    if (!t)
        return;
    const std::size_t mark = run.mark();
    const density::Result<density::VolumeResult> r = density::gost3900VolumeFromMass(
        *table, a[0], run.options().volumeUnit, a[1], *t, run.temperatureUnit(), run.sink());
    if (!r) {
        run.fail(r.error());
        return;
    }
    if (!run.tableValue(r->actualDensity, MsgKey::MsgActualDensityOutOfTable) || !run.quietSince(mark))
        return;
    run.result("volume", r->volumeText);
    run.result("actual_density", r->actualDensity, 1);
}

// --- GOST R 50.2.076-2010 pages ---

// Button7Click
void reduce15(Run& run, const Args& a)
{
    if (!hydrometer15(run, a[0]) || !temperature(run, a[1], kR50))
        return;
    const std::size_t mark = run.mark();
    const density::Result<double> r = density::r50ReduceTo15(a[0], a[1], run.options().glass, run.options().group,
                                                             run.fahrenheit(), run.sink());
    if (run.ok(r, mark))
        run.result("density15", *r, 1);
}

// Button8Click
void actual15(Run& run, const Args& a)
{
    if (!density15(run, a[0]) || !temperature(run, a[1], kR50))
        return;
    const std::optional<std::string> p = run.pressure();
    if (!p)
        return;
    const std::size_t mark = run.mark();
    const density::Result<double> r =
        density::r50ActualDensity(a[0], a[1], *p, run.options().group, run.fahrenheit(), run.sink());
    if (run.ok(r, mark))
        run.result("actual_density", *r, 1);
}

// Button9Click
void mass15(Run& run, const Args& a)
{
    if (!volume(run, a[0]) || !density15(run, a[1]) || !tankTemperature(run, a[2], kR50))
        return;
    const std::optional<std::string> p = run.pressure();
    if (!p)
        return;
    const std::size_t mark = run.mark();
    // the volume counts to the nearest 0,001 m3, as its converted text reads
    const std::string m3 =
        density::convertVolume(a[0], run.options().volumeUnit, density::VolumeUnit::CubicMetre, run.sink());
    const std::optional<double> v = density::parseNumber(m3);
    const density::Result<double> rho =
        density::r50ActualDensity(a[1], a[2], *p, run.options().group, run.fahrenheit(), run.sink());
    if (!v) {
        run.fail("'" + m3 + "' is not a valid number");
        return;
    }
    if (!run.ok(rho, mark))
        return;
    run.result("mass_t", *rho * *v / 1000, 3);
    run.result("actual_density", *rho, 1);
}

// Button10Click: the computation and both outputs are guarded.
void volume15(Run& run, const Args& a)
{
    if (!mass(run, a[0]) || !density15(run, a[1]) || !tankTemperature(run, a[2], kR50))
        return;
    const std::optional<std::string> p = run.pressure();
    if (!p)
        return;
    const std::size_t mark = run.mark();
    const density::Result<double> rho =
        density::r50ActualDensity(a[1], a[2], *p, run.options().group, run.fahrenheit(), run.sink());
    const std::optional<double> m = density::parseNumber(a[0]);
    std::string volumeText;
    bool good = rho.ok() && m && *rho != 0 && run.quietSince(mark);
    if (good) {
        volumeText = density::convertVolume(density::formatHandOver(*m * 1000 / *rho), density::VolumeUnit::CubicMetre,
                                            run.options().volumeUnit, run.sink());
        good = run.quietSince(mark);
    }
    if (!good) {
        run.fail(Message(MsgKey::MsgCalcError));
        return;
    }
    run.result("volume", volumeText);
    run.result("actual_density", *rho, 1);
}

// --- API page ---

// Button1Click
void api20(Run& run, const Args& a)
{
    if (!hydrometer20(run, a[0]) || !temperature(run, a[1], kGost))
        return;
    const density::ReductionTable* table = run.table();
    const std::optional<std::string> t = table ? run.roundTemperature(a[1]) : std::nullopt;
    if (!t)
        return;
    const density::Result<double> rho20 =
        density::gost3900ReduceTo20(*table, a[0], *t, run.temperatureUnit(), run.sink());
    if (!run.tableValue(rho20, MsgKey::MsgDensity20OutOfTable))
        return;
    run.result("density20", *rho20, 1);
    const density::Result<double> rho60 = density::gost3900ActualDensity(
        *table, density::formatHandOver(*rho20), sixtyOnTheGrid(), density::TemperatureUnit::Celsius, run.sink());
    if (!run.tableValue(rho60, MsgKey::MsgDensity20OutOfTable))
        return;
    const std::size_t mark = run.mark();
    const double api = density::apiFromDensity(*rho60, run.sink());
    if (run.quietSince(mark))
        run.result("api", api, 1);
}

// Button2Click
void api20Density(Run& run, const Args& a)
{
    if (!apiGravity(run, a[0]) || !temperature(run, a[1], kGost))
        return;
    const density::ReductionTable* table = run.table();
    if (!table)
        return;
    std::size_t mark = run.mark();
    const double rho60 = density::densityFromApi(*density::parseNumber(a[0]), run.sink());
    if (!run.quietSince(mark))
        return;
    const density::Result<double> rho20 = density::gost3900ReduceTo20(
        *table, density::formatHandOver(rho60), sixtyOnTheGrid(), density::TemperatureUnit::Celsius, run.sink());
    if (!run.tableValue(rho20, MsgKey::MsgDensity20OutOfTable))
        return;
    run.result("density20", *rho20, 1);
    const std::optional<std::string> t = run.roundTemperature(a[1]);
    if (!t)
        return;
    const density::Result<double> actual = density::gost3900ActualDensity(
        *table, density::formatHandOver(*rho20), *t, run.temperatureUnit(), run.sink());
    if (run.tableValue(actual, MsgKey::MsgDensity20OutOfTable))
        run.result("actual_density", *actual, 1);
}

// Button11Click
void api15(Run& run, const Args& a)
{
    if (!hydrometer15(run, a[0]) || !temperature(run, a[1], kR50))
        return;
    const std::size_t mark = run.mark();
    const density::Result<double> rho15 = density::r50ReduceTo15(a[0], a[1], run.options().glass,
                                                                 run.options().group, run.fahrenheit(), run.sink());
    if (!run.ok(rho15, mark))
        return;
    run.result("density15", *rho15, 1);
    const density::Result<double> rho60 = density::r50ActualDensity(density::formatHandOver(*rho15), sixtyFahrenheit(),
                                                                     "0", run.options().group, false, run.sink());
    if (!run.ok(rho60, mark))
        return;
    const double api = density::apiFromDensity(*rho60, run.sink());
    if (run.quietSince(mark))
        run.result("api", api, 1);
}

// Button12Click
void api15Density(Run& run, const Args& a)
{
    if (!apiGravity(run, a[0]) || !temperature(run, a[1], kR50))
        return;
    const std::size_t mark = run.mark();
    const double rho60 = density::densityFromApi(*density::parseNumber(a[0]), run.sink());
    if (!run.quietSince(mark))
        return;
    const density::Result<double> rho15 =
        density::r50ReduceTo15(density::formatHandOver(rho60), sixtyFahrenheit(), run.options().glass,
                               run.options().group, false, run.sink());
    if (!run.ok(rho15, mark))
        return;
    run.result("density15", *rho15, 1);
    const density::Result<double> actual = density::r50ActualDensity(
        density::formatHandOver(*rho15), a[1], "0", run.options().group, run.fahrenheit(), run.sink());
    if (run.ok(actual, mark))
        run.result("actual_density", *actual, 1);
}

// --- unit conversions ---

void convert(Run& run, const Args& a)
{
    const std::string& kind = a[0];
    const std::string& text = a[1];
    const std::size_t mark = run.mark();
    std::string out;
    const char* name = nullptr;
    bool unitsKnown = false;
    if (sameName(kind, "temperature")) {
        const auto from = temperatureUnitNamed(a[2]);
        const auto to = temperatureUnitNamed(a[3]);
        if ((unitsKnown = from && to)) {
            name = "temperature";
            if (*from != *to) {
                out = density::convertTemperature(text, *from, run.sink());
            } else {
                // the same unit: re-formatted with the conversion's decimal
                const std::optional<long double> x = density::parseNumberExtended(text);
                const std::optional<std::string> f = x ? density::formatFixed(*x, 1) : std::nullopt;
                if (f)
                    out = *f;
                else
                    run.sink().show(Message(MsgKey::MsgTempUnitsError));
            }
        }
    } else if (sameName(kind, "volume")) {
        const auto from = volumeUnitNamed(a[2]);
        const auto to = volumeUnitNamed(a[3]);
        if ((unitsKnown = from && to)) {
            name = "volume";
            out = density::convertVolume(text, *from, *to, run.sink());
        }
    } else if (sameName(kind, "pressure")) {
        const auto from = pressureUnitNamed(a[2]);
        const auto to = pressureUnitNamed(a[3]);
        if ((unitsKnown = from && to)) {
            name = "pressure";
            out = density::convertPressure(text, *from, *to, run.sink());
        }
    } else {
        run.usage("unknown quantity '" + kind + "': temperature, volume or pressure");
        return;
    }
    if (!unitsKnown) {
        run.usage("unknown " + kind + " unit among '" + a[2] + "' and '" + a[3] + "'");
        return;
    }
    if (run.mark() != mark) {
        // the conversion could not read its input: a failed check
        run.status(kStatusCheckFailed);
        return;
    }
    run.result(name, out);
}

using Handler = void (*)(Run&, const Args&);

struct Entry {
    Command command;
    Handler handler;
};

const std::vector<Entry>& entries()
{
    static const std::vector<Entry> list = {
        {{"reduce20", {"DENSITY", "TEMP"}, {"temperature", "density20"},
          "hydrometer reading to the density at 20 °C (GOST 3900-85 table)"},
         reduce20},
        {{"actual20", {"DENSITY20", "TEMP"}, {"temperature", "actual_density"},
          "actual density at TEMP from the density at 20 °C"},
         actual20},
        {{"mass20", {"VOLUME", "DENSITY20", "TEMP"}, {"temperature", "mass_t", "actual_density"},
          "volume in a tank at TEMP to tonnes, by GOST 3900-85"},
         mass20},
        {{"volume20", {"MASS", "DENSITY20", "TEMP"}, {"temperature", "volume", "actual_density"},
          "tonnes to the volume at TEMP, by GOST 3900-85"},
         volume20},
        {{"reduce15", {"DENSITY", "TEMP"}, {"density15"},
          "hydrometer reading to the density at 15 °C (GOST R 50.2.076-2010)"},
         reduce15},
        {{"actual15", {"DENSITY15", "TEMP"}, {"actual_density"},
          "actual density at TEMP (and --pressure) from the density at 15 °C"},
         actual15},
        {{"mass15", {"VOLUME", "DENSITY15", "TEMP"}, {"mass_t", "actual_density"},
          "volume in a tank at TEMP to tonnes, by GOST R 50.2.076-2010"},
         mass15},
        {{"volume15", {"MASS", "DENSITY15", "TEMP"}, {"volume", "actual_density"},
          "tonnes to the volume at TEMP, by GOST R 50.2.076-2010"},
         volume15},
        {{"api20", {"DENSITY", "TEMP"}, {"temperature", "density20", "api"},
          "hydrometer reading to the density at 20 °C and API gravity, through GOST 3900-85"},
         api20},
        {{"api20-density", {"API", "TEMP"}, {"temperature", "density20", "actual_density"},
          "API gravity to the density at 20 °C and the actual density at TEMP, through GOST 3900-85"},
         api20Density},
        {{"api15", {"DENSITY", "TEMP"}, {"density15", "api"},
          "hydrometer reading to the density at 15 °C and API gravity, through GOST R 50.2.076-2010"},
         api15},
        {{"api15-density", {"API", "TEMP"}, {"density15", "actual_density"},
          "API gravity to the density at 15 °C and the actual density at TEMP, through GOST R 50.2.076-2010"},
         api15Density},
        {{"convert", {"temperature|volume|pressure", "VALUE", "FROM", "TO"}, {"temperature", "volume", "pressure"},
          "converts VALUE between units (C F; m3 gal bbl; MPa bar at psi)"},
         convert},
    };
    return list;
}

const Entry* findEntry(std::string_view name)
{
    for (const Entry& e : entries())
        if (name == e.command.name)
            return &e;
    return nullptr;
}

}  // namespace

const std::vector<Command>& commands()
{
    static const std::vector<Command> list = [] {
        std::vector<Command> out;
        for (const Entry& e : entries())
            out.push_back(e.command);
        return out;
    }();
    return list;
}

const Command* findCommand(std::string_view name)
{
    const Entry* e = findEntry(name);
    return e ? &e->command : nullptr;
}

const std::vector<std::string>& allResultNames()
{
    static const std::vector<std::string> names = {"temperature", "density20", "density15", "api",
                                                   "actual_density", "mass_t", "volume", "pressure"};
    return names;
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

}  // namespace

std::optional<density::TemperatureUnit> temperatureUnitNamed(std::string_view name)
{
    using density::TemperatureUnit;
    static const std::pair<const char*, TemperatureUnit> names[] = {{"C", TemperatureUnit::Celsius},
                                                                    {"F", TemperatureUnit::Fahrenheit}};
    return named(name, names);
}

std::optional<density::VolumeUnit> volumeUnitNamed(std::string_view name)
{
    using density::VolumeUnit;
    static const std::pair<const char*, VolumeUnit> names[] = {
        {"m3", VolumeUnit::CubicMetre}, {"gal", VolumeUnit::UsGallon}, {"bbl", VolumeUnit::Barrel}};
    return named(name, names);
}

std::optional<density::PressureUnit> pressureUnitNamed(std::string_view name)
{
    using density::PressureUnit;
    static const std::pair<const char*, PressureUnit> names[] = {{"MPa", PressureUnit::MPa},
                                                                 {"bar", PressureUnit::Bar},
                                                                 {"at", PressureUnit::TechnicalAtmosphere},
                                                                 {"psi", PressureUnit::Psi}};
    return named(name, names);
}

std::optional<density::ProductGroup> groupNamed(std::string_view name)
{
    using density::ProductGroup;
    static const std::pair<const char*, ProductGroup> names[] = {
        {"crude", ProductGroup::Crude}, {"products", ProductGroup::Products}, {"lube", ProductGroup::Lubricating}};
    return named(name, names);
}

Calculator::Calculator(std::string tableFile) : m_tableFile(std::move(tableFile)) {}

bool Calculator::loadTable(Outcome& outcome)
{
    if (!m_tried) {
        m_tried = true;
        m_tableRead = density::readReductionTableFile(m_tableFile, m_table);
        m_loaded = m_tableRead.read();
    }
    if (m_loaded)
        return true;
    // named without its folder, as every missing file is
    CollectingSink sink(outcome.messages);
    sink.show(density::tableFileMessage(m_tableFile, m_tableRead));
    outcome.status = kStatusCalcFailed;
    return false;
}

Outcome Calculator::run(std::string_view command, const std::vector<std::string>& arguments, const Options& options)
{
    Outcome outcome;
    run(command, arguments, options, outcome);
    return outcome;
}

void Calculator::prepare()
{
    Outcome ignored;
    loadTable(ignored);
}

void Calculator::run(std::string_view command, const std::vector<std::string>& arguments, const Options& options,
                     Outcome& outcome)
{
    const Entry* e = findEntry(command);
    if (!e) {
        outcome.status = kStatusUsage;
        outcome.results.clear();
        outcome.messages.assign(1, "unknown subcommand '" + std::string(command) + "'");
        return;
    }
    run(e->command, arguments, options, outcome);
}

void Calculator::run(const Command& command, const std::vector<std::string>& arguments, const Options& options,
                     Outcome& outcome)
{
    outcome.status = kStatusOk;
    outcome.results.clear();
    outcome.messages.clear();
    const Entry* e = nullptr;
    for (const Entry& candidate : entries())
        if (&candidate.command == &command)
            e = &candidate;
    if (!e) {
        run(command.name, arguments, options, outcome);
        return;
    }
    if (arguments.size() != e->command.arguments.size()) {
        outcome.status = kStatusUsage;
        outcome.messages.push_back(std::string(e->command.name) + " takes " +
                                   std::to_string(e->command.arguments.size()) + " arguments, not " +
                                   std::to_string(arguments.size()));
        return;
    }
    Run run(*this, outcome, options);
    e->handler(run, arguments);
}

}  // namespace cli
