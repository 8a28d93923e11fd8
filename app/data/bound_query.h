#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <QVariantList>

// One statement with bound values: prepare, bind in order, run, and keep the error of whichever
// step failed. User values only ever reach the database this way, never inside the SQL text.
class BoundQuery
{
public:
    // A forward-only query reads its rows as the engine finds them, without keeping them.
    explicit BoundQuery(const QSqlDatabase& db, bool forwardOnly = true);

    bool exec(const QString& sql, const QVariantList& values = {});
    // Runs a statement that gives one row (an aggregate, a lookup) and moves onto that row.
    // A statement that gives no row is a failure too.
    bool execOne(const QString& sql, const QVariantList& values = {});

    bool next() { return m_query.next(); }
    QVariant value(int column) const { return m_query.value(column); }
    int rowsAffected() const { return m_query.numRowsAffected(); }
    QSqlQuery& query() { return m_query; }
    void finish() { m_query.finish(); }

    QString errorText() const { return m_error; }

private:
    bool fail();

    QSqlQuery m_query;
    QString m_error;
};
