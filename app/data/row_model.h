#pragma once

#include <QAbstractTableModel>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>
#include <QVariantList>

#include <map>
#include <vector>

class SqlEngine;

// A read-only table model over one SQL query that holds only the pages of rows a view
// has asked for. The row count is handed in by the owner (it comes from the same
// aggregate query that computes the list's total), and rows are read a page at a time
// with LIMIT/OFFSET, so a list of a million cheques costs no more memory than a screenful.
//
// A query that lists rows of a table gives the row identity as a hidden first column,
// which identifies the row for updates and deletes.
class RowModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit RowModel(QObject* parent = nullptr);

    // Reads the column names of the query and resets the model to rowCount rows. hasRowId tells
    // that the query's first column is the row identity. On failure the model keeps what it
    // showed and the error is returned.
    bool setQuery(const QSqlDatabase& db, const QString& sql, const QVariantList& binds, bool hasRowId, int rowCount,
                  QString* error);
    // The rows of table whose identities are given, in that order.
    bool setRowIds(const QSqlDatabase& db, const SqlEngine& engine, const QString& table, std::vector<qint64> ids,
                   QString* error);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Column position of a field, matched without regard to case; -1 when absent.
    int fieldIndex(const QString& name) const;
    QVariant value(int row, int column) const;
    QVariant value(int row, const QString& field) const;
    // The identity of a row, or -1 when the query carries none or the row does not exist.
    qint64 rowId(int row) const;
    // The row that has the identity id, or -1: found in the list of identities, or by one
    // forward pass over the query, which costs far less than reading it page by page.
    int rowOf(qint64 id) const;

private:
    using Row = std::vector<QVariant>;
    const std::vector<Row>* page(int index) const;
    static bool readPage(QSqlQuery& query, const QString& sql, const QVariantList& binds, int index,
                         std::vector<Row>* rows, QString* error);
    bool readIdPage(QSqlQuery& query, int index, std::vector<Row>* rows, QString* error) const;
    void reset(const QSqlDatabase& db, const QStringList& fields, bool hasRowId, int rows, std::vector<Row> firstPage);

    QSqlDatabase m_db;
    const SqlEngine* m_engine = nullptr;
    QString m_pageSql;
    QString m_listSql;
    QVariantList m_binds;
    QString m_table;
    std::vector<qint64> m_ids; // the rows by identity, when the model shows a list of rows
    QStringList m_fields;
    bool m_hasRowId = false;
    int m_rows = 0;

    // Pages read so far, with the order of use for dropping the oldest.
    mutable std::map<int, std::vector<Row>> m_pages;
    mutable std::vector<int> m_pageUse;
};
