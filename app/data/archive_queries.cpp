#include "data/archive_queries.h"

#include "data/tables.h"

namespace ArchiveQueries {

namespace {

using namespace ArchiveTable;

const QLatin1String Columns[SearchColumns] = {Bank, Number, Description, Amount, Status, QLatin1String("PRD")};

} // namespace

RecordSource all()
{
    return RecordSource::all(Name, QStringLiteral("SELECT * FROM T2"));
}

RecordSource columnSearch(int choice, const QString& text)
{
    if (choice < 0 || choice >= SearchColumns)
        return all();
    const QString column = Columns[choice];
    if (text.isEmpty()) {
        // SQLite finds the empty text in an empty column too; the list has always left the
        // empty ones out (a cheque added to the archive by hand has no type).
        RecordSource source = RecordSource::containing(
            Name, column, QString(), Date,
            QStringLiteral("SELECT *  From T2 Where (kaviro_contains(%1 ,?) <> 0) And length(%1) > 0 order by Date")
                .arg(column));
        source.condition = QStringLiteral("length(CAST(%1 AS TEXT)) > 0").arg(column);
        return source;
    }
    return RecordSource::containing(
        Name, column, text, Date,
        QStringLiteral("SELECT *  From T2 Where (kaviro_contains(%1 ,?) <> 0) order by Date").arg(column));
}

RecordSource dateRange(const QString& from, const QString& to)
{
    return RecordSource::where(Name, QStringLiteral("Date between ? and ?"), {nonNullText(from), nonNullText(to)}, Date,
                               QStringLiteral("SELECT * FROM t2  WHERE Date between ? and ? order by Date"));
}

QStringList listColumns()
{
    return columns();
}

QStringList listCaptions()
{
    return {QStringLiteral("تاريخ چك"), QStringLiteral("شرح"), QStringLiteral("مبلغ"), QStringLiteral("نام بانك"),
            QStringLiteral("شماره چك"), QStringLiteral("نوع"), QStringLiteral("وضعيت")};
}

} // namespace ArchiveQueries
