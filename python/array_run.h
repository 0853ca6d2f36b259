#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "calc/calculators.h"
#include "calc/conversion.h"

// The loop of a calculator over arrays of numbers: each element through the
// course of the window and the command line, its shown results as numbers.
// No Python here: the bindings hand over plain buffers and release the
// interpreter while this runs.
namespace vantorel_python {

// A result column of a calculator, as the command line names it.
enum class Column { Temperature, Density20, Density15, Api, ActualDensity, Mass, Volume };
constexpr int kColumnCount = static_cast<int>(Column::Volume) + 1;
const char* columnName(Column column);

// Exit statuses of the command line.
enum class ExitStatus : std::int8_t { Ok = 0, Usage = 1, CheckFailed = 2, CalcFailed = 3 };
ExitStatus exitStatus(calc::Status status);

// What one element reads: the inputs of the course in its order (quantity,
// density, temperature; the first two for the others), and the pressure
// while the option is on. NaN stands for an empty field.
struct Columns {
    std::size_t count = 0;
    std::vector<const double*> inputs;
    const double* pressure = nullptr;
    double* outputs[kColumnCount] = {};  // the columns the calculator gives; others null
    std::int8_t* status = nullptr;
};

// The field text of a number: the shortest that reads back as the same
// double, with the decimal point; empty for NaN.
void numberText(double value, std::string& out);

// The inputs of element i for the course.
void elementInputs(calc::Course course, const Columns& columns, std::size_t i, calc::Inputs& in);

// A failed element and what the command line says of it (its messages
// joined with " / ", as in the error column of a batch).
struct Failure {
    std::size_t index;
    std::string text;
};
using Failures = std::vector<Failure>;

// Runs the course on every element, on `threads` threads (contiguous parts),
// writing the shown results (NaN where none) and the statuses. Returns the
// failed elements in index order.
Failures runCourse(calc::Course course, const calc::Choices& choices, const density::ReductionTable* table,
                   const density::Message* tableMessage, Columns& columns, int threads);

// A unit conversion over one array.
enum class Quantity { Temperature, Volume, Pressure };
struct Units {
    Quantity quantity;
    int from;  // density::TemperatureUnit, VolumeUnit or PressureUnit
    int to;
};
Failures runConversion(const Units& units, const double* in, double* out, std::int8_t* status, std::size_t count,
                       int threads);

}  // namespace vantorel_python
