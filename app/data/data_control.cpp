#include "data/data_control.h"

#include "data/database.h"
#include "data/search_index.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>

namespace {

// Names of tables, columns and sorts come from the program, never from the user; this
// keeps it so even if a caller slips.
bool isIdentifier(const QString& name)
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    return pattern.match(name).hasMatch();
}

QString quotedIdentifier(const QString& name)
{
    return QLatin1Char('"') + name + QLatin1Char('"');
}

const QString NoDatabase = QStringLiteral("بانک اطلاعاتی باز نیست.");

} // namespace

DataControl::DataControl(Database& database, QObject* parent)
    : QObject(parent), m_database(database), m_model(new RowModel(this))
{}

void DataControl::setRecordSource(const QString& sql, const QVariantList& binds)
{
    m_sql = sql;
    m_binds = binds;
    m_sort.clear();
}

bool DataControl::searchKey(const QString& sql, SearchIndex::Key* key) const
{
    // The lists' search boxes ask for "the rows whose column contains the text" on every
    // keystroke; those are answered from the column held in memory.
    static const QRegularExpression search(
        QStringLiteral("^SELECT \\*\\s+From (\\w+) Where \\(instr\\((\\w+) ,\\?\\) <> 0\\) order by (\\w+)$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = search.match(sql);
    if (!match.hasMatch())
        return false;
    *key = {match.captured(1), match.captured(2), match.captured(3), m_totalExpression};
    return true;
}

void DataControl::warmSearch(const QString& sql)
{
    SearchIndex::Key key;
    if (m_database.isOpen() && searchKey(sql, &key))
        m_database.searchIndex().warm(m_database.connection(), key);
}

bool DataControl::searchFromIndex(bool* done)
{
    *done = false;
    SearchIndex::Key key;
    if (!m_sort.isEmpty() || m_binds.size() != 1 || m_binds.first().isNull() || !searchKey(m_sql, &key))
        return true;
    QSqlDatabase db = m_database.connection();
    SearchIndex& index = m_database.searchIndex();
    if (!index.ready(db, key)) {
        // Until the column is in memory the database answers; the next keystrokes will not wait.
        index.warm(db, key);
        return true;
    }
    SearchIndex::Result result = index.find(m_binds.first().toString());
    const int count = static_cast<int>(result.ids.size());
    QString error;
    if (!m_model->setRowIds(db, key.table, std::move(result.ids), &error)) {
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
    // The order of the rows does not change their count or total, and SQLite would sort
    // every matching row before counting them.
    static const QRegularExpression trailingOrder(QStringLiteral("\\s+order\\s+by\\s+[A-Za-z0-9_\\s,]+$"),
                                                  QRegularExpression::CaseInsensitiveOption);
    const QString base = QString(m_sql).remove(trailingOrder);
    const QString totalExpression = m_totalExpression.isEmpty() ? QStringLiteral("0") : m_totalExpression;
    QSqlQuery figures(db);
    figures.setForwardOnly(true);
    if (!figures.prepare(QStringLiteral("SELECT COUNT(*), TOTAL(") + totalExpression + QStringLiteral(") FROM (") +
                         base + QLatin1Char(')'))) {
        m_error = figures.lastError().text();
        return false;
    }
    for (const QVariant& value : m_binds)
        figures.addBindValue(value);
    if (!figures.exec() || !figures.next()) {
        m_error = figures.lastError().text();
        return false;
    }
    const int count = figures.value(0).toInt();
    const double total = figures.value(1).toDouble();
    figures.finish();

    QString error;
    if (!m_model->setQuery(db, m_sql, m_binds, m_sort, count, &error)) {
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

QString DataControl::table() const
{
    static const QRegularExpression from(QStringLiteral("\\bfrom\\s+([A-Za-z_][A-Za-z0-9_]*)"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = from.match(m_sql);
    return match.hasMatch() ? match.captured(1) : QString();
}

bool DataControl::canWrite()
{
    if (!m_database.isOpen()) {
        m_error = NoDatabase;
        return false;
    }
    if (!m_database.fileStillInPlace()) {
        m_error =
            QStringLiteral("فایل بانک اطلاعاتی %1 دیگر در جای خود نیست؛ تغییر ذخیره نشد.").arg(m_database.filePath());
        return false;
    }
    if (!isIdentifier(table())) {
        m_error = QStringLiteral("این فهرست جدولی ندارد که بتوان در آن نوشت.");
        return false;
    }
    return true;
}

bool DataControl::canWriteRow(qint64 id)
{
    if (!canWrite())
        return false;
    if (id < 0) {
        m_error = QStringLiteral("ردیفی انتخاب نشده است.");
        return false;
    }
    return true;
}

bool DataControl::exec(const QString& sql, const QVariantList& binds, qint64* insertId, bool mustTouchRow)
{
    QSqlQuery query(m_database.connection());
    if (!query.prepare(sql)) {
        m_error = query.lastError().text();
        return false;
    }
    for (const QVariant& value : binds)
        query.addBindValue(value);
    if (!query.exec()) {
        m_error = query.lastError().text();
        return false;
    }
    if (mustTouchRow && query.numRowsAffected() < 1) {
        m_error = QStringLiteral("این ردیف دیگر در بانک اطلاعاتی نیست.");
        return false;
    }
    if (insertId)
        *insertId = query.lastInsertId().toLongLong();
    m_error.clear();
    return true;
}

bool DataControl::addRow(const Fields& fields, qint64* newId)
{
    if (!canWrite())
        return false;
    QStringList names;
    QStringList marks;
    QVariantList binds;
    for (const auto& field : fields) {
        if (!isIdentifier(field.first)) {
            m_error = QStringLiteral("نام ستون «%1» درست نیست.").arg(field.first);
            return false;
        }
        names << quotedIdentifier(field.first);
        marks << QStringLiteral("?");
        binds << field.second;
    }
    const QString sql = names.isEmpty()
                            ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(table())
                            : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                  .arg(table(), names.join(QLatin1String(", ")), marks.join(QLatin1String(", ")));
    return exec(sql, binds, newId);
}

bool DataControl::updateRow(qint64 id, const Fields& fields)
{
    if (!canWriteRow(id))
        return false;
    if (fields.isEmpty())
        return true;
    QStringList sets;
    QVariantList binds;
    for (const auto& field : fields) {
        if (!isIdentifier(field.first)) {
            m_error = QStringLiteral("نام ستون «%1» درست نیست.").arg(field.first);
            return false;
        }
        sets << quotedIdentifier(field.first) + QStringLiteral(" = ?");
        binds << field.second;
    }
    binds << id;
    return exec(QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?").arg(table(), sets.join(QLatin1String(", "))), binds,
                nullptr, true);
}

bool DataControl::deleteRow(qint64 id)
{
    if (!canWriteRow(id))
        return false;
    return exec(QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(table()), {id}, nullptr, true);
}
