#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QVariant>
#include <QVariantList>

#include <memory>
#include <optional>

class BoundQuery;
class Database;
class SqlEngine;
struct RecordSource;

// Rows read one after another from the first, as a printed report needs them: it walks them
// once to lay out its pages and once more to paint them, and never holds more than one row.
class RowSource
{
public:
    virtual ~RowSource() = default;

    // Goes back to before the first row; false when the rows cannot be read.
    virtual bool rewind() = 0;
    // Moves to the next row; false after the last.
    virtual bool next() = 0;
    // Position of a column, its name matched without regard to case; -1 when there is none.
    virtual int columnIndex(const QString& name) const = 0;
    virtual QVariant value(int column) const = 0;
    virtual QString errorText() const { return QString(); }

    // The distinct values of a column that are the longest, at most `count` of them: where
    // the widest printed value is to be found without reading every row. Nothing when the
    // source cannot tell so, and the rows are then read one by one.
    virtual std::optional<QVariantList> longestValues(const QString& column, int count)
    {
        Q_UNUSED(column);
        Q_UNUSED(count);
        return std::nullopt;
    }
};

// The rows of one query with bound values, read forward only so that the engine hands them over
// as it finds them.
class QueryRowSource : public RowSource
{
public:
    QueryRowSource(const QSqlDatabase& db, const QString& sql, const QVariantList& binds = {});
    ~QueryRowSource() override;

    bool rewind() override;
    bool next() override;
    int columnIndex(const QString& name) const override;
    QVariant value(int column) const override;
    QString errorText() const override { return m_error; }
    // Asked of the database over the same query, which finds them without handing over the rows.
    std::optional<QVariantList> longestValues(const QString& column, int count) override;
    // The engine the query runs on; without it, the local file's.
    void setEngine(const SqlEngine* engine) { m_engine = engine; }

private:
    const SqlEngine* m_engine = nullptr;
    QSqlDatabase m_db;
    QString m_sql;
    QVariantList m_binds;
    std::unique_ptr<BoundQuery> m_query;
    QString m_error;
};

// The rows of a record source in its order, for a report.
std::unique_ptr<RowSource> rowsOf(Database& database, const RecordSource& source);
