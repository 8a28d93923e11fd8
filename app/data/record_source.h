#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

// How a stored column is read where a number of rials is wanted: in a list's total or order.
enum class AmountReading
{
    AsStored,   // a numeric column, added up as it is
    NumberOnly, // a cell that holds no number (text typed into an amount column) adds nothing
    TypedText,  // the text of an amount box, group separators and all ("1,250,000")
};

// What a list shows: the rows of one table that meet a condition, and that optionally contain a
// text in one column, in an order. The data control, the row model, the search index and the
// reports read these fields; nothing parses SQL to find them. The statements actually run are
// put together by the database's engine, which is where the engine's own wording of a row
// identity, a "contains" test or a total comes from.
//
// `sql` is the same source as the program words it for SQLite ("SELECT *  From T1
// Where (kaviro_contains(SH ,?) <> 0) order by SH"), with `binds()` as its values. It is kept
// for the reader of the code and for messages, and a test runs it beside the composed statement to keep the two alike.
struct RecordSource
{
    QString sql;
    // The table the rows come from and the writes go to.
    QString table;
    // A condition over the rows with a ? for each of conditionBinds, in the engine-neutral SQL
    // that every engine takes (=, between, AND, length); empty for every row.
    QString condition;
    QVariantList conditionBinds;
    // When not empty, only rows whose column contains searchText (a null text is the empty one).
    QString searchColumn;
    QString searchText;
    // Columns that must hold the text at the same place of sameTexts (a bank, a status or a kind
    // chosen in a report), compared as the search compares them.
    QStringList sameTextColumns;
    QStringList sameTexts;
    // The column the rows are listed by, and how it is read; empty for the order they were added in.
    QString order;
    AmountReading orderReading = AmountReading::AsStored;
    // True when order is a column of words listed in Persian alphabetical order (a report by
    // bank, the kinds of expense). A search lists its rows by the searched column as stored,
    // which an index of the file answers at once on a large register.
    bool alphabetical = false;

    // Every row of table.
    static RecordSource all(const QString& table, const QString& sql);
    // The rows of table that meet condition, listed by order.
    static RecordSource where(const QString& table, const QString& condition, const QVariantList& binds,
                              const QString& order, const QString& sql);
    // The rows of table whose column contains text, listed by order.
    static RecordSource containing(const QString& table, const QString& column, const QString& text,
                                   const QString& order, const QString& sql);

    // The rows of table whose columns hold the texts (folded alike) and that meet condition,
    // listed by order.
    static RecordSource holding(const QString& table, const QStringList& columns, const QStringList& texts,
                                const QString& condition, const QVariantList& binds, const QString& order,
                                const QString& sql);

    // The bound values in the order the composed statement and the wording take them: the searched
    // text first, then the same texts, then the condition's.
    QVariantList binds() const;
    // True when only the search narrows the rows: an in-memory copy of the column can answer it.
    bool isPlainSearch() const { return !searchColumn.isEmpty() && condition.isEmpty() && sameTextColumns.isEmpty(); }
};

// A null text would be bound as NULL and match nothing; an empty box means the empty text.
inline QString nonNullText(const QString& text)
{
    return text.isNull() ? QStringLiteral("") : text;
}
