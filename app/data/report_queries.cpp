#include "data/report_queries.h"

#include "data/database.h"

#include <QSqlQuery>

namespace ReportQueries {

namespace {

// An empty box is the empty text, never NULL, which would match nothing at all.
QString bound(const QString& text)
{
    return text.isNull() ? QStringLiteral("") : text;
}

QStringList distinctValues(Database& database, const QString& sql)
{
    QStringList values;
    if (!database.isOpen())
        return values;
    QSqlQuery query(database.connection());
    query.setForwardOnly(true);
    if (!query.exec(sql))
        return values;
    while (query.next()) {
        if (!query.value(0).isNull())
            values << query.value(0).toString();
    }
    return values;
}

} // namespace

std::optional<Source> chequeSource(const ReportChoice& c)
{
    std::optional<Source> source;
    if (c.option[9])
        source = Source{QStringLiteral("SELECT * FROM t1  WHERE tch between ? and ? order by tch"),
                        {bound(c.from), bound(c.to)}};
    if (c.option[6])
        source = Source{QStringLiteral("select * from t1 WHERE NBANK = ? order by Tch"), {bound(c.bank)}};
    if (c.option[7])
        source = Source{QStringLiteral("select * from t1 WHERE v = ? order by Tch"), {bound(c.status)}};
    if (c.combined) {
        const QString bank = bound(c.combinedBank);
        const QString status = bound(c.combinedStatus);
        const QString kind = bound(c.combinedKind);
        if (c.byBank && c.byStatus)
            source = Source{QStringLiteral("select * from t1 WHERE NBANK = ? AND  v = ? order by tch"), {bank, status}};
        if (c.byBank && c.byStatus && c.byKind)
            source = Source{QStringLiteral("select * from t1 WHERE NBANK = ? AND  v = ? AND Prd=? order by tch"),
                            {bank, status, kind}};
        // Bank and kind without the status: with the status ticked as well, the rule above
        // holds, and this one must not drop the status the user asked for.
        if (c.byBank && c.byKind && !c.byStatus)
            source = Source{QStringLiteral("select * from t1 WHERE NBANK = ? AND Prd=? order by tch"), {bank, kind}};
        if (c.byBank && c.byStatus && c.byKind && c.byDates)
            source = Source{QStringLiteral("select * from t1 WHERE NBANK = ? AND  v = ? AND Prd=? AND tch between ? "
                                           "and ? order by tch"),
                            {bank, status, kind, bound(c.combinedFrom), bound(c.combinedTo)}};
    }
    if (c.option[8])
        source = Source{QStringLiteral("select * from t1 WHERE prd = ? order by Tch"), {bound(c.kind)}};
    const char* const orders[] = {"tch", "nbank", "v", "tv", "prd"};
    for (int option = 1; option <= 5; ++option) {
        if (c.option[option])
            source = Source{QStringLiteral("select * from t1 order by %1 ").arg(QLatin1String(orders[option - 1])), {}};
    }
    return source;
}

std::optional<Source> archiveSource(const ReportChoice& c)
{
    std::optional<Source> source;
    if (c.option[9])
        source = Source{QStringLiteral("SELECT * FROM t2  WHERE date between ? and ? order by Date"),
                        {bound(c.from), bound(c.to)}};
    if (c.option[6])
        source = Source{QStringLiteral("select * from t2 WHERE NB = ? order by Date"), {bound(c.bank)}};
    if (c.option[7])
        source = Source{QStringLiteral("select * from t2 WHERE v = ? order by Date"), {bound(c.status)}};
    if (c.option[8])
        source = Source{QStringLiteral("select * from t2 WHERE prd = ? order by Date"), {bound(c.kind)}};
    // The archive keeps no entry date, so its order by entry date is the cheque date's.
    const char* const orders[] = {"Date", "nb", "v", "Date", "prd"};
    for (int option = 1; option <= 5; ++option) {
        if (c.option[option])
            source = Source{QStringLiteral("select * from t2 order by %1 ").arg(QLatin1String(orders[option - 1])), {}};
    }
    return source;
}

Source expenseSource()
{
    return {QStringLiteral("SELECT * FROM t6  "), {}};
}

QStringList distinctBanks(Database& database)
{
    return distinctValues(database, QStringLiteral("select Distinct Nbank from T1"));
}

QStringList distinctStatuses(Database& database)
{
    return distinctValues(database, QStringLiteral("select Distinct V from T1"));
}

} // namespace ReportQueries
