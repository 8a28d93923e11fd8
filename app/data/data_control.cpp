#include "data/data_control.h"

#include "data/bound_query.h"
#include "data/database.h"
#include "data/sql_engine.h"

#include <QRegularExpression>

namespace {

const QString NoDatabase = QStringLiteral("بانک اطلاعاتی باز نیست.");

} // namespace

DataControl::DataControl(Database& database, QObject* parent)
    : QObject(parent), m_database(database), m_model(new RowModel(this))
{}

void DataControl::setRecordSource(const RecordSource& source)
{
    m_source = source;
    m_sort.clear();
}

void DataControl::setTotal(const QString& column, AmountReading reading)
{
    m_totalExpression = column.isEmpty() ? QString() : m_database.engine().amount(column, reading);
}

SearchIndex::Key DataControl::searchKey(const RecordSource& source) const
{
    return {source.table, source.searchColumn, m_database.engine().orderExpression(source), m_totalExpression};
}

void DataControl::warmSearch(const RecordSource& search)
{
    if (m_database.isOpen() && !search.searchColumn.isEmpty() && !search.order.isEmpty())
        m_database.searchIndex().warm(m_database.connection(), searchKey(search));
}

bool DataControl::searchFromIndex(bool* done)
{
    // The lists' search boxes ask for "the rows whose column contains the text" on every
    // keystroke; those are answered from the column held in memory.
    *done = false;
    if (!m_sort.isEmpty() || !m_source.isPlainSearch() || m_source.order.isEmpty())
        return true;
    const SearchIndex::Key key = searchKey(m_source);
    QSqlDatabase db = m_database.connection();
    SearchIndex& index = m_database.searchIndex();
    if (!index.ready(db, key)) {
        // Until the column is in memory the database answers; the next keystrokes will not wait.
        // An engine that would scan every row for it waits for the column instead, which is sooner.
        index.warm(db, key);
        if (!m_database.engine().searchesFasterFromMemory())
            return true;
        index.wait();
        if (!index.ready(db, key))
            return true;
    }
    SearchIndex::Result result = index.find(nonNullText(m_source.searchText));
    const int count = static_cast<int>(result.ids.size());
    QString error;
    if (!m_model->setRowIds(db, m_database.engine(), key.table, std::move(result.ids), &error)) {
        m_error = error;
        return false;
    }
    m_count = count;
    m_total = result.total;
    m_error.clear();
    *done = true;
    return true;
}

bool DataControl::requery()
{
    if (!m_database.isOpen()) {
        m_error = NoDatabase;
        return false;
    }
    bool done = false;
    if (!searchFromIndex(&done))
        return false;
    if (done)
        return true;
    QSqlDatabase db = m_database.connection();
    const SqlEngine& engine = m_database.engine();
    const QVariantList binds = m_source.binds();
    // The figures are read without the order: it does not change the count or the total, and
    // the database would sort every matching row before counting them.
    BoundQuery figures(db);
    if (!figures.execOne(engine.figuresStatement(m_source, m_totalExpression), binds)) {
        m_error = figures.errorText();
        return false;
    }
    const int count = figures.value(0).toInt();
    const double total = figures.value(1).toDouble();
    figures.finish();

    QString error;
    if (!m_model->setQuery(db, engine.listStatement(m_source, m_sort, true), binds, true, count, &error)) {
        m_error = error;
        return false;
    }
    m_count = count;
    m_total = total;
    m_error.clear();
    return true;
}

bool DataControl::refresh()
{
    if (!requery())
        return false;
    setCurrentRow(m_count > 0 ? 0 : -1);
    emit refreshed();
    return true;
}

bool DataControl::setSort(const QString& sort)
{
    // Sorts come from the program, never from the user; this keeps them column names even if a
    // caller slips.
    static const QRegularExpression pattern(QStringLiteral("^\\s*([A-Za-z_][A-Za-z0-9_]*)(\\s+(ASC|DESC))?\\s*$"),
                                            QRegularExpression::CaseInsensitiveOption);
    if (!sort.isEmpty() && !pattern.match(sort).hasMatch()) {
        m_error = QStringLiteral("ترتیب «%1» شناخته نیست.").arg(sort);
        return false;
    }
    const QString previous = m_sort;
    m_sort = sort;
    if (!refresh()) {
        m_sort = previous;
        return false;
    }
    return true;
}

void DataControl::setCurrentRow(int row)
{
    const int next = (row >= 0 && row < m_count) ? row : -1;
    if (next == m_current)
        return;
    m_current = next;
    emit currentRowChanged(m_current);
}

QVariant DataControl::value(const QString& column) const
{
    return hasCurrent() ? m_model->value(m_current, column) : QVariant();
}

qint64 DataControl::currentId() const
{
    return hasCurrent() ? m_model->rowId(m_current) : -1;
}

ShownRow DataControl::shownRow() const
{
    ShownRow shown;
    if (!hasCurrent())
        return shown;
    shown.id = m_model->rowId(m_current);
    for (int column = 0; column < m_model->columnCount(); ++column)
        shown.values << qMakePair(m_model->headerData(column, Qt::Horizontal).toString(),
                                  m_model->value(m_current, column));
    return shown;
}

bool DataControl::reread()
{
    // The rows kept in view are looked for this far either side of their place, so that a large
    // register is not read through to find one row.
    constexpr int SearchedRows = 1000;
    const int row = m_current;
    const qint64 id = currentId();
    if (!requery())
        return false;
    int next = qMin(row, m_count - 1);
    if (id >= 0 && m_model->rowId(next) != id) {
        for (int distance = 1; distance <= SearchedRows; ++distance) {
            if (row - distance >= 0 && row - distance < m_count && m_model->rowId(row - distance) == id) {
                next = row - distance;
                break;
            }
            if (row + distance < m_count && m_model->rowId(row + distance) == id) {
                next = row + distance;
                break;
            }
            if (row - distance < 0 && row + distance >= m_count)
                break;
        }
    }
    // The row is set anew even where its number stays, so that the windows show its new values.
    m_current = -1;
    setCurrentRow(next);
    emit refreshed();
    return true;
}

bool DataControl::keep(bool ok, const TableWriter& writer)
{
    m_error = writer.errorText();
    m_changedMeanwhile = writer.changedMeanwhile();
    return ok;
}

bool DataControl::addRow(const Fields& fields, qint64* newId)
{
    TableWriter writer(m_database, m_source.table);
    return keep(writer.insert(fields, newId), writer);
}

bool DataControl::updateRow(qint64 id, const Fields& fields)
{
    TableWriter writer(m_database, m_source.table);
    return keep(writer.update(id, fields), writer);
}

bool DataControl::deleteRow(qint64 id)
{
    TableWriter writer(m_database, m_source.table);
    return keep(writer.remove(id), writer);
}

bool DataControl::updateRow(const ShownRow& shown, const Fields& fields)
{
    TableWriter writer(m_database, m_source.table);
    return keep(writer.update(shown, fields), writer);
}

bool DataControl::deleteRow(const ShownRow& shown)
{
    TableWriter writer(m_database, m_source.table);
    return keep(writer.remove(shown), writer);
}
