#include "data/cheque_queries.h"

#include "data/tables.h"

namespace ChequeQueries {

namespace {

using namespace ChequeTable;

struct SearchColumn
{
    QLatin1String column;
    // The order of the rows found, as the list has always spelled it.
    QLatin1String order;
};

const SearchColumn Columns[SearchColumns] = {
    {Date, Date},     {Bank, QLatin1String("Nbank")}, {Number, Number},   {Amount, Amount}, {Description, Description},
    {Status, Status}, {Type, QLatin1String("prd")},   {Remarks, Remarks},
};

RecordSource columnSearch(const QString& column, const QString& order, const QString& text)
{
    return RecordSource::containing(
        Name, column, text, order,
        QStringLiteral("SELECT *  From %1 Where (kaviro_contains(%2 ,?) <> 0) order by %3").arg(Name, column, order));
}

} // namespace

RecordSource all()
{
    return RecordSource::all(Name, QStringLiteral("SELECT * FROM T1"));
}

RecordSource byDate()
{
    return RecordSource::where(Name, QString(), {}, QStringLiteral("Tch"),
                               QStringLiteral("SELECT * FROM T1 order by Tch"));
}

RecordSource textSearch(int choice, const QString& text)
{
    if (choice < 0 || choice >= SearchColumns)
        return all();
    return columnSearch(Columns[choice].column, Columns[choice].order, text);
}

RecordSource dateRange(const QString& from, const QString& to)
{
    return RecordSource::where(Name, QStringLiteral("tch between ? and ?"), {nonNullText(from), nonNullText(to)},
                               QStringLiteral("tch"),
                               QStringLiteral("SELECT * FROM t1  WHERE tch between ? and ? order by tch"));
}

RecordSource dated(const QString& date)
{
    return columnSearch(Date, Date, date);
}

RecordSource ofType(const QString& text)
{
    return columnSearch(Type, QStringLiteral("prd"), text);
}

QStringList listColumns()
{
    return {BankKey, Type, Date, Number, Bank, Amount, Description, EntryDate, Status, Remarks};
}

QStringList listCaptions()
{
    return {QStringLiteral("نوع"),      QStringLiteral("نوع"),        QStringLiteral("تاريخ چك"),
            QStringLiteral("شماره چك"), QStringLiteral("نام بانك"),   QStringLiteral("مبلغ"),
            QStringLiteral("شرح"),      QStringLiteral("تاريخ ورود"), QStringLiteral("وضعيت"),
            QStringLiteral("توضيحات")};
}

} // namespace ChequeQueries
