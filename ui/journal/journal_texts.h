#pragma once

#include <QString>

#include "journal/entry.h"

// The journal window's and the record's own words in the interface language,
// and the names of an entry's keys (page, block, group, status).
namespace gui {

enum class JournalText {
    ColumnTime,
    ColumnPage,
    ColumnBlock,
    ColumnStandard,
    ColumnChoices,
    ColumnInputs,
    ColumnResults,
    ColumnMessages,
    ColumnStatus,
    AllPages,
    CsvComma,
    CsvSemicolon,
    RecordTitle,
    JournalTitle,
    Inputs,
    Results,
    Messages,
    Status,
    Time,
    Page,
    Block,
    Standard,
    Group,
    GlassOn,
    GlassOff,
    PressureOn,
    PressureOff,
    TablePath,
    TableChecksum,
    ProgramVersion,
    StatusOk,
    StatusCheckFailed,
    StatusOutOfTable,
    StatusNoRow,
    StatusCalcFailed,
    AskDelete,      // + count
    NoCalculation,  // the active block has not been calculated in this run
    JournalFailed,  // + file + ":\n" + reason + JournalRetry
    JournalRetry,
    JournalSetAside,  // + the new name of the damaged file + JournalSetAsideEnd
    JournalSetAsideEnd,
    WriteFailed,  // + file + ":\n" + reason
    PdfFilter,
    CsvFilter,
};

QString journalText(JournalText text);

// The names an entry's keys have in the interface language.
QString pageName(const QString& pageKey);
QString blockName(const QString& blockKey);
QString groupName(const QString& groupKey);
QString statusName(const QString& statusKey);
// "ГОСТ 3900-85" or "GOST 3900-85" for the stored designation.
QString standardName(const QString& standard);
// The group and options of an entry, "Нефтепродукты; ..." or empty.
QString choicesText(const journal::Entry& entry);

// The page keys in the order of the tabs.
const QStringList& pageKeys();

}  // namespace gui
