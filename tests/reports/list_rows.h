#pragma once

#include "data/row_source.h"

#include <QList>
#include <QStringList>
#include <QVariantList>

#include <algorithm>
#include <climits>

// Rows held in memory, counting how they are read.
class ListRows : public RowSource
{
public:
    ListRows(QStringList columns, QList<QVariantList> rows) : m_columns(std::move(columns)), m_rows(std::move(rows)) {}

    bool rewind() override
    {
        ++rewinds;
        m_at = -1;
        return true;
    }
    bool next() override { return ++m_at < m_rows.size(); }
    int columnIndex(const QString& name) const override
    {
        for (int i = 0; i < m_columns.size(); ++i) {
            if (m_columns[i].compare(name, Qt::CaseInsensitive) == 0)
                return i;
        }
        return -1;
    }
    QVariant value(int column) const override
    {
        ++reads;
        lowestRead = std::min(lowestRead, m_at);
        return m_at >= 0 && m_at < m_rows.size() && column >= 0 ? m_rows[m_at].value(column) : QVariant();
    }
    void forgetReads() const
    {
        reads = 0;
        lowestRead = INT_MAX;
    }

    int rewinds = 0;
    mutable int reads = 0;
    mutable int lowestRead = INT_MAX;

private:
    QStringList m_columns;
    QList<QVariantList> m_rows;
    int m_at = -1;
};
