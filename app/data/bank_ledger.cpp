#include "data/bank_ledger.h"

#include "data/bound_query.h"
#include "data/database.h"
#include "data/sql_engine.h"
#include "data/table_writer.h"

#include <QSqlRecord>

#include <cmath>

namespace BankLedger {

namespace {

using namespace LedgerTable;

void setError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

// The one row of an aggregate over one bank's lines.
bool readAggregate(Database& database, const QString& columns, qint64 bankId, QVariantList* values, QString* error)
{
    if (!database.isOpen()) {
        setError(error, QStringLiteral("بانک اطلاعاتی باز نیست."));
        return false;
    }
    BoundQuery query(database.connection());
    if (!query.execOne(QStringLiteral("SELECT %1 FROM %2 WHERE %3=?").arg(columns, Name, BankId), {bankId})) {
        setError(error, query.errorText());
        return false;
    }
    for (int column = 0; column < query.query().record().count(); ++column)
        values->append(query.value(column));
    return true;
}

// Amounts are whole rials; kept as integers they read back without a fraction.
QVariant wholeRials(double amount)
{
    return QVariant::fromValue<qint64>(std::llround(amount));
}

} // namespace

Fields bankFields(const Bank& bank)
{
    return {{BankTable::BankName, bank.name.trimmed()},
            {BankTable::Account, bank.account.trimmed()},
            {BankTable::Branch, bank.branch.trimmed()}};
}

bool addBank(DataControl& banks, const Bank& bank, qint64* newId)
{
    return banks.addRow(bankFields(bank), newId);
}

bool updateBank(DataControl& banks, qint64 id, const Bank& bank)
{
    return banks.updateRow(id, bankFields(bank));
}

QStringList bankNames(Database& database)
{
    QStringList names;
    if (!database.isOpen())
        return names;
    BoundQuery query(database.connection());
    if (!query.exec(database.engine().distinctValues(BankTable::Name, BankTable::BankName)))
        return names;
    while (query.next()) {
        if (!query.value(0).isNull())
            names << query.value(0).toString();
    }
    return names;
}

QVariant bankIdNamed(Database& database, const QString& name)
{
    if (!database.isOpen())
        return QVariant();
    BoundQuery query(database.connection());
    if (!query.execOne(
            QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?").arg(BankTable::Id, BankTable::Name, BankTable::BankName),
            {name}))
        return QVariant();
    return query.value(0);
}

int lineCount(Database& database, qint64 bankId, QString* error)
{
    QVariantList values;
    if (!readAggregate(database, QStringLiteral("COUNT(*)"), bankId, &values, error))
        return -1;
    return values.value(0).toInt();
}

DeleteOutcome deleteBank(Database& database, qint64 bankId, QString* error)
{
    DeleteOutcome outcome = DeleteOutcome::Failed;
    QString workError;
    const bool committed = database.inTransaction(
        [&] {
            const int lines = lineCount(database, bankId, &workError);
            if (lines != 0) {
                if (lines > 0)
                    outcome = DeleteOutcome::HasLines;
                return false;
            }
            // T3 keeps a bank's Id as its row identity.
            TableWriter banks(database, BankTable::Name);
            if (!banks.remove(bankId)) {
                workError = banks.errorText();
                return false;
            }
            outcome = DeleteOutcome::Deleted;
            return true;
        },
        &workError);
    if (outcome == DeleteOutcome::Deleted && !committed)
        outcome = DeleteOutcome::Failed;
    setError(error, workError);
    return outcome;
}

Fields lineFields(const Line& line)
{
    const QVariant amount = wholeRials(line.amount);
    Fields fields;
    if (line.side == Side::Credit && line.repeatCreditInSum)
        fields << qMakePair(QString(Sum), amount);
    fields << qMakePair(QString(Date), QVariant(line.date))
           << qMakePair(QString(Description), QVariant(line.description))
           << qMakePair(QString(line.side == Side::Debit ? Debit : Credit), amount)
           << qMakePair(QString(BankId), line.bankId);
    return fields;
}

bool postLine(Database& database, const Line& line, QString* error)
{
    TableWriter lines(database, Name);
    if (lines.insert(lineFields(line)))
        return true;
    setError(error, lines.errorText());
    return false;
}

void showLinesOf(DataControl& lines, qint64 bankId)
{
    lines.setRecordSource(RecordSource::where(Name, QStringLiteral("ID=?"), {bankId}, QString(),
                                              QStringLiteral("SELECT * FROM T4 WHERE ID=?")));
}

bool statementTotals(Database& database, qint64 bankId, Totals* totals, QString* error)
{
    QVariantList values;
    const SqlEngine& engine = database.engine();
    if (!readAggregate(database, engine.total(Debit) + QStringLiteral(", ") + engine.total(Credit), bankId, &values,
                       error))
        return false;
    totals->debit = values.value(0).toDouble();
    totals->credit = values.value(1).toDouble();
    return true;
}

} // namespace BankLedger
