#pragma once

#include "data/sql_engine.h"

// SQLite through Qt's QSQLITE driver: rows are identified by their rowid, "contains" is instr(),
// and a change is seen in the connection's own change count together with PRAGMA data_version,
// which moves when another connection writes.
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
    QString total(const QString& expression) const override;
    QString asText(const QString& expression) const override;
    QString amount(const QString& column, AmountReading reading) const override;
};
