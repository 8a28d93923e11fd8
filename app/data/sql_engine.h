#pragma once

#include "data/record_source.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <functional>

// What differs from one database engine to another, in one place: how a connection is opened and
// set up, how a row is identified, how "contains" and a total are written, and how the program
// learns that the data changed. Everything else in the data layer composes its statements from
// these pieces, so that a second engine is one more subclass and no window changes.
class SqlEngine
{
public:
    virtual ~SqlEngine() = default;

    // The Qt SQL driver and its connection options.
    virtual QString driverName() const = 0;
    virtual QString connectOptions(bool readOnly) const = 0;
    // Settings of a connection just opened; the data is not changed by them. A connection that
    // reads in the background beside the program's own gets a smaller share of memory.
    virtual void setUp(QSqlDatabase& db, bool background) const = 0;

    // The state of the data as db sees it: it changes whenever anything is written, through this
    // connection or another. Empty when it cannot be read.
    virtual QString changeState(const QSqlDatabase& db) const = 0;
    // The part of it that only other connections' writes move; the change state where there is
    // no such part.
    virtual QString othersState(const QSqlDatabase& db) const { return changeState(db); }

    // The column that identifies a row of any table.
    virtual QString rowIdentity() const = 0;
    // The columns a row of table is read with, after the identity: "*" where the engine keeps the
    // identity out of sight itself; an engine whose identity is a column of the table lists the
    // others by name.
    virtual QString selectColumns(const QString& table) const;
    // A column named in a statement, quoted so that it is never taken for anything else.
    virtual QString columnName(const QString& column) const;
    // A condition: column holds the value bound at its one "?", NULL included.
    virtual QString sameValue(const QString& column) const = 0;
    // True when an insert gives the new row's identity as its one result row (RETURNING).
    virtual bool insertReturnsIdentity() const { return false; }
    // The name of the notification the engine sends when another connection wrote; empty when
    // the program has to ask the change state for it.
    virtual QString changeNotification() const { return QString(); }

    // The six tables of a new register, created in db in one transaction.
    virtual bool createSchema(QSqlDatabase& db, QString* error) const = 0;
    // Why db is not a register of this program, in Persian (see Schema::problems); empty for a
    // register. error is set when db could not be read.
    virtual QStringList schemaProblems(const QSqlDatabase& db, QString* error) const = 0;
    // After rows were written into table with their identities given: true once the identities
    // the table hands out next come after them.
    virtual bool identitiesWritten(const QSqlDatabase& db, const QString& table, QString* error) const
    {
        Q_UNUSED(db);
        Q_UNUSED(table);
        Q_UNUSED(error);
        return true;
    }
    // True when db holds none of the six tables, so that a register may be created in it.
    virtual bool isEmpty(const QSqlDatabase& db, QString* error) const = 0;
    // True when a table read without ORDER BY comes in the order its rows were added; an engine
    // that promises no order gets an explicit order by identity.
    virtual bool listsInInsertOrder() const { return true; }
    // A condition: column contains the text bound at its one "?" (the empty text is in every
    // text that is not null). Both are compared in their searchForm().
    virtual QString contains(const QString& column) const = 0;
    // A condition: column holds the text bound at its one "?", both compared in their searchForm().
    virtual QString sameText(const QString& column) const { return column + QStringLiteral(" = ?"); }
    // The form in which contains() and sameText() compare a text; the in-memory search applies it
    // to both sides so that it finds exactly the rows the database finds.
    virtual QString searchForm(const QString& text) const { return text; }
    // One term of an ORDER BY (an expression with an optional ASC/DESC) placing empty (NULL) values
    // as the local file does: before the others going up, after them going down.
    virtual QString orderTerm(const QString& term) const { return term; }
    // Appends the searchForm() of a text given in UTF-8 to out, in UTF-8.
    virtual void appendSearchForm(QByteArray& out, const char* text, size_t size) const;
    // One row of a columnSnapshot(): the identity, the column's text in UTF-8 and the amount.
    using ColumnRow = std::function<void(qint64 id, const char* text, size_t size, bool isNull, double amount)>;
    // Runs the columnSnapshot() statement sql on db and hands each row to row in turn; the
    // in-memory search reads a million rows this way, so an engine may read them its own way.
    virtual bool readColumn(const QSqlDatabase& db, const QString& sql, const ColumnRow& row, QString* error) const;
    // A column of words as it is named in ORDER BY, so that it sorts in Persian alphabetical order.
    virtual QString wordOrder(const QString& column) const { return column; }
    // True when a search the in-memory column has not answered yet is sooner answered by waiting
    // for that column than by the database, which would fold and scan every row.
    virtual bool searchesFasterFromMemory() const { return false; }
    // The sum of expression over the rows, 0 when there are none.
    virtual QString total(const QString& expression) const = 0;
    // A column's value as text.
    virtual QString asText(const QString& expression) const;
    // A column as a number of rials, read as the reading says.
    virtual QString amount(const QString& column, AmountReading reading) const = 0;

    // Statements composed of the pieces above.

    // The rows of source in its order, or in sort (a column with an optional ASC/DESC) when given.
    // With identity, the first column is the row identity, named IdentityAlias.
    QString listStatement(const RecordSource& source, const QString& sort, bool withIdentity) const;
    // One row: the number of rows of source and the total of totalExpression over them.
    QString figuresStatement(const RecordSource& source, const QString& totalExpression) const;
    // The rows of table whose identity is one of count bound values, identity first.
    QString rowsByIdentity(const QString& table, int count) const;
    // Identity, the column as text and the amount of every row of table, listed by order.
    QString columnSnapshot(const QString& table, const QString& column, const QString& order,
                           const QString& totalExpression) const;
    // The expression source's rows are listed by; empty for the order they were added in.
    QString orderExpression(const RecordSource& source) const;
    // A sort of the program ("Nbank", "prd DESC") over table as ORDER BY takes it: a column of
    // words in Persian alphabetical order, dates and amounts as they are.
    QString sortExpression(const QString& table, const QString& sort) const;
    // The different values of a column of words, in Persian alphabetical order.
    QString distinctValues(const QString& table, const QString& column) const;

    QString insertStatement(const QString& table, const QStringList& columns) const;
    QString updateStatement(const QString& table, const QStringList& columns) const;
    QString deleteStatement(const QString& table) const;
    // An update or delete of the row with the identity bound last, that touches the row only
    // when the columns of `unchanged` still hold the values bound for them, after the others.
    QString updateStatement(const QString& table, const QStringList& columns, const QStringList& unchanged) const;
    QString deleteStatement(const QString& table, const QStringList& unchanged) const;

    static QString quoted(const QString& identifier);
    static const QString IdentityAlias;

private:
    QString unchangedClause(const QStringList& unchanged) const;
    QString whereClause(const RecordSource& source) const;
};
