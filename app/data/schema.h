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
// Runs statements in one transaction: all of them land, or none (error then says why).
bool runAll(QSqlDatabase& db, const QStringList& statements, QString* error);
// The tables of the list that the database lacks (matched without regard to case).
QStringList missingTables(const QSqlDatabase& db, QString* error);
// The columns the program reads and writes in table, in its physical order for a new database.
// A table of an existing file may hold more.
QStringList columns(const QString& table);
// Why db is not a register of this program, in Persian: the tables it lacks and the columns
// missing from the tables it has. Empty for a register (or when db could not be read; then
// error is set).
QStringList problems(const QSqlDatabase& db, QString* error);

} // namespace Schema
