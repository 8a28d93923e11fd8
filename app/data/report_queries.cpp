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

Selection chequeSelection(const ReportChoice& c)
{
    Selection s;
    if (c.option[9]) {
        s.rule = Selection::Rule::DateRange;
        s.from = bound(c.from);
        s.to = bound(c.to);
    }
    if (c.option[6]) {
        s = {};
        s.rule = Selection::Rule::Bank;
        s.bank = bound(c.bank);
    }
    if (c.option[7]) {
        s = {};
        s.rule = Selection::Rule::Status;
        s.status = bound(c.status);
    }
    // The combined search always takes the bank, with the status, the kind or both; its dates
    // count only with all three. With the status ticked as well, bank and kind must not drop
    // the status the user asked for.
    if (c.combined && c.byBank && (c.byStatus || c.byKind)) {
        s = {};
        s.rule = Selection::Rule::Combined;
        s.byBank = true;
        s.bank = bound(c.combinedBank);
        s.byStatus = c.byStatus;
        s.byKind = c.byKind;
        s.byDates = c.byStatus && c.byKind && c.byDates;
        if (s.byStatus)
            s.status = bound(c.combinedStatus);
        if (s.byKind)
            s.kind = bound(c.combinedKind);
        if (s.byDates) {
            s.from = bound(c.combinedFrom);
            s.to = bound(c.combinedTo);
        }
    }
    if (c.option[8]) {
        s = {};
        s.rule = Selection::Rule::Kind;
        s.kind = bound(c.kind);
    }
    for (int option = 1; option <= 5; ++option) {
        if (c.option[size_t(option)]) {
            s = {};
            s.rule = Selection::Rule::Order;
            s.order = Selection::Order(option);
        }
    }
    return s;
}

Selection archiveSelection(const ReportChoice& choice)
{
    ReportChoice withoutCombined = choice;
    withoutCombined.combined = false;
    return chequeSelection(withoutCombined);
}

// The text columns are ordered as SQLite compares them.
std::optional<Source> chequeSource(const ReportChoice& choice)
{
    using Rule = Selection::Rule;
    const Selection s = chequeSelection(choice);
    switch (s.rule) {
    case Rule::None:
        return std::nullopt;
    case Rule::DateRange:
        return Source{QStringLiteral("SELECT * FROM t1  WHERE tch between ? and ? order by tch"), {s.from, s.to}};
    case Rule::Bank:
        return Source{QStringLiteral("select * from t1 WHERE NBANK = ? order by Tch"), {s.bank}};
    case Rule::Status:
        return Source{QStringLiteral("select * from t1 WHERE v = ? order by Tch"), {s.status}};
    case Rule::Combined:
        if (s.byDates)
            return Source{QStringLiteral("select * from t1 WHERE NBANK = ? AND  v = ? AND Prd=? AND tch between ? "
                                         "and ? order by tch"),
                          {s.bank, s.status, s.kind, s.from, s.to}};
        if (s.byStatus && s.byKind)
            return Source{QStringLiteral("select * from t1 WHERE NBANK = ? AND  v = ? AND Prd=? order by tch"),
                          {s.bank, s.status, s.kind}};
        if (s.byStatus)
            return Source{QStringLiteral("select * from t1 WHERE NBANK = ? AND  v = ? order by tch"),
                          {s.bank, s.status}};
        return Source{QStringLiteral("select * from t1 WHERE NBANK = ? AND Prd=? order by tch"), {s.bank, s.kind}};
    case Rule::Kind:
        return Source{QStringLiteral("select * from t1 WHERE prd = ? order by Tch"), {s.kind}};
    case Rule::Order: {
        const char* const orders[] = {"tch", "nbank", "v", "tv", "prd"};
        return Source{QStringLiteral("select * from t1 order by %1 ").arg(QLatin1String(orders[int(s.order) - 1])), {}};
    }
    }
    return std::nullopt;
}

std::optional<Source> archiveSource(const ReportChoice& choice)
{
    using Rule = Selection::Rule;
    const Selection s = archiveSelection(choice);
    switch (s.rule) {
    case Rule::None:
    case Rule::Combined:
        return std::nullopt;
    case Rule::DateRange:
        return Source{QStringLiteral("SELECT * FROM t2  WHERE date between ? and ? order by Date"), {s.from, s.to}};
    case Rule::Bank:
        return Source{QStringLiteral("select * from t2 WHERE NB = ? order by Date"), {s.bank}};
    case Rule::Status:
        return Source{QStringLiteral("select * from t2 WHERE v = ? order by Date"), {s.status}};
    case Rule::Kind:
        return Source{QStringLiteral("select * from t2 WHERE prd = ? order by Date"), {s.kind}};
    case Rule::Order: {
        // The archive keeps no entry date, so its order by entry date is the cheque date's.
        const char* const orders[] = {"Date", "nb", "v", "Date", "prd"};
        return Source{QStringLiteral("select * from t2 order by %1 ").arg(QLatin1String(orders[int(s.order) - 1])), {}};
    }
    }
    return std::nullopt;
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
