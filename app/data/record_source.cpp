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

QVariantList RecordSource::binds() const
{
    QVariantList values;
    if (!searchColumn.isEmpty())
        values << nonNullText(searchText);
    values += conditionBinds;
    return values;
}
