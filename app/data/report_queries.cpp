#include "data/report_queries.h"

#include "data/bound_query.h"
#include "data/database.h"
#include "data/sql_engine.h"
#include "data/tables.h"

namespace ReportQueries {

namespace {

QStringList distinctValues(Database& database, const QString& table, const QString& column)
{
    QStringList values;
    if (!database.isOpen())
        return values;
    BoundQuery query(database.connection());
    if (!query.exec(database.engine().distinctValues(table, column)))
        return values;
    while (query.next()) {
        if (!query.value(0).isNull())
            values << query.value(0).toString();
    }
    return values;
}

RecordSource cheques(const QString& condition, const QVariantList& binds, const QString& order, const QString& sql)
{
    return RecordSource::where(ChequeTable::Name, condition, binds, order, sql);
}

RecordSource archived(const QString& condition, const QVariantList& binds, const QString& order, const QString& sql)
{
    return RecordSource::where(ArchiveTable::Name, condition, binds, order, sql);
}

} // namespace

std::optional<RecordSource> chequeSource(const ReportChoice& c)
{
    std::optional<RecordSource> source;
    if (c.option[9])
        source =
            cheques(QStringLiteral("tch between ? and ?"), {nonNullText(c.from), nonNullText(c.to)},
                    QStringLiteral("tch"), QStringLiteral("SELECT * FROM t1  WHERE tch between ? and ? order by tch"));
    if (c.option[6])
        source = cheques(QStringLiteral("NBANK = ?"), {nonNullText(c.bank)}, QStringLiteral("Tch"),
                         QStringLiteral("select * from t1 WHERE NBANK = ? order by Tch"));
    if (c.option[7])
        source = cheques(QStringLiteral("v = ?"), {nonNullText(c.status)}, QStringLiteral("Tch"),
                         QStringLiteral("select * from t1 WHERE v = ? order by Tch"));
    if (c.combined) {
        const QString bank = nonNullText(c.combinedBank);
        const QString status = nonNullText(c.combinedStatus);
        const QString kind = nonNullText(c.combinedKind);
        if (c.byBank && c.byStatus)
            source = cheques(QStringLiteral("NBANK = ? AND  v = ?"), {bank, status}, QStringLiteral("tch"),
                             QStringLiteral("select * from t1 WHERE NBANK = ? AND  v = ? order by tch"));
        if (c.byBank && c.byStatus && c.byKind)
            source =
                cheques(QStringLiteral("NBANK = ? AND  v = ? AND Prd=?"), {bank, status, kind}, QStringLiteral("tch"),
                        QStringLiteral("select * from t1 WHERE NBANK = ? AND  v = ? AND Prd=? order by tch"));
        // Bank and kind without the status: with the status ticked as well, the rule above
        // holds, and this one must not drop the status the user asked for.
        if (c.byBank && c.byKind && !c.byStatus)
            source = cheques(QStringLiteral("NBANK = ? AND Prd=?"), {bank, kind}, QStringLiteral("tch"),
                             QStringLiteral("select * from t1 WHERE NBANK = ? AND Prd=? order by tch"));
        if (c.byBank && c.byStatus && c.byKind && c.byDates)
            source = cheques(QStringLiteral("NBANK = ? AND  v = ? AND Prd=? AND tch between ? and ?"),
                             {bank, status, kind, nonNullText(c.combinedFrom), nonNullText(c.combinedTo)},
                             QStringLiteral("tch"),
                             QStringLiteral("select * from t1 WHERE NBANK = ? AND  v = ? AND Prd=? AND tch between ? "
                                            "and ? order by tch"));
    }
    if (c.option[8])
        source = cheques(QStringLiteral("prd = ?"), {nonNullText(c.kind)}, QStringLiteral("Tch"),
                         QStringLiteral("select * from t1 WHERE prd = ? order by Tch"));
    const char* const orders[] = {"tch", "nbank", "v", "tv", "prd"};
    for (int option = 1; option <= 5; ++option) {
        if (c.option[option]) {
            const QString order = QLatin1String(orders[option - 1]);
            source = cheques(QString(), {}, order, QStringLiteral("select * from t1 order by %1 ").arg(order));
        }
    }
    return source;
}

std::optional<RecordSource> archiveSource(const ReportChoice& c)
{
    std::optional<RecordSource> source;
    if (c.option[9])
        source = archived(QStringLiteral("date between ? and ?"), {nonNullText(c.from), nonNullText(c.to)},
                          QStringLiteral("Date"),
                          QStringLiteral("SELECT * FROM t2  WHERE date between ? and ? order by Date"));
    if (c.option[6])
        source = archived(QStringLiteral("NB = ?"), {nonNullText(c.bank)}, QStringLiteral("Date"),
                          QStringLiteral("select * from t2 WHERE NB = ? order by Date"));
    if (c.option[7])
        source = archived(QStringLiteral("v = ?"), {nonNullText(c.status)}, QStringLiteral("Date"),
                          QStringLiteral("select * from t2 WHERE v = ? order by Date"));
    if (c.option[8])
        source = archived(QStringLiteral("prd = ?"), {nonNullText(c.kind)}, QStringLiteral("Date"),
                          QStringLiteral("select * from t2 WHERE prd = ? order by Date"));
    // The archive keeps no entry date, so its order by entry date is the cheque date's.
    const char* const orders[] = {"Date", "nb", "v", "Date", "prd"};
    for (int option = 1; option <= 5; ++option) {
        if (c.option[option]) {
            const QString order = QLatin1String(orders[option - 1]);
            source = archived(QString(), {}, order, QStringLiteral("select * from t2 order by %1 ").arg(order));
        }
    }
    return source;
}

RecordSource expenseSource()
{
    return RecordSource::all(ExpenseTable::Name, QStringLiteral("SELECT * FROM t6  "));
}

QStringList distinctBanks(Database& database)
{
    return distinctValues(database, ChequeTable::Name, QStringLiteral("Nbank"));
}

QStringList distinctStatuses(Database& database)
{
    return distinctValues(database, ChequeTable::Name, ChequeTable::Status);
}

} // namespace ReportQueries
