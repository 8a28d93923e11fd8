#include "data/row_source.h"

#include "data/bound_query.h"
#include "data/database.h"
#include "data/record_source.h"
#include "data/sql_engine.h"

#include <QSqlRecord>

QueryRowSource::QueryRowSource(const QSqlDatabase& db, const QString& sql, const QVariantList& binds)
    : m_db(db), m_sql(sql), m_binds(binds)
{}

QueryRowSource::~QueryRowSource() = default;

bool QueryRowSource::rewind()
{
    m_query = std::make_unique<BoundQuery>(m_db);
    if (!m_query->exec(m_sql, m_binds)) {
        m_error = m_query->errorText();
        return false;
    }
    m_error.clear();
    return true;
}

bool QueryRowSource::next()
{
    return m_query && m_query->query().isActive() && m_query->next();
}

int QueryRowSource::columnIndex(const QString& name) const
{
    return m_query ? m_query->query().record().indexOf(name) : -1;
}

QVariant QueryRowSource::value(int column) const
{
    return column < 0 || !m_query ? QVariant() : m_query->value(column);
}

std::unique_ptr<RowSource> rowsOf(Database& database, const RecordSource& source)
{
    return std::make_unique<QueryRowSource>(database.connection(), database.engine().listStatement(source, {}, false),
                                            source.binds());
}
