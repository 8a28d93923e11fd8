#pragma once

#include "data/record_source.h"

#include <QString>
#include <QStringList>

// The record sources of the cheque list (table T1): every user value goes in as a bound value.
namespace ChequeQueries {

// Every cheque, in the order they were added; and every cheque in cheque-date order.
RecordSource all();
RecordSource byDate();
// The eight search columns of the list's column chooser; the ninth choice is the date range.
constexpr int SearchColumns = 8;
constexpr int DateRangeChoice = 8;

// Rows whose column (by chooser index 0..7) contains the text, in that column's order.
RecordSource textSearch(int choice, const QString& text);
// Cheque dates from..to inclusive, compared as text.
RecordSource dateRange(const QString& from, const QString& to);
// Cheques whose date contains the given date text (today's, in form 0).
RecordSource dated(const QString& date);
// Cheques whose type contains the text.
RecordSource ofType(const QString& text);

// The ten columns of the list in their order, and their captions; column 0 is the bank key.
QStringList listColumns();
QStringList listCaptions();

} // namespace ChequeQueries
