#pragma once

#include "data/sql_engine.h"

#include <atomic>

// SQLite through Qt's QSQLITE driver: rows are identified by their rowid, texts are compared and
// sorted by the program's own functions and collation (data/sqlite_functions.h), and a change is
// seen in the connection's own change count together with PRAGMA data_version, which moves when
// another connection writes.
class SqliteEngine : public SqlEngine
{
public:
    QString driverName() const override;
    QString connectOptions(bool readOnly) const override;
    void setUp(QSqlDatabase& db, bool background) const override;
    QString changeState(const QSqlDatabase& db) const override;
    QString othersState(const QSqlDatabase& db) const override;

    QString rowIdentity() const override;
    QString columnName(const QString& column) const override;
    QString sameValue(const QString& column) const override;
    bool createSchema(QSqlDatabase& db, QString* error) const override;
    QStringList schemaProblems(const QSqlDatabase& db, QString* error) const override;
    bool isEmpty(const QSqlDatabase& db, QString* error) const override;
    QString contains(const QString& column) const override;
    QString sameText(const QString& column) const override;
    QString searchForm(const QString& text) const override;
    QString wordOrder(const QString& column) const override;
    void appendSearchForm(QByteArray& out, const char* text, size_t size) const override;
    bool readColumn(const QSqlDatabase& db, const QString& sql, const ColumnRow& row, QString* error) const override;
    QString total(const QString& expression) const override;
    QString amount(const QString& column, AmountReading reading) const override;

    // False once a connection could not take the program's functions: texts are then compared
    // byte for byte and sorted by their codes, as SQLite does by itself, rather than not at all.
    bool folds() const { return m_folds.load(); }

private:
    mutable std::atomic<bool> m_folds{true};
};
