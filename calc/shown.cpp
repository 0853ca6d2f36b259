#include "shown.h"

namespace calc {

Shown shown(const Outcome& outcome)
{
    Shown s;
    s.messages = outcome.messages.size();
    bool stopped = false;
    for (const ResultText& r : outcome.results) {
        if (!r.computed) {
            s.messages = r.messagesBefore;
            stopped = true;
            break;
        }
        ++s.results;
    }
    s.noRowNote = outcome.status == Status::NoRow && s.messages == 0;
    s.failureReport = !stopped && !outcome.failure.empty();
    return s;
}

}  // namespace calc
