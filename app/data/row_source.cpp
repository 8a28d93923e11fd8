#include "data/row_source.h"

#include "data/bound_query.h"
#include "data/database.h"
#include "data/record_source.h"
#include "data/sql_engine.h"
#include "data/sqlite_engine.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
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
    auto rows = std::make_unique<QueryRowSource>(database.connection(),
                                                 database.engine().listStatement(source, {}, false), source.binds());
    rows->setEngine(&database.engine());
    return rows;
}

// First the longest rows, a few times as many as asked, which SQLite finds without sorting
// them all: most columns hold values of many kinds (numbers, dates) and give enough. A column
// of a few values repeated (banks, kinds) gives too few, and is asked again for its distinct values.
std::optional<QVariantList> QueryRowSource::longestValues(const QString& column, int count)
{
    // The name goes into the statement: it has to be a plain name, quoted by the engine.
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    if (!plain.match(column).hasMatch() || count <= 0)
        return std::nullopt;
    // A source made without its engine runs on the local file, as every source did before.
    static const SqliteEngine localFile;
    const SqlEngine& engine = m_engine ? *m_engine : localFile;
    const QString quoted = engine.columnName(column);
    const QString asText = engine.asText(quoted);
    const int rows = count * 8;
    auto ask = [&](const QString& shape, int limit) -> std::optional<QVariantList> {
        QSqlQuery query(m_db);
        query.setForwardOnly(true);
        if (!query.prepare(shape.arg(quoted, m_sql, asText)))
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
        ask(QStringLiteral("SELECT %1 FROM (%2) AS listed ORDER BY length(%3) DESC LIMIT ?"), rows);
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
    return ask(
        QStringLiteral("SELECT %1 FROM (SELECT DISTINCT %1 FROM (%2) AS listed) AS distinctly ORDER BY length(%3) "
                       "DESC LIMIT ?"),
        count);
}
