#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>

// The record sources of the cheque list: every user value goes in as a bound parameter.
namespace ChequeQueries {

struct Source
{
    QString sql;
    QVariantList binds;
};

inline const QString All = QStringLiteral("SELECT * FROM T1");
// The eight search columns of the list's column chooser; the ninth choice is the date range.
constexpr int SearchColumns = 8;
constexpr int DateRangeChoice = 8;

// Rows whose column (by chooser index 0..7) contains the text, in that column's order.
Source textSearch(int choice, const QString& text);
// Cheque dates from..to inclusive, compared as text.
Source dateRange(const QString& from, const QString& to);
// Cheques whose date contains the given date text (today's, in form 0).
Source dated(const QString& date);
// Cheques whose type contains the text.
Source ofType(const QString& text);

// The ten columns of the list in their order, and their captions; column 0 is the bank key.
QStringList listColumns();
QStringList listCaptions();

} // namespace ChequeQueries
