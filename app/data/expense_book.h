#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QVariantList>

class Database;
class DataControl;

// The yearly expense book: the kinds of expense (T5) and the entries (T6) as the expense
// register lists them, with the filters and orders of its list and the list's total.
//
// T6.MB holds the amount as it was typed, grouped with "," ("1,250,000"); every figure
// of the book reads that text back as a number of rials, never as the text itself.
class ExpenseBook : public QObject
{
    Q_OBJECT

public:
    enum class Order
    {
        Table, // the order the rows were added in
        Date,
        Amount
    };

    struct Kind
    {
        qint64 id = -1;
        QString name;
    };

    struct Entry
    {
        QString date;
        QString kind;
        QString description;
        QString amount;
    };

    explicit ExpenseBook(Database& database, QObject* parent = nullptr);

    Database& database() const { return m_database; }

    // The kinds in table order, and the list of entries.
    DataControl& kinds() const { return *m_kinds; }
    DataControl& entries() const { return *m_entries; }

    // Reads the kinds again and lists every entry in table order.
    bool load();
    QList<Kind> kindList() const;

    // Stores the name trimmed. A name that is empty once trimmed stores nothing.
    bool addKind(const QString& name, Kind* added = nullptr);
    // Removes that one row of T5; entries of the kind keep it, and so does another kind of the same name.
    bool removeKind(qint64 id);

    // A new entry is numbered with the count of the whole book including itself.
    bool addEntry(const Entry& entry);
    // Writes the boxes into the entry; its number stays.
    bool updateEntry(qint64 id, const Entry& entry);
    bool removeEntry(qint64 id);
    // The current entry of the list, as the boxes show it.
    Entry currentEntry() const;

    // The entries of one kind, or of a date range (both ends included), in date order.
    bool showKind(const QString& kind);
    bool showDates(const QString& from, const QString& to);
    // Orders the rows the list shows now.
    bool sortList(Order order);

    // The sum of the listed amounts in rials.
    double total() const;

    QString lastError() const { return m_error; }

    // The rials of an amount text: group separators and blanks are passed over, Persian and
    // Arabic-Indic digits read as digits, and reading stops at anything else ("1,250,000" is
    // 1250000, "" and "abc" are 0). ok tells whether there was a digit at all.
    static double parseAmount(const QString& text, bool* ok = nullptr);
    // The same reading done by the database, for totals and the order by amount.
    static QString amountExpression();

private:
    bool show(const QString& filterSql, const QVariantList& binds, Order order);
    bool fail(const QString& error);
    int entryCount();

    Database& m_database;
    DataControl* m_kinds;
    DataControl* m_entries;
    QString m_filterSql;
    QVariantList m_filterBinds;
    QString m_error;
};
