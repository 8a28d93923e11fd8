#include "data/row_model.h"

#include "data/sql_engine.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>
#include <unordered_map>

namespace {

constexpr int PageSize = 200;
constexpr size_t PagesKept = 16;

} // namespace

RowModel::RowModel(QObject* parent) : QAbstractTableModel(parent) {}

bool RowModel::setQuery(const QSqlDatabase& db, const QString& sql, const QVariantList& binds, bool hasRowId,
                        int rowCount, QString* error)
{
    const QString pageSql = sql + QStringLiteral(" LIMIT ? OFFSET ?");

    // The first page is read at once: the list shows it anyway, its field names name the
    // columns, and a failing query is found before the model lets go of what it shows.
    QSqlQuery query(db);
    std::vector<Row> firstPage;
    if (!readPage(query, pageSql, binds, 0, &firstPage, error))
        return false;
    QStringList fields;
    const QSqlRecord record = query.record();
    for (int i = hasRowId ? 1 : 0; i < record.count(); ++i)
        fields << record.fieldName(i);
    query.finish();

    m_pageSql = pageSql;
    m_listSql = sql;
    m_binds = binds;
    m_ids.clear();
    m_table.clear();
    reset(db, fields, hasRowId, rowCount, std::move(firstPage));
    return true;
}

bool RowModel::setRowIds(const QSqlDatabase& db, const SqlEngine& engine, const QString& table, std::vector<qint64> ids,
                         QString* error)
{
    m_engine = &engine;
    const QString previousTable = m_table;
    std::vector<qint64> previousIds = std::move(m_ids);
    const QSqlDatabase previousDb = m_db;
    m_db = db;
    m_table = table;
    m_ids = std::move(ids);
    QSqlQuery query(db);
    std::vector<Row> firstPage;
    if (!readIdPage(query, 0, &firstPage, error)) {
        m_db = previousDb;
        m_table = previousTable;
        m_ids = std::move(previousIds);
        return false;
    }
    QStringList fields;
    const QSqlRecord record = query.record();
    for (int i = 1; i < record.count(); ++i)
        fields << record.fieldName(i);
    query.finish();
    m_pageSql.clear();
    m_listSql.clear();
    m_binds.clear();
    reset(db, fields, true, static_cast<int>(m_ids.size()), std::move(firstPage));
    return true;
}

void RowModel::reset(const QSqlDatabase& db, const QStringList& fields, bool hasRowId, int rows,
                     std::vector<Row> firstPage)
{
    beginResetModel();
    m_db = db;
    m_fields = fields;
    m_hasRowId = hasRowId;
    m_rows = std::max(0, rows);
    m_pages.clear();
    m_pageUse.clear();
    if (m_rows > 0) {
        m_pages[0] = std::move(firstPage);
        m_pageUse.push_back(0);
    }
    endResetModel();
}

bool RowModel::readIdPage(QSqlQuery& query, int index, std::vector<Row>* rows, QString* error) const
{
    const size_t first = std::min(m_ids.size(), static_cast<size_t>(index) * PageSize);
    const size_t last = std::min(m_ids.size(), first + PageSize);
    query.setForwardOnly(true);
    if (!query.prepare(m_engine->rowsByIdentity(m_table, int(last - first)))) {
        if (error)
            *error = query.lastError().text();
        return false;
    }
    for (size_t i = first; i < last; ++i)
        query.addBindValue(m_ids[i]);
    if (!query.exec()) {
        if (error)
            *error = query.lastError().text();
        return false;
    }
    std::unordered_map<qint64, Row> byId;
    const int columns = query.record().count();
    while (query.next()) {
        Row row(static_cast<size_t>(columns));
        for (int c = 0; c < columns; ++c)
            row[static_cast<size_t>(c)] = query.value(c);
        byId.emplace(row[0].toLongLong(), std::move(row));
    }
    rows->reserve(last - first);
    for (size_t i = first; i < last; ++i) {
        auto found = byId.find(m_ids[i]);
        // A row deleted since the list was made shows empty until the next refresh.
        rows->push_back(found != byId.end() ? std::move(found->second) : Row(static_cast<size_t>(columns)));
    }
    return true;
}

int RowModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int RowModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_fields.size());
}

bool RowModel::readPage(QSqlQuery& query, const QString& sql, const QVariantList& binds, int index,
                        std::vector<Row>* rows, QString* error)
{
    query.setForwardOnly(true);
    if (!query.prepare(sql)) {
        if (error)
            *error = query.lastError().text();
        return false;
    }
    for (const QVariant& value : binds)
        query.addBindValue(value);
    query.addBindValue(PageSize);
    query.addBindValue(index * PageSize);
    if (!query.exec()) {
        if (error)
            *error = query.lastError().text();
        return false;
    }
    rows->reserve(PageSize);
    const int columns = query.record().count();
    while (query.next()) {
        Row row(static_cast<size_t>(columns));
        for (int c = 0; c < columns; ++c)
            row[static_cast<size_t>(c)] = query.value(c);
        rows->push_back(std::move(row));
    }
    return true;
}

const std::vector<RowModel::Row>* RowModel::page(int index) const
{
    auto found = m_pages.find(index);
    if (found != m_pages.end()) {
        m_pageUse.erase(std::remove(m_pageUse.begin(), m_pageUse.end(), index), m_pageUse.end());
        m_pageUse.push_back(index);
        return &found->second;
    }
    QSqlQuery query(m_db);
    std::vector<Row> rows;
    if (!m_table.isEmpty()) {
        if (!readIdPage(query, index, &rows, nullptr))
            return nullptr;
    } else if (m_pageSql.isEmpty() || !readPage(query, m_pageSql, m_binds, index, &rows, nullptr)) {
        return nullptr;
    }
    if (m_pageUse.size() >= PagesKept) {
        m_pages.erase(m_pageUse.front());
        m_pageUse.erase(m_pageUse.begin());
    }
    m_pageUse.push_back(index);
    return &(m_pages[index] = std::move(rows));
}

QVariant RowModel::value(int row, int column) const
{
    if (row < 0 || row >= m_rows || column < 0 || column >= m_fields.size())
        return {};
    const std::vector<Row>* rows = page(row / PageSize);
    const size_t offset = static_cast<size_t>(row % PageSize);
    if (!rows || offset >= rows->size())
        return {};
    return (*rows)[offset][static_cast<size_t>(column + (m_hasRowId ? 1 : 0))];
}

QVariant RowModel::value(int row, const QString& field) const
{
    return value(row, fieldIndex(field));
}

qint64 RowModel::rowId(int row) const
{
    if (!m_hasRowId || row < 0 || row >= m_rows)
        return -1;
    const std::vector<Row>* rows = page(row / PageSize);
    const size_t offset = static_cast<size_t>(row % PageSize);
    if (!rows || offset >= rows->size())
        return -1;
    return (*rows)[offset][0].toLongLong();
}

int RowModel::fieldIndex(const QString& name) const
{
    for (int i = 0; i < m_fields.size(); ++i) {
        if (m_fields.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QVariant RowModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return value(index.row(), index.column());
}

QVariant RowModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section >= 0 && section < m_fields.size())
        return m_fields.at(section);
    return {};
}

int RowModel::rowOf(qint64 id) const
{
    if (!m_hasRowId)
        return -1;
    if (!m_ids.empty()) {
        const auto found = std::find(m_ids.begin(), m_ids.end(), id);
        return found == m_ids.end() ? -1 : static_cast<int>(found - m_ids.begin());
    }
    if (m_listSql.isEmpty())
        return -1;
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    if (!query.prepare(m_listSql))
        return -1;
    for (const QVariant& bind : m_binds)
        query.addBindValue(bind);
    if (!query.exec())
        return -1;
    for (int row = 0; row < m_rows && query.next(); ++row) {
        if (query.value(0).toLongLong() == id)
            return row;
    }
    return -1;
}
