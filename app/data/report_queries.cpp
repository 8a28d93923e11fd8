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

// The cheques whose columns hold the texts chosen (a bank, a status, a kind), folded as the
// searches fold them, so that "كشاورزي" typed years ago is the bank "کشاورزی" chosen today.
RecordSource chequesHolding(const QStringList& columns, const QStringList& texts, const QString& condition,
                            const QVariantList& binds, const QString& order, const QString& sql)
{
    return RecordSource::holding(ChequeTable::Name, columns, texts, condition, binds, order, sql);
}

RecordSource archivedHolding(const QString& column, const QString& text, const QString& sql)
{
    return RecordSource::holding(ArchiveTable::Name, {column}, {text}, {}, {}, QStringLiteral("Date"), sql);
}

// An order of the program as the wording of a source spells it.
QString wordOrder(const QString& table, const QString& column)
{
    return holdsWords(table, column) ? column + QStringLiteral(" COLLATE kaviro_persian") : column;
}

RecordSource archived(const QString& condition, const QVariantList& binds, const QString& order, const QString& sql)
{
    return RecordSource::where(ArchiveTable::Name, condition, binds, order, sql);
}

} // namespace

Selection chequeSelection(const ReportChoice& c)
{
    Selection s;
    if (c.option[9]) {
        s.rule = Selection::Rule::DateRange;
        s.from = nonNullText(c.from);
        s.to = nonNullText(c.to);
    }
    if (c.option[6]) {
        s = {};
        s.rule = Selection::Rule::Bank;
        s.bank = nonNullText(c.bank);
    }
    if (c.option[7]) {
        s = {};
        s.rule = Selection::Rule::Status;
        s.status = nonNullText(c.status);
    }
    // The combined search always takes the bank, with the status, the kind or both; its dates
    // count only with all three. With the status ticked as well, bank and kind must not drop
    // the status the user asked for.
    if (c.combined && c.byBank && (c.byStatus || c.byKind)) {
        s = {};
        s.rule = Selection::Rule::Combined;
        s.byBank = true;
        s.bank = nonNullText(c.combinedBank);
        s.byStatus = c.byStatus;
        s.byKind = c.byKind;
        s.byDates = c.byStatus && c.byKind && c.byDates;
        if (s.byStatus)
            s.status = nonNullText(c.combinedStatus);
        if (s.byKind)
            s.kind = nonNullText(c.combinedKind);
        if (s.byDates) {
            s.from = nonNullText(c.combinedFrom);
            s.to = nonNullText(c.combinedTo);
        }
    }
    if (c.option[8]) {
        s = {};
        s.rule = Selection::Rule::Kind;
        s.kind = nonNullText(c.kind);
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

std::optional<RecordSource> chequeSource(const ReportChoice& choice)
{
    using Rule = Selection::Rule;
    const Selection s = chequeSelection(choice);
    switch (s.rule) {
    case Rule::None:
        return std::nullopt;
    case Rule::DateRange:
        return cheques(QStringLiteral("tch between ? and ?"), {s.from, s.to}, QStringLiteral("tch"),
                       QStringLiteral("SELECT * FROM t1  WHERE tch between ? and ? order by tch"));
    case Rule::Bank:
        return chequesHolding(
            {QStringLiteral("NBANK")}, {s.bank}, {}, {}, QStringLiteral("Tch"),
            QStringLiteral("select * from t1 WHERE kaviro_fold(NBANK) = kaviro_fold(?) order by Tch"));
    case Rule::Status:
        return chequesHolding({QStringLiteral("v")}, {s.status}, {}, {}, QStringLiteral("Tch"),
                              QStringLiteral("select * from t1 WHERE kaviro_fold(v) = kaviro_fold(?) order by Tch"));
    case Rule::Combined: {
        QStringList columns = {QStringLiteral("NBANK")};
        QStringList texts = {s.bank};
        if (s.byStatus) {
            columns << QStringLiteral("v");
            texts << s.status;
        }
        if (s.byKind) {
            columns << QStringLiteral("Prd");
            texts << s.kind;
        }
        QStringList wording;
        for (const QString& column : columns)
            wording << QStringLiteral("kaviro_fold(%1) = kaviro_fold(?)").arg(column);
        if (s.byDates)
            return chequesHolding(columns, texts, QStringLiteral("tch between ? and ?"), {s.from, s.to},
                                  QStringLiteral("tch"),
                                  QStringLiteral("select * from t1 WHERE %1 AND tch between ? and ? order by tch")
                                      .arg(wording.join(QLatin1String(" AND "))));
        return chequesHolding(
            columns, texts, {}, {}, QStringLiteral("tch"),
            QStringLiteral("select * from t1 WHERE %1 order by tch").arg(wording.join(QLatin1String(" AND "))));
    }
    case Rule::Kind:
        return chequesHolding({QStringLiteral("prd")}, {s.kind}, {}, {}, QStringLiteral("Tch"),
                              QStringLiteral("select * from t1 WHERE kaviro_fold(prd) = kaviro_fold(?) order by Tch"));
    case Rule::Order: {
        const QString order = QLatin1String(std::array{"tch", "nbank", "v", "tv", "prd"}[size_t(s.order) - 1]);
        RecordSource source =
            cheques(QString(), {}, order,
                    QStringLiteral("select * from t1 order by %1 ").arg(wordOrder(ChequeTable::Name, order)));
        source.alphabetical = true;
        return source;
    }
    }
    return std::nullopt;
}

std::optional<RecordSource> archiveSource(const ReportChoice& choice)
{
    using Rule = Selection::Rule;
    const Selection s = archiveSelection(choice);
    switch (s.rule) {
    case Rule::None:
    case Rule::Combined:
        return std::nullopt;
    case Rule::DateRange:
        return archived(QStringLiteral("date between ? and ?"), {s.from, s.to}, QStringLiteral("Date"),
                        QStringLiteral("SELECT * FROM t2  WHERE date between ? and ? order by Date"));
    case Rule::Bank:
        return archivedHolding(QStringLiteral("NB"), s.bank,
                               QStringLiteral("select * from t2 WHERE kaviro_fold(NB) = kaviro_fold(?) order by Date"));
    case Rule::Status:
        return archivedHolding(QStringLiteral("v"), s.status,
                               QStringLiteral("select * from t2 WHERE kaviro_fold(v) = kaviro_fold(?) order by Date"));
    case Rule::Kind:
        return archivedHolding(
            QStringLiteral("prd"), s.kind,
            QStringLiteral("select * from t2 WHERE kaviro_fold(prd) = kaviro_fold(?) order by Date"));
    case Rule::Order: {
        // The archive keeps no entry date, so its order by entry date is the cheque date's.
        const QString order = QLatin1String(std::array{"Date", "nb", "v", "Date", "prd"}[size_t(s.order) - 1]);
        RecordSource source =
            archived(QString(), {}, order,
                     QStringLiteral("select * from t2 order by %1 ").arg(wordOrder(ArchiveTable::Name, order)));
        source.alphabetical = true;
        return source;
    }
    }
    return std::nullopt;
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
