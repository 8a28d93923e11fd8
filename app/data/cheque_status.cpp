#include "data/cheque_status.h"

#include "data/data_control.h"
#include "data/database.h"

#include <QSqlError>
#include <QSqlQuery>

#include <functional>

namespace ChequeStatus {

namespace {

struct Cheque
{
    QVariant bankKey, date, number, bank, amount, description, type, status;
};

bool readCheque(Database& database, qint64 id, Cheque* cheque, QString* error)
{
    QSqlQuery query(database.connection());
    query.prepare(QStringLiteral("SELECT PD, TCH, Num, NBank, Mab, SH, Prd, V FROM T1 WHERE rowid = ?"));
    query.addBindValue(id);
    if (!query.exec()) {
        *error = query.lastError().text();
        return false;
    }
    if (!query.next()) {
        *error = QStringLiteral("این چک دیگر در فهرست چک‌ها نیست.");
        return false;
    }
    *cheque = {query.value(0), query.value(1), query.value(2), query.value(3),
               query.value(4), query.value(5), query.value(6), query.value(7)};
    return true;
}

// Runs work in one transaction and keeps the first error it met.
bool transact(Database& database, QString* error, const std::function<bool(QString*)>& work)
{
    QString workError;
    QString commitError;
    const bool done = database.inTransaction([&] { return work(&workError); }, &commitError);
    if (!done && error)
        *error = workError.isEmpty() ? commitError : workError;
    return done;
}

bool write(DataControl& control, bool ok, QString* error)
{
    if (!ok)
        *error = control.lastError();
    return ok;
}

bool appendArchiveCopy(Database& database, const Cheque& cheque, bool withType, QString* error)
{
    Fields fields = {{QStringLiteral("Date"), cheque.date},   {QStringLiteral("Name"), cheque.description},
                     {QStringLiteral("MB"), cheque.amount},   {QStringLiteral("NB"), cheque.bank},
                     {QStringLiteral("SHCH"), cheque.number}, {QStringLiteral("V"), cheque.status}};
    if (withType)
        fields << qMakePair(QStringLiteral("prd"), cheque.type);
    DataControl archive(database);
    archive.setRecordSource(QStringLiteral("SELECT * FROM T2"));
    return write(archive, archive.addRow(fields), error);
}

} // namespace

bool setStatus(Database& database, qint64 id, const QString& status, QString* error)
{
    DataControl cheques(database);
    cheques.setRecordSource(QStringLiteral("SELECT * FROM T1"));
    QString message;
    const bool ok = write(cheques, cheques.updateRow(id, {{QStringLiteral("V"), status}}), &message);
    if (!ok && error)
        *error = message;
    return ok;
}

bool pass(Database& database, qint64 id, QString* error, bool* posted)
{
    bool ledgerLine = false;
    const bool done = transact(database, error, [&](QString* workError) {
        Cheque cheque;
        if (!readCheque(database, id, &cheque, workError) || !setStatus(database, id, Passed, workError))
            return false;
        // The type is compared as stored, after trimming; any other text posts nothing.
        const QString type = cheque.type.toString().trimmed();
        const bool paid = type == Paid;
        if (!paid && type != Received)
            return true;
        const QString kind = paid ? QStringLiteral("بابت چک ،کسر") : QStringLiteral("بابت چک ، اضافه");
        DataControl ledger(database);
        ledger.setRecordSource(QStringLiteral("SELECT * FROM T4"));
        const Fields line = {
            {QStringLiteral("ID"), cheque.bankKey},
            {QStringLiteral("Date"), cheque.date},
            {paid ? QStringLiteral("bed") : QStringLiteral("bes"), cheque.amount},
            {QStringLiteral("shomreh"), kind + QStringLiteral("     :") + cheque.description.toString()}};
        ledgerLine = write(ledger, ledger.addRow(line), workError);
        return ledgerLine;
    });
    if (posted)
        *posted = done && ledgerLine;
    return done;
}

bool copyToArchive(Database& database, qint64 id, bool withType, QString* error)
{
    return transact(database, error, [&](QString* workError) {
        Cheque cheque;
        return readCheque(database, id, &cheque, workError) && appendArchiveCopy(database, cheque, withType, workError);
    });
}

bool moveToArchive(Database& database, qint64 id, QString* error)
{
    return transact(database, error, [&](QString* workError) {
        Cheque cheque;
        if (!readCheque(database, id, &cheque, workError) || !appendArchiveCopy(database, cheque, true, workError))
            return false;
        DataControl cheques(database);
        cheques.setRecordSource(QStringLiteral("SELECT * FROM T1"));
        return write(cheques, cheques.deleteRow(id), workError);
    });
}

} // namespace ChequeStatus
