#pragma once

#include <QPageLayout>
#include <QString>
#include <QStringList>
#include <vector>

#include "journal/entry.h"

class QPrinter;

// Entries as the journal window shows them, and as documents: a one-page
// record of one calculation, a list of many. In the interface language.
namespace gui {

// The journal table's column titles and one entry's cells; a decimal
// separator given replaces the one of the numbers.
QStringList entryHeaders();
QStringList entryCells(const journal::Entry& entry, QChar decimal = QChar());
// "2026-12-08 21:05:03 +03:00"
QString recordedText(const journal::Entry& entry);

// The record: title, date and time, page and block, standard, group and
// options, the inputs and results with their units, the messages, the
// outcome, the reduction table (path and checksum) and the program version.
QString recordHtml(const journal::Entry& entry);
// The entries as one table.
QString listHtml(const std::vector<journal::Entry>& entries);

// The document as a PDF file on A4 pages, replaced whole or not at all;
// empty on success, the reason otherwise.
QString writePdf(const QString& html, const QString& path, QPageLayout::Orientation orientation);
void printDocument(const QString& html, QPrinter& printer);

}  // namespace gui
