#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// The six tables of a KAVIRO database. T1 keeps its physical column order
// PD, TV, TCH, Num, NBank, Mab, SH, Prd, V, Shh: the spreadsheet export skips the first two.
namespace Schema {

QStringList tableNames();
// Creates the six tables (and the program's indexes) in an empty database, in one transaction.
bool create(QSqlDatabase& db, QString* error);
// The tables of the list that the database lacks (matched without regard to case).
QStringList missingTables(const QSqlDatabase& db, QString* error);

} // namespace Schema
