#pragma once

#include "data/data_control.h"
#include "data/record_source.h"
#include "data/tables.h"

#include <QString>
#include <QVariant>
#include <QtGlobal>

class Database;

// The bank accounts (T3) and their ledger lines (T4). A line belongs to its bank by T4.ID,
// the bank's Id; lines come from the banks window and from passed cheques, and one bank's
// lines are one statement whatever their origin. Every value is bound, never spliced.
namespace BankLedger {

inline const RecordSource AllBanks = RecordSource::all(BankTable::Name, QStringLiteral("SELECT * FROM T3"));

struct Bank
{
    QString name;
    QString account;
    QString branch;
};

enum class Side
{
    Debit,
    Credit
};

struct Line
{
    // A null key is written as it is: a cheque recorded without a bank still posts its line.
    QVariant bankId;
    QString date;
    QString description;
    double amount = 0;
    Side side = Side::Debit;
    // A line typed in the banks window repeats a credit amount in `sum`; a passed cheque's does not.
    bool repeatCreditInSum = true;
};

struct Totals
{
    double debit = 0;
    double credit = 0;
    // What the bank holds for the user: credits raise it, debits lower it.
    double balance() const { return credit - debit; }
};

enum class DeleteOutcome
{
    Deleted,
    HasLines,
    Failed
};

// The columns of T3 as the bank boxes give them, each trimmed.
Fields bankFields(const Bank& bank);
// Adds a bank through the bank list's control (its record source must be on T3).
bool addBank(DataControl& banks, const Bank& bank, qint64* newId = nullptr);
// Rewrites bank id's three columns; false (with the control's errorText) when it is gone.
bool updateBank(DataControl& banks, qint64 id, const Bank& bank);

// The distinct names of the banks, for the bank choice of the cheque entry.
QStringList bankNames(Database& database);
// The Id of the first bank named exactly name; null when there is none or it cannot be read.
QVariant bankIdNamed(Database& database, const QString& name);

// The number of ledger lines of a bank, or -1 when it could not be read.
int lineCount(Database& database, qint64 bankId, QString* error = nullptr);
// Deletes bank id (its T3 rowid, which is its Id) only when no ledger line points to it;
// the check and the delete are one transaction, so a line posted in between is not orphaned.
DeleteOutcome deleteBank(Database& database, qint64 bankId, QString* error = nullptr);

// The columns of T4 for a line, in the order they are written.
Fields lineFields(const Line& line);
bool postLine(Database& database, const Line& line, QString* error = nullptr);

// Points the control at one bank's lines, in the order they were posted.
void showLinesOf(DataControl& lines, qint64 bankId);
// The debit and credit totals of one bank's lines; an empty cell adds nothing.
bool statementTotals(Database& database, qint64 bankId, Totals* totals, QString* error = nullptr);

} // namespace BankLedger
