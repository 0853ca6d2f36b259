// The Python module vantorel: every calculator of the window over numbers and
// numpy arrays, through the same courses as the window and the command line.

#include <dlfcn.h>
#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "array_run.h"
#include "calc/unit_names.h"
#include "density/numeric_text.h"
#include "density/reduction_table.h"
#include "docs.h"
#include "text/catalogue.h"

namespace py = pybind11;
using namespace pybind11::literals;
using vantorel_python::Column;

namespace {

// --- option names, as the command line spells them (any case) ---

// The value of a name the command line takes, or ValueError listing them.
template <typename T>
T named(const char* option, const std::string& name, std::optional<T> (*find)(std::string_view),
        const std::vector<const char*>& names)
{
    if (const std::optional<T> value = find(name))
        return *value;
    std::string known;
    for (const char* text : names)
        known += (known.empty() ? "" : ", ") + std::string(text);
    throw py::value_error(option + std::string(" takes ") + known + ", not '" + name + "'");
}

density::ProductGroup groupNamed(const std::string& name)
{
    return named("group", name, &calc::groupNamed, calc::groupNames());
}

density::VolumeUnit volumeUnitNamed(const char* option, const std::string& name)
{
    return named(option, name, &calc::volumeUnitNamed, calc::volumeUnitNames());
}

density::PressureUnit pressureUnitNamed(const char* option, const std::string& name)
{
    return named(option, name, &calc::pressureUnitNamed, calc::pressureUnitNames());
}

density::TemperatureUnit temperatureUnitNamed(const char* option, const std::string& name)
{
    return named(option, name, &calc::temperatureUnitNamed, calc::temperatureUnitNames());
}

// --- the reduction table: read once per file and process ---

struct LoadedTable {
    density::ReductionTable table;
    density::TableFileOutcome read;
};

// The folder of this module's file.
std::filesystem::path moduleFolder()
{
    Dl_info info{};
    static const int anchor = 0;
    if (dladdr(&anchor, &info) == 0 || !info.dli_fname)
        return {};
    return std::filesystem::path(info.dli_fname).parent_path();
}

// The table beside vantorel-calc in the build tree, or the one installed
// with the module (<prefix>/share/vantorel, the module in
// <prefix>/lib/python3*/dist-packages).
std::string defaultTable()
{
    const std::filesystem::path folder = moduleFolder();
    const std::filesystem::path candidates[] = {
        folder / ".." / "bin" / density::kTableFileName,
        folder / ".." / ".." / ".." / "share" / "vantorel" / density::kTableFileName};
    std::error_code ec;
    for (const auto& c : candidates)
        if (std::filesystem::is_regular_file(c, ec))
            return std::filesystem::weakly_canonical(c, ec).string();
    return candidates[1].lexically_normal().string();
}

// Called with the interpreter held: the tables are shared by every call.
const LoadedTable& tableAt(const std::string& path)
{
    static std::map<std::string, std::unique_ptr<LoadedTable>> tables;
    std::unique_ptr<LoadedTable>& t = tables[path];
    if (!t) {
        t = std::make_unique<LoadedTable>();
        t->read = density::readReductionTableFile(path, t->table);
    }
    return *t;
}

// --- results ---

py::handle statusEnum;  // vantorel.Status, kept for the life of the process

// The arrays of one call: one attribute per result column and the status;
// the error texts are made into an array when asked for.
struct Result {
    std::vector<std::pair<std::string, py::object>> fields;
    std::shared_ptr<const vantorel_python::Failures> failures;
    py::object shape;
    bool scalar = false;

    py::object error() const
    {
        if (scalar)
            return py::str(failures->empty() ? std::string() : failures->front().text);
        py::array errors = py::module_::import("numpy").attr("full")(shape, "", "dtype"_a = "object");
        py::object flat = errors.attr("reshape")(-1);
        for (const auto& f : *failures)
            flat[py::int_(f.index)] = py::str(f.text);
        return std::move(errors);
    }
};
// One class per calculator, so that editors know its attributes.
template <int Kind>
struct ResultOf : Result {
};

py::object fieldOf(const Result& r, const std::string& name)
{
    for (const auto& [n, v] : r.fields)
        if (n == name)
            return v;
    throw py::attribute_error(name);
}

template <int Kind>
void defineResult(py::module_& m, const char* className, const std::vector<const char*>& names, const char* doc)
{
    py::class_<ResultOf<Kind>, Result> c(m, className, doc);
    for (const char* name : names) {
        const std::string n = name;
        c.def_property_readonly(name, [n](const Result& r) { return fieldOf(r, n); });
    }
    c.def_property_readonly("status", [](const Result& r) { return fieldOf(r, "status"); });
    c.def_property_readonly("error", &Result::error);
}

// --- a calculator over arrays ---

struct Calculator {
    calc::Course course;
    int kind;                     // its result class
    std::vector<Column> columns;  // in the command line's order
};

const std::vector<Calculator>& calculators();

// The inputs, broadcast against each other, as C-contiguous float64 arrays.
struct Broadcast {
    std::vector<py::array_t<double, py::array::c_style | py::array::forcecast>> arrays;
    py::object shape;                  // as a tuple
    std::vector<py::ssize_t> extents;  // the same, for new arrays
    bool scalar = true;
    std::size_t count = 0;
};

Broadcast broadcast(const std::vector<py::object>& inputs)
{
    const py::module_ np = py::module_::import("numpy");
    py::list arrays;
    Broadcast b;
    for (const py::object& x : inputs) {
        // numbers only: a text would be read by numpy's rules, not the program's
        const std::string kind = np.attr("asarray")(x).attr("dtype").attr("kind").cast<std::string>();
        if (kind == "U" || kind == "S")
            throw py::type_error("the inputs are numbers, not texts");
        py::object a = np.attr("asarray")(x, "dtype"_a = "float64");
        b.scalar = b.scalar && a.attr("ndim").cast<int>() == 0;
        arrays.append(a);
    }
    const py::list together = np.attr("broadcast_arrays")(*arrays);
    for (const py::handle a : together)
        b.arrays.emplace_back(np.attr("ascontiguousarray")(a));
    b.shape = together[0].attr("shape");
    const auto& first = b.arrays.front();
    b.extents.assign(first.shape(), first.shape() + first.ndim());
    b.count = static_cast<std::size_t>(b.arrays.front().size());
    return b;
}

py::object element(const py::object& array, bool scalar)
{
    // a new array of no dimensions still holds one element in one
    return scalar ? array.attr("reshape")(py::tuple())[py::tuple()] : array;
}

py::object statusField(const py::array_t<std::int8_t>& status, bool scalar)
{
    return scalar ? statusEnum(static_cast<int>(*status.data())) : py::object(status);
}

struct Keywords {
    calc::Choices choices;
    py::object pressure = py::none();
    std::optional<std::string> table;
    bool strict = false;
    int threads = 1;
};

template <int Kind>
py::object wrap(Result&& r)
{
    return py::cast(ResultOf<Kind>{std::move(r)});
}

using Wrapper = py::object (*)(Result&&);
template <std::size_t... K>
constexpr std::array<Wrapper, sizeof...(K)> wrappers(std::index_sequence<K...>)
{
    return {&wrap<static_cast<int>(K)>...};
}
constexpr int kResultKinds = 13;  // twelve calculators and convert

int checkedThreads(int threads)
{
    if (threads < 1 || threads > 64)
        throw py::value_error("threads takes a number from 1 to 64, not " + std::to_string(threads));
    return threads;
}

py::object calculate(const Calculator& c, const std::vector<py::object>& values, Keywords& k)
{
    const int threads = checkedThreads(k.threads);
    std::vector<py::object> inputs = values;
    const bool pressured = !k.pressure.is_none();
    if (pressured)
        inputs.push_back(k.pressure);
    Broadcast b = broadcast(inputs);

    vantorel_python::Columns columns;
    columns.count = b.count;
    for (std::size_t i = 0; i < values.size(); ++i)
        columns.inputs.push_back(b.arrays[i].data());
    if (pressured)
        columns.pressure = b.arrays.back().data();
    std::vector<py::array_t<double>> outputs;
    for (Column column : c.columns) {
        outputs.emplace_back(b.extents);
        columns.outputs[static_cast<int>(column)] = outputs.back().mutable_data();
    }
    py::array_t<std::int8_t> status(b.extents);
    columns.status = status.mutable_data();
    // the option the window keeps as text; the pressure is then an input
    k.choices.pressure.reset();

    const LoadedTable* table = nullptr;
    std::optional<density::Message> tableMessage;
    if (calc::needsTable(c.course)) {
        const std::string path = k.table ? *k.table : defaultTable();
        table = &tableAt(path);
        if (!table->read.read())
            tableMessage = density::tableFileMessage(path, table->read);
    }
    const density::ReductionTable* readTable = table && !tableMessage ? &table->table : nullptr;
    auto failures = std::make_shared<vantorel_python::Failures>();
    {
        py::gil_scoped_release released;
        *failures = vantorel_python::runCourse(c.course, k.choices, readTable, tableMessage ? &*tableMessage : nullptr,
                                               columns, threads);
    }
    if (k.strict && !failures->empty())
        throw py::value_error(failures->front().text);

    Result r{{}, std::move(failures), b.shape, b.scalar};
    for (std::size_t i = 0; i < c.columns.size(); ++i)
        r.fields.emplace_back(vantorel_python::columnName(c.columns[i]), element(outputs[i], b.scalar));
    r.fields.emplace_back("status", statusField(status, b.scalar));
    static constexpr auto wrappersOfKinds = wrappers(std::make_index_sequence<kResultKinds>());
    return wrappersOfKinds[static_cast<std::size_t>(c.kind)](std::move(r));
}

py::object convert(const std::string& quantity, const py::object& value, const std::string& from, const std::string& to,
                   bool strict, int threads)
{
    threads = checkedThreads(threads);
    using vantorel_python::Quantity;
    vantorel_python::Units u{};
    if (calc::sameName(quantity, "temperature"))
        u = {Quantity::Temperature, static_cast<int>(temperatureUnitNamed("from_unit", from)),
             static_cast<int>(temperatureUnitNamed("to_unit", to))};
    else if (calc::sameName(quantity, "volume"))
        u = {Quantity::Volume, static_cast<int>(volumeUnitNamed("from_unit", from)),
             static_cast<int>(volumeUnitNamed("to_unit", to))};
    else if (calc::sameName(quantity, "pressure"))
        u = {Quantity::Pressure, static_cast<int>(pressureUnitNamed("from_unit", from)),
             static_cast<int>(pressureUnitNamed("to_unit", to))};
    else
        throw py::value_error("quantity takes temperature, volume or pressure, not '" + quantity + "'");

    Broadcast b = broadcast({value});
    py::array_t<double> out(b.extents);
    py::array_t<std::int8_t> status(b.extents);
    auto failures = std::make_shared<vantorel_python::Failures>();
    {
        py::gil_scoped_release released;
        *failures = vantorel_python::runConversion(u, b.arrays[0].data(), out.mutable_data(), status.mutable_data(),
                                                   b.count, threads);
    }
    if (strict && !failures->empty())
        throw py::value_error(failures->front().text);
    Result r{{}, std::move(failures), b.shape, b.scalar};
    r.fields.emplace_back("value", element(out, b.scalar));
    r.fields.emplace_back("status", statusField(status, b.scalar));
    return wrap<kResultKinds - 1>(std::move(r));
}

const std::vector<Calculator>& calculators()
{
    using calc::Course;
    static const std::vector<Calculator> list = {
        {Course::Reduce20, 0, {Column::Temperature, Column::Density20}},
        {Course::Actual20, 1, {Column::Temperature, Column::ActualDensity}},
        {Course::Mass20, 2, {Column::Temperature, Column::Mass, Column::ActualDensity}},
        {Course::Volume20, 3, {Column::Temperature, Column::Volume, Column::ActualDensity}},
        {Course::Reduce15, 4, {Column::Density15}},
        {Course::Actual15, 5, {Column::ActualDensity}},
        {Course::Mass15, 6, {Column::Mass, Column::ActualDensity}},
        {Course::Volume15, 7, {Column::Volume, Column::ActualDensity}},
        {Course::Api20, 8, {Column::Temperature, Column::Density20, Column::Api}},
        {Course::ApiToDensity20, 9, {Column::Temperature, Column::Density20, Column::ActualDensity}},
        {Course::Api15, 10, {Column::Density15, Column::Api}},
        {Course::ApiToDensity15, 11, {Column::Density15, Column::ActualDensity}},
    };
    return list;
}

const Calculator& calculator(calc::Course course)
{
    for (const Calculator& c : calculators())
        if (c.course == course)
            return c;
    throw std::logic_error("no calculator");
}

std::vector<const char*> columnNames(calc::Course course)
{
    std::vector<const char*> names;
    for (Column column : calculator(course).columns)
        names.push_back(vantorel_python::columnName(column));
    return names;
}

// The result class of each calculator, in the order of calculators().
template <std::size_t... K>
void defineCalculatorResults(py::module_& m, std::index_sequence<K...>)
{
    static const char* const names[] = {"Reduce20Result", "Actual20Result",     "Mass20Result", "Volume20Result",
                                        "Reduce15Result", "Actual15Result",     "Mass15Result", "Volume15Result",
                                        "Api20Result",    "Api20DensityResult", "Api15Result",  "Api15DensityResult"};
    (defineResult<static_cast<int>(K)>(m, names[K], columnNames(calculators()[K].course),
                                       vantorel_python::doc::kResultOf),
     ...);
}

// --- the functions, by the options their calculators read ---

calc::Choices choices(bool fahrenheit)
{
    calc::Choices c;
    c.temperatureUnit = fahrenheit ? density::TemperatureUnit::Fahrenheit : density::TemperatureUnit::Celsius;
    return c;
}

// GOST 3900-85 on the table: the temperature's unit and the table file.
void defineTableCourse(py::module_& m, const char* name, calc::Course course, const char* input, const char* doc)
{
    m.def(
        name,
        [course](py::object x, py::object temperature, bool fahrenheit, std::optional<std::string> table, bool strict,
                 int threads) {
            Keywords k{choices(fahrenheit), py::none(), std::move(table), strict, threads};
            return calculate(calculator(course), {std::move(x), std::move(temperature)}, k);
        },
        doc, py::arg(input), "temperature"_a, py::kw_only(), "fahrenheit"_a = false, "table"_a = py::none(),
        "strict"_a = false, "threads"_a = 1);
}

// A quantity in a tank by GOST 3900-85: also the unit of volumes.
void defineTableQuantity(py::module_& m, const char* name, calc::Course course, const char* quantity, const char* doc)
{
    m.def(
        name,
        [course](py::object q, py::object density20, py::object temperature, bool fahrenheit,
                 const std::string& volumeUnit, std::optional<std::string> table, bool strict, int threads) {
            Keywords k{choices(fahrenheit), py::none(), std::move(table), strict, threads};
            k.choices.volumeUnit = volumeUnitNamed("volume_unit", volumeUnit);
            return calculate(calculator(course), {std::move(q), std::move(density20), std::move(temperature)}, k);
        },
        doc, py::arg(quantity), "density20"_a, "temperature"_a, py::kw_only(), "fahrenheit"_a = false,
        "volume_unit"_a = "m3", "table"_a = py::none(), "strict"_a = false, "threads"_a = 1);
}

// A hydrometer reading or API gravity by GOST R 50.2.076-2010: the product
// group and the glass correction.
void defineReduction15(py::module_& m, const char* name, calc::Course course, const char* input, const char* doc)
{
    m.def(
        name,
        [course](py::object x, py::object temperature, bool fahrenheit, const std::string& group, bool glass,
                 bool strict, int threads) {
            Keywords k{choices(fahrenheit), py::none(), std::nullopt, strict, threads};
            k.choices.group = groupNamed(group);
            k.choices.glass = glass;
            return calculate(calculator(course), {std::move(x), std::move(temperature)}, k);
        },
        doc, py::arg(input), "temperature"_a, py::kw_only(), "fahrenheit"_a = false, "group"_a = "products",
        "glass"_a = true, "strict"_a = false, "threads"_a = 1);
}

Keywords pressureKeywords(bool fahrenheit, const std::string& group, py::object pressure,
                          const std::string& pressureUnit, bool strict, int threads)
{
    Keywords k{choices(fahrenheit), std::move(pressure), std::nullopt, strict, threads};
    k.choices.group = groupNamed(group);
    k.choices.pressureUnit = pressureUnitNamed("pressure_unit", pressureUnit);
    return k;
}

void defineActual15(py::module_& m, const char* doc)
{
    m.def(
        "actual15",
        [](py::object density15, py::object temperature, bool fahrenheit, const std::string& group, py::object pressure,
           const std::string& pressureUnit, bool strict, int threads) {
            Keywords k = pressureKeywords(fahrenheit, group, std::move(pressure), pressureUnit, strict, threads);
            return calculate(calculator(calc::Course::Actual15), {std::move(density15), std::move(temperature)}, k);
        },
        doc, "density15"_a, "temperature"_a, py::kw_only(), "fahrenheit"_a = false, "group"_a = "products",
        "pressure"_a = py::none(), "pressure_unit"_a = "MPa", "strict"_a = false, "threads"_a = 1);
}

void defineQuantity15(py::module_& m, const char* name, calc::Course course, const char* quantity, const char* doc)
{
    m.def(
        name,
        [course](py::object q, py::object density15, py::object temperature, bool fahrenheit, const std::string& group,
                 py::object pressure, const std::string& pressureUnit, const std::string& volumeUnit, bool strict,
                 int threads) {
            Keywords k = pressureKeywords(fahrenheit, group, std::move(pressure), pressureUnit, strict, threads);
            k.choices.volumeUnit = volumeUnitNamed("volume_unit", volumeUnit);
            return calculate(calculator(course), {std::move(q), std::move(density15), std::move(temperature)}, k);
        },
        doc, py::arg(quantity), "density15"_a, "temperature"_a, py::kw_only(), "fahrenheit"_a = false,
        "group"_a = "products", "pressure"_a = py::none(), "pressure_unit"_a = "MPa", "volume_unit"_a = "m3",
        "strict"_a = false, "threads"_a = 1);
}

}  // namespace

PYBIND11_MODULE(vantorel, m)
{
    using calc::Course;
    namespace doc = vantorel_python::doc;
    // numbers reach the courses as texts with the decimal point
    density::setDecimalSeparator('.');
    text::catalogue().fill(text::UiLanguage::Russian);

    m.doc() = doc::kModule;
    statusEnum =
        py::module_::import("enum")
            .attr("IntEnum")("Status",
                             py::make_tuple(py::make_tuple("OK", 0), py::make_tuple("USAGE", 1),
                                            py::make_tuple("CHECK_FAILED", 2), py::make_tuple("CALC_FAILED", 3)),
                             "module"_a = "vantorel")
            .release();
    statusEnum.attr("__doc__") = doc::kStatus;
    m.attr("Status") = statusEnum;

    py::class_<Result>(m, "Result", doc::kResult)
        .def(
            "to_dict",
            [](const Result& r) {
                py::dict d;
                for (const auto& [name, value] : r.fields)
                    d[py::str(name)] = value;
                d["error"] = r.error();
                return d;
            },
            doc::kToDict)
        .def("__repr__", [](py::object self) {
            const Result& r = self.cast<const Result&>();
            std::string text = py::str(self.get_type().attr("__name__")).cast<std::string>() + "(";
            for (std::size_t i = 0; i < r.fields.size(); ++i)
                text += (i ? ", " : "") + r.fields[i].first + "=" + py::repr(r.fields[i].second).cast<std::string>();
            return text + ")";
        });
    defineCalculatorResults(m, std::make_index_sequence<kResultKinds - 1>());
    defineResult<kResultKinds - 1>(m, "ConvertResult", {"value"}, doc::kResultOf);

    defineTableCourse(m, "reduce20", Course::Reduce20, "density", doc::kReduce20);
    defineTableCourse(m, "actual20", Course::Actual20, "density20", doc::kActual20);
    defineTableQuantity(m, "mass20", Course::Mass20, "volume", doc::kMass20);
    defineTableQuantity(m, "volume20", Course::Volume20, "mass", doc::kVolume20);
    defineReduction15(m, "reduce15", Course::Reduce15, "density", doc::kReduce15);
    defineActual15(m, doc::kActual15);
    defineQuantity15(m, "mass15", Course::Mass15, "volume", doc::kMass15);
    defineQuantity15(m, "volume15", Course::Volume15, "mass", doc::kVolume15);
    defineTableCourse(m, "api20", Course::Api20, "density", doc::kApi20);
    defineTableCourse(m, "api20_density", Course::ApiToDensity20, "api", doc::kApi20Density);
    defineReduction15(m, "api15", Course::Api15, "density", doc::kApi15);
    defineReduction15(m, "api15_density", Course::ApiToDensity15, "api", doc::kApi15Density);
    m.def("convert", &convert, doc::kConvert, "quantity"_a, "value"_a, "from_unit"_a, "to_unit"_a, py::kw_only(),
          "strict"_a = false, "threads"_a = 1);

    m.def(
        "set_language",
        [](const std::string& language) {
            if (calc::sameName(language, "ru"))
                text::catalogue().fill(text::UiLanguage::Russian);
            else if (calc::sameName(language, "en"))
                text::catalogue().fill(text::UiLanguage::English);
            else
                throw py::value_error("language takes ru or en, not '" + language + "'");
        },
        doc::kSetLanguage, "language"_a);
    m.def("default_table", &defaultTable, doc::kDefaultTable);
}
