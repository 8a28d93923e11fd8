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

    // The column that identifies a row of any table.
    virtual QString rowIdentity() const = 0;
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
    // Appends the searchForm() of a text given in UTF-8 to out, in UTF-8.
    virtual void appendSearchForm(QByteArray& out, const char* text, size_t size) const;
    // One row of a columnSnapshot(): the identity, the column's text in UTF-8 and the amount.
    using ColumnRow = std::function<void(qint64 id, const char* text, size_t size, bool isNull, double amount)>;
    // Runs the columnSnapshot() statement sql on db and hands each row to row in turn; the
    // in-memory search reads a million rows this way, so an engine may read them its own way.
    virtual bool readColumn(const QSqlDatabase& db, const QString& sql, const ColumnRow& row, QString* error) const;
    // A column of words as it is named in ORDER BY, so that it sorts in Persian alphabetical order.
    virtual QString wordOrder(const QString& column) const { return column; }
    // The sum of expression over the rows, 0 when there are none.
    virtual QString total(const QString& expression) const = 0;
    // A column's value as text.
    virtual QString asText(const QString& expression) const = 0;
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

    static QString quoted(const QString& identifier);
    static const QString IdentityAlias;

private:
    QString whereClause(const RecordSource& source) const;
};
