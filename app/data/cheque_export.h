#pragma once

#include <QString>
#include <QStringList>

class Database;

// The active cheques as a spreadsheet file (.xlsx) with the layout users already know from the
// old Excel export: captions in row 1, columns 3 to 10; row 2 empty; from row 3 one row per
// cheque in cheque-date order. Values go in as stored: amounts as numbers, dates and the other
// columns as text. The sheet runs right to left.
namespace ChequeExport {

// Row and column numbers as a spreadsheet counts them, from 1.
constexpr int HeaderRow = 1;
constexpr int FirstChequeRow = 3;
constexpr int FirstColumn = 3;

// The captions of columns 3 to 10: date, number, bank, amount, description, type, status, remarks.
QStringList headerCaptions();

// Writes the file at path, replacing it only once the whole workbook is ready, so that a failed
// export leaves no half file and an older file of that name stays as it was. On failure returns
// false and sets error to a Persian text that names the file and says why.
bool write(Database& database, const QString& path, QString* error = nullptr);

} // namespace ChequeExport
