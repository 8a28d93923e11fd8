#include "data/row_source.h"

#include "data/database.h"
#include "data/record_source.h"
#include "data/sql_engine.h"

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

std::unique_ptr<RowSource> rowsOf(Database& database, const RecordSource& source)
{
    return std::make_unique<QueryRowSource>(database.connection(), database.engine().listStatement(source, {}, false),
                                            source.binds());
}
