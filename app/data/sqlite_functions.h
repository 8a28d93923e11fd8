#pragma once

#include <QSqlDatabase>
#include <QString>

#include <functional>

// The program's own SQL on an SQLite connection, so that the database compares texts as the
// program does (words/persian_text.h): kaviro_fold(text) gives the folded form of a text,
// kaviro_contains(text, part) tells whether the folded text contains the folded part (1 or 0,
// null when either is null, as instr() does), and the collation kaviro_persian orders texts in
// Persian alphabetical order. They live on the connection only: nothing in the file names them,
// so the file stays readable by any other SQLite program.
namespace SqliteFunctions {

inline const QString Fold = QStringLiteral("kaviro_fold");
inline const QString Contains = QStringLiteral("kaviro_contains");
inline const QString Collation = QStringLiteral("kaviro_persian");

// Registers the functions and the collation on db. Fails, with the reason in error, when the
// connection is not SQLite's or when Qt's SQLite driver runs a different SQLite library from the
// one the program is linked with (the handle would then not be this library's to use).
bool install(const QSqlDatabase& db, QString* error);

// Runs sql on db, a connection install() succeeded on, handing each row's first column as an
// integer, second as UTF-8 text and third as a number to row.
bool readRows(const QSqlDatabase& db, const QString& sql,
              const std::function<void(qint64, const char*, size_t, bool, double)>& row, QString* error);

} // namespace SqliteFunctions
