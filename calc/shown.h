#pragma once

#include <cstddef>

#include "calculators.h"

// What a face that prints results (the command line, Python) shows of an
// outcome: the results up to the first that is not computed, with the
// messages shown before it. Fall-back values and error words are no results.
namespace calc {

struct Shown {
    std::size_t results = 0;     // the first results that are values
    std::size_t messages = 0;    // the first messages that belong to them
    bool noRowNote = false;      // no table row and nothing said: MsgNoTableRow follows the messages
    bool failureReport = false;  // the generic error report's reason follows them
};

Shown shown(const Outcome& outcome);

}  // namespace calc
