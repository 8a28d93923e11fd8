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

std::optional<QVariantList> QueryRowSource::longestValues(const QString& column, int count)
{
    // In brackets a name is always a column: SQLite takes an unknown "name" for a text.
    if (column.contains(QLatin1Char(']')))
        return std::nullopt;
    const QString quoted = QLatin1Char('[') + column + QLatin1Char(']');
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    if (!query.prepare(
            QStringLiteral("SELECT DISTINCT %1 FROM (%2) ORDER BY length(%1) DESC LIMIT ?").arg(quoted, m_sql)))
        return std::nullopt;
    for (const QVariant& value : m_binds)
        query.addBindValue(value);
    query.addBindValue(count);
    if (!query.exec())
        return std::nullopt;
    QVariantList values;
    while (query.next())
        values << query.value(0);
    if (query.lastError().isValid())
        return std::nullopt;
    return values;
}
