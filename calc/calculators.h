#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "density/messages.h"
#include "density/r50.h"
#include "density/reduction_table.h"
#include "density/units.h"

// The twelve calculators, each one course shared by the window and the
// command line: the checks in their order, unit conversions, the computation
// and the fall-backs. A course reads texts and choices and says what to show.
namespace calc {

enum class Course {
    Reduce20,        // hydrometer reading to the density at 20 °C
    Actual20,        // density at 20 °C to the actual density
    Mass20,          // volume in a tank to tonnes, GOST 3900-85
    Volume20,        // tonnes to the volume in a tank, GOST 3900-85
    Reduce15,        // hydrometer reading to the density at 15 °C
    Actual15,        // density at 15 °C to the actual density (and pressure)
    Mass15,          // volume to tonnes, GOST R 50.2.076-2010
    Volume15,        // tonnes to volume, GOST R 50.2.076-2010
    Api20,           // hydrometer reading to API gravity through GOST 3900-85
    ApiToDensity20,  // API gravity to the densities through GOST 3900-85
    Api15,           // hydrometer reading to API gravity through GOST R 50.2.076-2010
    ApiToDensity15,  // API gravity to the densities through GOST R 50.2.076-2010
};

enum class Status {
    Ok,
    CheckFailed,  // an input failed its check; nothing computed
    OutOfTable,   // the reduction table holds no value for the request
    NoRow,        // the reduction table has no row for the temperature
    CalcFailed,   // a computation failed (its message or the generic report)
};

// The input fields of a block, by what they hold.
enum class Field {
    Quantity,  // volume or mass
    Density,   // reading, density at 15 or 20 °C, or API gravity
    Temperature,
    Pressure,
};

// The outputs of a block.
enum class Output {
    Density20,
    Density15,
    Api,
    ActualDensity,
    Mass,
    Volume,
    ActualLine,  // "Плотность фактическая (кг/м3) : 839,4" under a quantity block
};
constexpr int kOutputCount = static_cast<int>(Output::ActualLine) + 1;
constexpr int kFieldCount = static_cast<int>(Field::Pressure) + 1;

// The choices of a block: its check boxes, radio buttons and unit menus.
struct Choices {
    density::TemperatureUnit temperatureUnit = density::TemperatureUnit::Celsius;
    density::VolumeUnit volumeUnit = density::VolumeUnit::CubicMetre;
    std::optional<std::string> pressure;  // given while the pressure option is on
    density::PressureUnit pressureUnit = density::PressureUnit::MPa;
    density::ProductGroup group = density::ProductGroup::Products;
    bool glass = true;
};

// The texts and choices of a block; each course reads what it needs.
struct Inputs : Choices {
    std::string quantity;
    std::string density;
    std::string temperature;
};

// A text for a field or a label: a catalogue entry (when given), then literal text.
struct Text {
    std::optional<density::MsgKey> key;
    std::string literal;
};

struct ResultText {
    Output output;
    Text text;                   // as the window shows it
    std::string value;           // the number alone ("839,4"); empty for an error word
    bool computed;               // false for an error word, a fall-back or what follows one
    std::size_t messagesBefore;  // messages of the outcome shown before this result
    std::optional<double> held;  // the value `value` was rounded from, when the course held one
};

// Everything a block must show after its button, in this order: outputs
// cleared, the temperature field rewritten, the messages, the generic error
// report, the results, the focus.
struct Outcome {
    Status status = Status::Ok;
    std::vector<Output> cleared;
    std::optional<std::string> temperature;  // on the half-degree grid
    std::vector<density::Message> messages;
    std::string failure;  // reason for the generic error report; the course stopped there
    std::vector<ResultText> results;
    std::optional<Field> focus;
};

// The reduction table when a course needs it, or nullptr when there is none
// (the source has told the sink why).
using TableSource = std::function<const density::ReductionTable*(density::MessageSink&)>;

// Whether the course reads the reduction table.
bool needsTable(Course course);

Outcome run(Course course, const Inputs& inputs, const TableSource& table);

}  // namespace calc
