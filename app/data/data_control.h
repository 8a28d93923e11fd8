#pragma once

#include "data/row_model.h"
#include "data/search_index.h"

#include <QObject>
#include <QPair>
#include <QString>
#include <QVariantList>

class Database;

// Column name and value pairs, in the order they are written.
using Fields = QList<QPair<QString, QVariant>>;

// What a window binds its list to: a record source (an SQL text whose user values are
// bound, never spliced), a refresh, a current row, an optional sort, the writes of the
// current row, and the figures of the list (count, and the total of one column) computed
// by the database over the same query.
class DataControl : public QObject
{
    Q_OBJECT

public:
    explicit DataControl(Database& database, QObject* parent = nullptr);

    Database& database() const { return m_database; }

    // A new record source takes effect at the next refresh() and drops the sort.
    void setRecordSource(const QString& sql, const QVariantList& binds = {});
    QString recordSource() const { return m_sql; }

    // The expression added up as the list's total (for example "Mab"); empty for none.
    void setTotalExpression(const QString& expression) { m_totalExpression = expression; }

    // Reads the record source again. On failure the list keeps the rows it had, the
    // error is kept in lastError() and false is returned.
    bool refresh();

    // A column name with an optional " ASC"/" DESC", or "" for the record source's own order.
    bool setSort(const QString& sort);
    QString sort() const { return m_sort; }

    RowModel* model() const { return m_model; }
    int recordCount() const { return m_count; }
    double total() const { return m_total; }

    int currentRow() const { return m_current; }
    void setCurrentRow(int row);
    bool hasCurrent() const { return m_current >= 0 && m_current < m_count; }
    void moveLast() { setCurrentRow(m_count - 1); }
    QVariant value(const QString& column) const;
    qint64 currentId() const;

    // The table named after FROM in the record source; writes go there.
    QString table() const;

    bool addRow(const Fields& fields, qint64* newId = nullptr);
    bool updateRow(qint64 id, const Fields& fields);
    bool deleteRow(qint64 id);
    bool updateCurrent(const Fields& fields) { return updateRow(currentId(), fields); }
    bool deleteCurrent() { return deleteRow(currentId()); }

    QString lastError() const { return m_error; }

    // Starts reading, in the background, what a search of this record source's shape needs,
    // so that the first letters typed into the search box do not wait for it.
    void warmSearch(const QString& sql);

signals:
    void refreshed();
    void currentRowChanged(int row);

private:
    bool canWrite();
    bool canWriteRow(qint64 id);
    bool exec(const QString& sql, const QVariantList& binds, qint64* insertId = nullptr, bool mustTouchRow = false);
    bool requery();
    bool searchFromIndex(bool* done);
    bool searchKey(const QString& sql, SearchIndex::Key* key) const;

    Database& m_database;
    RowModel* m_model;
    QString m_sql;
    QVariantList m_binds;
    QString m_sort;
    QString m_totalExpression;
    int m_count = 0;
    double m_total = 0;
    int m_current = -1;
    QString m_error;
};
