#include "data/cheque_queries.h"

namespace ChequeQueries {

namespace {

struct SearchColumn
{
    const char* column;
    const char* order;
};

const SearchColumn Columns[SearchColumns] = {
    {"TCH", "TCH"}, {"Nbank", "Nbank"}, {"Num", "Num"}, {"Mab", "Mab"},
    {"SH", "SH"},   {"V", "V"},         {"Prd", "prd"}, {"Shh", "Shh"},
};

// A null text would be bound as NULL and match nothing; an empty box means the empty text.
QString nonNull(const QString& text)
{
    return text.isNull() ? QStringLiteral("") : text;
}

Source instrSearch(const char* column, const char* order, const QString& text)
{
    return {QStringLiteral("SELECT *  From T1 Where (instr(%1 ,?) <> 0) order by %2")
                .arg(QLatin1String(column), QLatin1String(order)),
            {nonNull(text)}};
}

} // namespace

Source textSearch(int choice, const QString& text)
{
    if (choice < 0 || choice >= SearchColumns)
        return {All, {}};
    return instrSearch(Columns[choice].column, Columns[choice].order, text);
}

Source dateRange(const QString& from, const QString& to)
{
    return {QStringLiteral("SELECT * FROM t1  WHERE tch between ? and ? order by tch"), {nonNull(from), nonNull(to)}};
}

Source dated(const QString& date)
{
    return instrSearch("TCH", "TCH", date);
}

Source ofType(const QString& text)
{
    return instrSearch("Prd", "prd", text);
}

QStringList listColumns()
{
    return {QStringLiteral("PD"),    QStringLiteral("Prd"), QStringLiteral("TCH"), QStringLiteral("Num"),
            QStringLiteral("NBank"), QStringLiteral("Mab"), QStringLiteral("SH"),  QStringLiteral("TV"),
            QStringLiteral("v"),     QStringLiteral("Shh")};
}

QStringList listCaptions()
{
    return {QStringLiteral("نوع"),      QStringLiteral("نوع"),        QStringLiteral("تاريخ چك"),
            QStringLiteral("شماره چك"), QStringLiteral("نام بانك"),   QStringLiteral("مبلغ"),
            QStringLiteral("شرح"),      QStringLiteral("تاريخ ورود"), QStringLiteral("وضعيت"),
            QStringLiteral("توضيحات")};
}

} // namespace ChequeQueries
