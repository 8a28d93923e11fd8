#include "data/bound_query.h"

#include <QSqlError>

BoundQuery::BoundQuery(const QSqlDatabase& db, bool forwardOnly) : m_query(db)
{
    m_query.setForwardOnly(forwardOnly);
}

bool BoundQuery::fail()
{
    m_error = m_query.lastError().text();
    return false;
}

bool BoundQuery::exec(const QString& sql, const QVariantList& values)
{
    m_error.clear();
    if (!m_query.prepare(sql))
        return fail();
    for (const QVariant& value : values)
        m_query.addBindValue(value);
    if (!m_query.exec())
        return fail();
    return true;
}

bool BoundQuery::execOne(const QString& sql, const QVariantList& values)
{
    if (!exec(sql, values))
        return false;
    if (m_query.next())
        return true;
    if (m_query.lastError().isValid())
        return fail();
    m_error = QStringLiteral("No row.");
    return false;
}
