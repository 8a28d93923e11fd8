#include "data/cheque_status.h"

#include "data/bound_query.h"
#include "data/database.h"
#include "data/sql_engine.h"
#include "data/table_writer.h"
#include "data/tables.h"

#include <functional>

namespace ChequeStatus {

namespace {

const QString ChangedMeanwhile = QStringLiteral(
    "این چک پس از آنکه در فهرست نشان داده شد، در رایانه دیگری تغییر کرده است؛ کاری روی آن انجام نشد. فهرست "
    "دوباره خوانده می‌شود.");
const QString RemovedMeanwhile = QStringLiteral(
    "این چک پس از آنکه در فهرست نشان داده شد، در رایانه دیگری حذف یا بایگانی شده است؛ کاری روی آن انجام نشد. "
    "فهرست دوباره خوانده می‌شود.");

struct Cheque
{
    QVariant bankKey, date, number, bank, amount, description, type, status;
};

// Reads the cheque as it is now; with the values it was shown with, only while it still holds them.
bool readCheque(Database& database, const ShownRow& shown, Cheque* cheque, QString* error)
{
    using namespace ChequeTable;
    const SqlEngine& engine = database.engine();
    BoundQuery query(database.connection());
    const QStringList columns = {BankKey, Date, Number, Bank, Amount, Description, Type, Status};
    QString sql = QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?")
                      .arg(columns.join(QLatin1String(", ")), Name, engine.rowIdentity());
    QVariantList binds = {shown.id};
    for (const auto& field : shown.values) {
        sql += QStringLiteral(" AND ") + engine.sameValue(engine.columnName(field.first));
        binds << field.second;
    }
    if (!query.exec(sql, binds)) {
        *error = query.errorText();
        return false;
    }
    if (!query.next()) {
        if (shown.values.isEmpty()) {
            *error = QStringLiteral("این چک دیگر در فهرست چک‌ها نیست.");
            return false;
        }
        BoundQuery still(database.connection());
        const bool there =
            still.execOne(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2 = ?").arg(Name, engine.rowIdentity()),
                          {shown.id}) &&
            still.value(0).toInt() > 0;
        *error = there ? ChangedMeanwhile : RemovedMeanwhile;
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

bool kept(const TableWriter& writer, bool ok, QString* error)
{
    if (!ok && error)
        *error = writer.errorText();
    return ok;
}

bool appendArchiveCopy(Database& database, const Cheque& cheque, bool withType, QString* error)
{
    using namespace ArchiveTable;
    Fields fields = {{Date, cheque.date}, {Description, cheque.description}, {Amount, cheque.amount},
                     {Bank, cheque.bank}, {Number, cheque.number},           {Status, cheque.status}};
    if (withType)
        fields << qMakePair(QString(Type), cheque.type);
    TableWriter archive(database, Name);
    return kept(archive, archive.insert(fields), error);
}

} // namespace

bool setStatus(Database& database, const ShownRow& shown, const QString& status, QString* error)
{
    TableWriter cheques(database, ChequeTable::Name);
    if (cheques.update(shown, {{ChequeTable::Status, status}}))
        return true;
    if (error)
        *error = cheques.changedMeanwhile()
                     ? (cheques.errorText() == TableWriter::RemovedMeanwhile ? RemovedMeanwhile : ChangedMeanwhile)
                     : cheques.errorText();
    return false;
}

bool pass(Database& database, const ShownRow& shown, QString* error, bool* posted)
{
    bool ledgerLine = false;
    const bool done = transact(database, error, [&](QString* workError) {
        Cheque cheque;
        // Of two PCs passing the cheque at once, the second one's status change waits for the
        // first and then finds the status it was shown gone, so that it writes nothing.
        if (!readCheque(database, shown, &cheque, workError) || !setStatus(database, shown, Passed, workError))
            return false;
        // The type is compared as stored, after trimming; any other text posts nothing.
        const QString type = cheque.type.toString().trimmed();
        const bool paid = type == Paid;
        if (!paid && type != Received)
            return true;
        using namespace LedgerTable;
        const QString kind = paid ? QStringLiteral("بابت چک ،کسر") : QStringLiteral("بابت چک ، اضافه");
        const Fields line = {{BankId, cheque.bankKey},
                             {Date, cheque.date},
                             {paid ? Debit : Credit, cheque.amount},
                             {Description, kind + QStringLiteral("     :") + cheque.description.toString()}};
        TableWriter ledger(database, Name);
        ledgerLine = kept(ledger, ledger.insert(line), workError);
        return ledgerLine;
    });
    if (posted)
        *posted = done && ledgerLine;
    return done;
}

bool copyToArchive(Database& database, const ShownRow& shown, bool withType, QString* error)
{
    return transact(database, error, [&](QString* workError) {
        Cheque cheque;
        return readCheque(database, shown, &cheque, workError) &&
               appendArchiveCopy(database, cheque, withType, workError);
    });
}

bool moveToArchive(Database& database, const ShownRow& shown, QString* error)
{
    return transact(database, error, [&](QString* workError) {
        Cheque cheque;
        if (!readCheque(database, shown, &cheque, workError) || !appendArchiveCopy(database, cheque, true, workError))
            return false;
        TableWriter cheques(database, ChequeTable::Name);
        if (cheques.remove(shown))
            return true;
        *workError = cheques.changedMeanwhile() ? ChangedMeanwhile : cheques.errorText();
        return false;
    });
}

bool setStatus(Database& database, qint64 id, const QString& status, QString* error)
{
    return setStatus(database, ShownRow{id, {}}, status, error);
}

bool pass(Database& database, qint64 id, QString* error, bool* posted)
{
    return pass(database, ShownRow{id, {}}, error, posted);
}

bool copyToArchive(Database& database, qint64 id, bool withType, QString* error)
{
    return copyToArchive(database, ShownRow{id, {}}, withType, error);
}

bool moveToArchive(Database& database, qint64 id, QString* error)
{
    return moveToArchive(database, ShownRow{id, {}}, error);
}

} // namespace ChequeStatus
