#pragma once

#include <QString>
#include <QStringList>

class Database;

// The rows of one register written into another, on either engine: a register moved from this
// PC's file to a server or back, a backup of a server register written as a local file, and a
// backup file restored into a server. Every table is copied in one transaction on the target,
// keeping each row's identity (and so the bank keys the cheques and ledger lines refer to), and
// the copy is checked afterwards, table by table, by its row count and amount totals.
namespace RegisterCopy {

enum class Target
{
    MustBeEmpty, // refused when the target holds any row
    Replace,     // the target's rows are removed first, in the same transaction
};

// The figures a copy is checked by, one line per table ("T1: 1,200 ردیف، جمع مبلغ 35,000,000").
QStringList figures(Database& database, QString* error);

// Copies every row of from into to. On failure nothing of the copy is left in to, and error
// says why in Persian; on success report holds the checked figures of each table.
bool copy(Database& from, Database& to, Target target, QStringList* report, QString* error);

// Opens the register named by text (a postgresql:// URI, or a folder holding dbase.mdb) into
// database, creating it when it is not there yet.
bool openNamed(const QString& text, Database** database, QString* error);

} // namespace RegisterCopy
