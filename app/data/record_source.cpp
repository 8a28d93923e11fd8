#include "data/record_source.h"

RecordSource RecordSource::all(const QString& table, const QString& sql)
{
    RecordSource source;
    source.sql = sql;
    source.table = table;
    return source;
}

RecordSource RecordSource::where(const QString& table, const QString& condition, const QVariantList& binds,
                                 const QString& order, const QString& sql)
{
    RecordSource source = all(table, sql);
    source.condition = condition;
    source.conditionBinds = binds;
    source.order = order;
    return source;
}

RecordSource RecordSource::containing(const QString& table, const QString& column, const QString& text,
                                      const QString& order, const QString& sql)
{
    RecordSource source = all(table, sql);
    source.searchColumn = column;
    source.searchText = nonNullText(text);
    source.order = order;
    return source;
}

RecordSource RecordSource::holding(const QString& table, const QStringList& columns, const QStringList& texts,
                                   const QString& condition, const QVariantList& binds, const QString& order,
                                   const QString& sql)
{
    RecordSource source = where(table, condition, binds, order, sql);
    source.sameTextColumns = columns;
    for (const QString& text : texts)
        source.sameTexts << nonNullText(text);
    return source;
}

QVariantList RecordSource::binds() const
{
    QVariantList values;
    if (!searchColumn.isEmpty())
        values << nonNullText(searchText);
    for (const QString& text : sameTexts)
        values << nonNullText(text);
    values += conditionBinds;
    return values;
}
