#include "data/bank_ledger.h"

#include "data/database.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <cmath>

namespace BankLedger {

namespace {

const QString LinesOfBank = QStringLiteral("SELECT * FROM T4 WHERE ID=?");

void setError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

// The one row of an aggregate over one bank's lines.
bool readAggregate(Database& database, const QString& sql, qint64 bankId, QVariantList* values, QString* error)
{
    if (!database.isOpen()) {
        setError(error, QStringLiteral("بانک اطلاعاتی باز نیست."));
        return false;
    }
    QSqlQuery query(database.connection());
    query.setForwardOnly(true);
    if (!query.prepare(sql)) {
        setError(error, query.lastError().text());
        return false;
    }
    query.addBindValue(bankId);
    if (!query.exec() || !query.next()) {
        setError(error, query.lastError().text());
        return false;
    }
    for (int column = 0; column < query.record().count(); ++column)
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
    return {{QStringLiteral("Name"), bank.name.trimmed()},
            {QStringLiteral("SHh"), bank.account.trimmed()},
            {QStringLiteral("Mandeh"), bank.branch.trimmed()}};
}

bool addBank(DataControl& banks, const Bank& bank, qint64* newId)
{
    return banks.addRow(bankFields(bank), newId);
}

bool updateBank(DataControl& banks, qint64 id, const Bank& bank)
{
    return banks.updateRow(id, bankFields(bank));
}

int lineCount(Database& database, qint64 bankId, QString* error)
{
    QVariantList values;
    if (!readAggregate(database, QStringLiteral("SELECT COUNT(*) FROM T4 WHERE ID=?"), bankId, &values, error))
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
            // T3 keeps a bank's Id as its rowid.
            DataControl banks(database);
            banks.setRecordSource(AllBanks);
            if (!banks.deleteRow(bankId)) {
                workError = banks.lastError();
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
        fields << qMakePair(QStringLiteral("sum"), amount);
    fields << qMakePair(QStringLiteral("Date"), QVariant(line.date))
           << qMakePair(QStringLiteral("shomreh"), QVariant(line.description))
           << qMakePair(line.side == Side::Debit ? QStringLiteral("bed") : QStringLiteral("bes"), amount)
           << qMakePair(QStringLiteral("ID"), line.bankId);
    return fields;
}

bool postLine(Database& database, const Line& line, QString* error)
{
    DataControl lines(database);
    lines.setRecordSource(AllLines);
    if (lines.addRow(lineFields(line)))
        return true;
    setError(error, lines.lastError());
    return false;
}

void showLinesOf(DataControl& lines, qint64 bankId)
{
    lines.setRecordSource(LinesOfBank, {bankId});
}

bool statementTotals(Database& database, qint64 bankId, Totals* totals, QString* error)
{
    QVariantList values;
    if (!readAggregate(database, QStringLiteral("SELECT TOTAL(bed), TOTAL(bes) FROM T4 WHERE ID=?"), bankId, &values,
                       error))
        return false;
    totals->debit = values.value(0).toDouble();
    totals->credit = values.value(1).toDouble();
    return true;
}

} // namespace BankLedger
