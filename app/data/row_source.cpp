#include "data/row_source.h"

#include <QSqlError>
#include <QSqlRecord>

QueryRowSource::QueryRowSource(const QSqlDatabase& db, const QString& sql, const QVariantList& binds)
    : m_db(db), m_sql(sql), m_binds(binds), m_query(db)
{}

bool QueryRowSource::rewind()
{
    m_query.finish();
    m_query = QSqlQuery(m_db);
    m_query.setForwardOnly(true);
    if (!m_query.prepare(m_sql)) {
        m_error = m_query.lastError().text();
        return false;
    }
    for (const QVariant& value : m_binds)
        m_query.addBindValue(value);
    if (!m_query.exec()) {
        m_error = m_query.lastError().text();
        return false;
    }
    m_error.clear();
    return true;
}

bool QueryRowSource::next()
{
    return m_query.isActive() && m_query.next();
}

int QueryRowSource::columnIndex(const QString& name) const
{
    return m_query.record().indexOf(name);
}

QVariant QueryRowSource::value(int column) const
{
    return column < 0 ? QVariant() : m_query.value(column);
}

// First the longest rows, a few times as many as asked, which SQLite finds without sorting
// them all: most columns hold values of many kinds (numbers, dates) and give enough. A column
// of a few values repeated (banks, kinds) gives too few, and is asked again for its distinct values.
std::optional<QVariantList> QueryRowSource::longestValues(const QString& column, int count)
{
    // In brackets a name is always a column: SQLite takes an unknown "name" for a text.
    if (column.contains(QLatin1Char(']')) || count <= 0)
        return std::nullopt;
    const QString quoted = QLatin1Char('[') + column + QLatin1Char(']');
    const int rows = count * 8;
    auto ask = [&](const QString& shape, int limit) -> std::optional<QVariantList> {
        QSqlQuery query(m_db);
        query.setForwardOnly(true);
        if (!query.prepare(shape.arg(quoted, m_sql)))
            return std::nullopt;
        for (const QVariant& value : m_binds)
            query.addBindValue(value);
        query.addBindValue(limit);
        if (!query.exec())
            return std::nullopt;
        QVariantList values;
        while (query.next())
            values << query.value(0);
        if (query.lastError().isValid())
            return std::nullopt;
        return values;
    };
    const std::optional<QVariantList> longest =
        ask(QStringLiteral("SELECT %1 FROM (%2) ORDER BY length(%1) DESC LIMIT ?"), rows);
    if (!longest)
        return std::nullopt;
    QVariantList distinct;
    for (const QVariant& value : *longest) {
        if (!distinct.contains(value))
            distinct << value;
        if (distinct.size() == count)
            return distinct;
    }
    if (longest->size() < rows)
        return distinct;
    return ask(QStringLiteral("SELECT DISTINCT %1 FROM (%2) ORDER BY length(%1) DESC LIMIT ?"), count);
}
