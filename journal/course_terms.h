#pragma once

#include <QDateTime>
#include <QString>

#include "calc/calculators.h"
#include "entry.h"

// What a course's run is called in the journal: its page, block and
// standard, and the names and units of its inputs and results.
namespace journal {

// Which choices the block shows; the others are not recorded.
struct BlockChoices {
    bool group = false;
    bool glass = false;
    bool pressure = false;
};

// Where a 20 °C course's reduction table came from.
struct TableInUse {
    QString path;
    QString checksum;
};

QString pageKey(calc::Course course);
QString blockKey(calc::Course course);
QString standardOf(calc::Course course);

// The entry of one run: the inputs as typed with their units, the results
// with theirs, the messages rendered as the catalogue shows them now, in the
// catalogue's language. The table is recorded for the courses that read it.
Entry entryOf(calc::Course course, const calc::Inputs& inputs, const calc::Outcome& outcome,
              const BlockChoices& choices, const QDateTime& at, const TableInUse& table);

}  // namespace journal
