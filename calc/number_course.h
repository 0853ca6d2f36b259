#pragma once

#include "calculators.h"
#include "density/reduction_table.h"

// A course over numbers for the readings nearly every array holds: within
// the checks, in the table and away from a rounding tie. It gives the number
// the course's text reads back as, without making the texts; anything else it
// leaves to the course itself.
namespace calc {

enum class NumberStatus {
    Answered,   // the value (and temperature) are what the course shows
    AskCourse,  // only the course can tell: run it on the texts
};

struct NumberAnswer {
    NumberStatus status = NumberStatus::AskCourse;
    double value = 0;        // the course's one result
    double temperature = 0;  // the temperature as the course rewrites it, when it does
};

// A reading and its temperature, as numbers.
using NumberRun = NumberAnswer (*)(double density, double temperature, const Choices& choices,
                                   const density::ReductionTable* table);

struct NumberCourse {
    NumberRun run = nullptr;  // none: every element goes through the course
    Output output = Output::Density20;
    bool rewritesTemperature = false;
};

// The course over numbers under these choices (none for most).
NumberCourse numberCourse(Course course, const Choices& choices);

}  // namespace calc
