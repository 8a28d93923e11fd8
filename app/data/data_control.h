#pragma once

#include "data/record_source.h"
#include "data/row_model.h"
#include "data/search_index.h"
#include "data/table_writer.h"

#include <QObject>
#include <QString>

class Database;

// What a window binds its list to: a record source, a refresh, a current row, an optional sort,
// the writes of the current row (through the source table's writer), and the figures of the list
// (count, and the total of one column) computed by the database over the same rows.
class DataControl : public QObject
{
    Q_OBJECT

public:
    explicit DataControl(Database& database, QObject* parent = nullptr);

    // A new record source takes effect at the next refresh() and drops the sort.
    void setRecordSource(const RecordSource& source);

    // The column added up as the list's total (for example "Mab"); empty for none.
    void setTotal(const QString& column, AmountReading reading = AmountReading::AsStored);

    // Reads the record source again. On failure the list keeps the rows it had, the
    // error is kept in errorText() and false is returned.
    bool refresh();

    // A column name with an optional " ASC"/" DESC", or "" for the record source's own order.
    bool setSort(const QString& sort);
    QString sort() const { return m_sort; }

    // The register the list reads, named in failure messages.
    Database& database() const { return m_database; }
    RowModel* model() const { return m_model; }
    int recordCount() const { return m_count; }
    double total() const { return m_total; }

    int currentRow() const { return m_current; }
    void setCurrentRow(int row);
    bool hasCurrent() const { return m_current >= 0 && m_current < m_count; }
    void moveLast() { setCurrentRow(m_count - 1); }
    QVariant value(const QString& column) const;
    qint64 currentId() const;
    // The current row as the list shows it, for a change that must not overwrite what another PC
    // changed since (see TableWriter); no identity when there is no current row.
    ShownRow shownRow() const;

    // Reads the rows again after someone else wrote, keeping the current row on the same row
    // where it is still listed (near where it was) and its place otherwise.
    bool reread();

    // Writes to the record source's table.
    bool addRow(const Fields& fields, qint64* newId = nullptr);
    bool updateRow(qint64 id, const Fields& fields);
    bool deleteRow(qint64 id);
    bool updateRow(const ShownRow& shown, const Fields& fields);
    bool deleteRow(const ShownRow& shown);
    bool updateCurrent(const Fields& fields) { return updateRow(shownRow(), fields); }
    bool deleteCurrent() { return deleteRow(shownRow()); }

    QString errorText() const { return m_error; }
    // True when the last write refused a row that another PC changed or removed meanwhile.
    bool changedMeanwhile() const { return m_changedMeanwhile; }

    // Starts reading, in the background, what a search in the source's column needs, so that
    // the first letters typed into the search box do not wait for it. Only the table, the
    // searched column and the order of the source are looked at.
    void warmSearch(const RecordSource& search);

signals:
    void refreshed();
    void currentRowChanged(int row);

private:
    bool requery();
    bool searchFromIndex(bool* done);
    SearchIndex::Key searchKey(const RecordSource& source) const;
    bool keep(bool ok, const TableWriter& writer);

    Database& m_database;
    RowModel* m_model;
    RecordSource m_source;
    QString m_sort;
    QString m_totalExpression;
    int m_count = 0;
    double m_total = 0;
    int m_current = -1;
    QString m_error;
    bool m_changedMeanwhile = false;
};
