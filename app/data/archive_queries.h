#pragma once

#include "data/record_source.h"

#include <QString>
#include <QStringList>

// The record sources of the archive list (table T2). Every user value goes in as a bound value.
namespace ArchiveQueries {

RecordSource all();
// The six columns of the archive window's column chooser: bank, number, description,
// amount, status, type.
constexpr int SearchColumns = 6;

// Archived cheques whose column (by chooser index 0..5) contains the text, in date order.
// An empty text lists the rows whose column is not empty.
RecordSource columnSearch(int choice, const QString& text);
// Cheque dates from..to inclusive, compared as text, in date order.
RecordSource dateRange(const QString& from, const QString& to);

// How the list adds up the amount: a cell that holds no number adds nothing.
constexpr AmountReading TotalReading = AmountReading::NumberOnly;

// The seven columns of T2 in the list's order, and their captions.
QStringList listColumns();
QStringList listCaptions();

} // namespace ArchiveQueries
