#include "data/archive_queries.h"

namespace ArchiveQueries {

namespace {

const char* const Columns[SearchColumns] = {"NB", "SHCH", "Name", "MB", "V", "PRD"};

// A null text would be bound as NULL and match nothing; an empty box means the empty text.
QString nonNull(const QString& text)
{
    return text.isNull() ? QStringLiteral("") : text;
}

} // namespace

Source columnSearch(int choice, const QString& text)
{
    if (choice < 0 || choice >= SearchColumns)
        return {All, {}};
    const QLatin1String column(Columns[choice]);
    if (text.isEmpty()) {
        // SQLite finds the empty text in an empty column too; the list has always left the
        // empty ones out (a cheque added to the archive by hand has no type).
        return {
            QStringLiteral("SELECT *  From T2 Where (instr(%1 ,?) <> 0) And length(%1) > 0 order by Date").arg(column),
            {QStringLiteral("")}};
    }
    return {QStringLiteral("SELECT *  From T2 Where (instr(%1 ,?) <> 0) order by Date").arg(column), {text}};
}

Source dateRange(const QString& from, const QString& to)
{
    return {QStringLiteral("SELECT * FROM t2  WHERE Date between ? and ? order by Date"), {nonNull(from), nonNull(to)}};
}

QString totalExpression()
{
    return QStringLiteral("CASE WHEN typeof(MB) IN ('integer', 'real') THEN MB END");
}

QStringList listColumns()
{
    return {QStringLiteral("Date"), QStringLiteral("Name"), QStringLiteral("MB"), QStringLiteral("NB"),
            QStringLiteral("SHCH"), QStringLiteral("prd"),  QStringLiteral("V")};
}

QStringList listCaptions()
{
    return {QStringLiteral("تاريخ چك"), QStringLiteral("شرح"), QStringLiteral("مبلغ"), QStringLiteral("نام بانك"),
            QStringLiteral("شماره چك"), QStringLiteral("نوع"), QStringLiteral("وضعيت")};
}

} // namespace ArchiveQueries
