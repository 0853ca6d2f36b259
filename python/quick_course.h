#pragma once

#include <optional>

#include "calc/calculators.h"
#include "density/reduction_table.h"

// A short way through a course for the inputs nearly every reading has, at
// array speed: the same numbers the course gives, without its texts. Anything
// the short way does not answer goes through the course itself; the tests
// compare both with the command line.
namespace vantorel_python {

// What the course shows: its one value, and the temperature it rewrites
// (NaN for a course that rewrites none).
struct QuickResult {
    double value;
    double temperature;
};

// False when the course itself must answer.
using QuickCourse = bool (*)(double density, double temperature, const calc::Choices& choices,
                             const density::ReductionTable* table, QuickResult& out);

// The short way of the course under these choices, or nullptr.
QuickCourse quickCourse(calc::Course course, const calc::Choices& choices);

// A value shown with one decimal, as the course writes it and the text reads
// back; nothing within a millionth of a tenth of a tie, where only the
// course's own formatting decides.
std::optional<double> shownToTenth(double value);

// A temperature brought onto the half-degree grid as the course brings its
// text (the first decimal of the shortest text decides); nothing where the
// number alone does not tell that decimal for certain.
std::optional<double> onHalfDegree(double temperature);

}  // namespace vantorel_python
