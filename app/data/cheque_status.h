#pragma once

#include "data/table_writer.h"

#include <QString>
#include <QtGlobal>

class Database;

// What happens to a cheque when it is settled: its status, the line that passing posts
// to its bank's ledger, and its move to the archive. Each operation is one transaction,
// so a cheque is never half passed and never deleted without its archive copy.
namespace ChequeStatus {

inline const QString Initial = QStringLiteral("----");
inline const QString Passed = QStringLiteral("پاس شد");
inline const QString Voided = QStringLiteral("باطل شد");
inline const QString Paid = QStringLiteral("پرداخت");
inline const QString Received = QStringLiteral("دريافت");

// Sets the status of cheque id (a T1 rowid).
bool setStatus(Database& database, qint64 id, const QString& status, QString* error);

// Marks cheque id passed and posts its ledger line to its bank: a debit for a paid
// cheque, a credit for a received one, dated with the cheque's own date. A cheque of
// any other type is passed without a ledger line. Both writes land, or neither.
// posted tells whether a ledger line was written.
bool pass(Database& database, qint64 id, QString* error, bool* posted = nullptr);

// Appends a copy of cheque id to the archive and leaves the cheque where it is. The
// copy made from the list's menu keeps no type; a settled cheque keeps it.
bool copyToArchive(Database& database, qint64 id, bool withType, QString* error);

// Copies cheque id, with its type, to the archive and deletes it from the active list.
// When the copy cannot be written the cheque stays in the list.
bool moveToArchive(Database& database, qint64 id, QString* error);

// The same operations on a cheque as a list showed it: each is refused, with a Persian message
// that says so, when another PC changed or removed the cheque since. Passing it twice at the same
// moment from two PCs thus gives one status change and one ledger line.
bool setStatus(Database& database, const ShownRow& shown, const QString& status, QString* error);
bool pass(Database& database, const ShownRow& shown, QString* error, bool* posted = nullptr);
bool copyToArchive(Database& database, const ShownRow& shown, bool withType, QString* error);
bool moveToArchive(Database& database, const ShownRow& shown, QString* error);

} // namespace ChequeStatus
