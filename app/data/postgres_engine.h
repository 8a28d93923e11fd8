#pragma once

#include "data/sql_engine.h"

#include <atomic>

// A register on a PostgreSQL server, through Qt's QPSQL driver. Each table carries a hidden
// identity column in the place of SQLite's rowid (the bank key and the ledger row key are that
// identity, as SQLite's integer keys are its rowid), amounts are whole numbers, and the columns
// are lower case as the server folds unquoted names. Texts are searched in the program's Persian
// fold and words sorted by the server's Persian collation. Every write bumps a change counter and sends
// a notification, by triggers, so that the other PCs' lists learn of it at once.
class PostgresEngine : public SqlEngine
{
public:
    explicit PostgresEngine(const QString& connectOptions) : m_options(connectOptions) {}

    QString driverName() const override;
    QString connectOptions(bool readOnly) const override;
    void setUp(QSqlDatabase& db, bool background) const override;
    QString changeState(const QSqlDatabase& db) const override;

    QString rowIdentity() const override;
    bool listsInInsertOrder() const override { return false; }
    QString selectColumns(const QString& table) const override;
    QString columnName(const QString& column) const override;
    QString sameValue(const QString& column) const override;
    bool insertReturnsIdentity() const override { return true; }
    bool searchesFasterFromMemory() const override { return true; }
    QString changeNotification() const override;
    QString contains(const QString& column) const override;
    QString sameText(const QString& column) const override;
    QString searchForm(const QString& text) const override;
    QString wordOrder(const QString& column) const override;
    QString orderTerm(const QString& term) const override;
    QString total(const QString& expression) const override;
    QString amount(const QString& column, AmountReading reading) const override;

    bool createSchema(QSqlDatabase& db, QString* error) const override;
    QStringList schemaProblems(const QSqlDatabase& db, QString* error) const override;
    bool isEmpty(const QSqlDatabase& db, QString* error) const override;
    bool identitiesWritten(const QSqlDatabase& db, const QString& table, QString* error) const override;

    // The program's text fold written inline (translate() over the fold's character tables), so
    // that the server finds what the in-memory search finds.
    static QString fold(const QString& expression);
    // The server's ICU collation for Persian, which sorts words in Persian alphabetical order.
    static const QString Collation;
    // False when the server has no such collation (a server built without ICU): words then sort
    // by their character codes rather than not at all.
    bool sortsPersian() const { return m_persianOrder.load(); }

    static const QString IdentityColumn;
    static const QString ChangeTable;

private:
    QString m_options;
    mutable std::atomic<bool> m_persianOrder{true};
};
