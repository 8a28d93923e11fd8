#include "data/table_writer.h"

#include "data/bound_query.h"
#include "data/database.h"
#include "data/sql_engine.h"

#include <QRegularExpression>

namespace {

const QString NoRowText = QStringLiteral("این ردیف دیگر در بانک اطلاعاتی نیست.");

// Names of tables and columns come from the program, never from the user; this keeps it so
// even if a caller slips.
bool isIdentifier(const QString& name)
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    return pattern.match(name).hasMatch();
}

QStringList namesOf(const Fields& fields)
{
    QStringList names;
    for (const auto& field : fields)
        names << field.first;
    return names;
}

QVariantList valuesOf(const Fields& fields)
{
    QVariantList values;
    for (const auto& field : fields)
        values << field.second;
    return values;
}

} // namespace

const QString TableWriter::ChangedMeanwhile = QStringLiteral(
    "این ردیف پس از آنکه در فهرست نشان داده شد، در رایانه دیگری تغییر کرده است؛ تغییر شما ثبت نشد. فهرست دوباره "
    "خوانده می‌شود.");
const QString TableWriter::RemovedMeanwhile = QStringLiteral(
    "این ردیف پس از آنکه در فهرست نشان داده شد، در رایانه دیگری حذف شده است؛ تغییر شما ثبت نشد. فهرست دوباره "
    "خوانده می‌شود.");

QVariant ShownRow::value(const QString& column) const
{
    for (const auto& field : values) {
        if (field.first.compare(column, Qt::CaseInsensitive) == 0)
            return field.second;
    }
    return {};
}

ShownRow ShownRow::with(const QString& column, const QVariant& value) const
{
    ShownRow next = *this;
    for (auto& field : next.values) {
        if (field.first.compare(column, Qt::CaseInsensitive) == 0)
            field.second = value;
    }
    return next;
}

TableWriter::TableWriter(Database& database, const QString& table) : m_database(database), m_table(table) {}

bool TableWriter::canWrite(const Fields& fields)
{
    if (!m_database.isOpen()) {
        m_error = QStringLiteral("بانک اطلاعاتی باز نیست.");
        return false;
    }
    if (!m_database.fileStillInPlace()) {
        m_error =
            QStringLiteral("فایل بانک اطلاعاتی %1 دیگر در جای خود نیست؛ تغییر ذخیره نشد.").arg(m_database.filePath());
        return false;
    }
    if (!isIdentifier(m_table)) {
        m_error = QStringLiteral("این فهرست جدولی ندارد که بتوان در آن نوشت.");
        return false;
    }
    for (const auto& field : fields) {
        if (!isIdentifier(field.first)) {
            m_error = QStringLiteral("نام ستون «%1» درست نیست.").arg(field.first);
            return false;
        }
    }
    return true;
}

bool TableWriter::canWriteRow(qint64 id, const Fields& fields)
{
    if (!canWrite(fields))
        return false;
    if (id < 0) {
        m_error = QStringLiteral("ردیفی انتخاب نشده است.");
        return false;
    }
    return true;
}

bool TableWriter::run(const QString& sql, const Fields& fields, const QVariantList& extra, bool mustTouchRow,
                      qint64* newId)
{
    BoundQuery query(m_database.connection(), false);
    if (!query.exec(sql, valuesOf(fields) + extra)) {
        m_error = query.errorText();
        return false;
    }
    if (mustTouchRow && query.rowsAffected() < 1) {
        m_error = NoRowText;
        return false;
    }
    if (newId)
        *newId = m_database.engine().insertReturnsIdentity() && query.next()
                     ? query.value(0).toLongLong()
                     : query.query().lastInsertId().toLongLong();
    m_error.clear();
    return true;
}

bool TableWriter::insert(const Fields& fields, qint64* newId)
{
    if (!canWrite(fields))
        return false;
    return run(m_database.engine().insertStatement(m_table, namesOf(fields)), fields, {}, false, newId);
}

bool TableWriter::update(qint64 id, const Fields& fields)
{
    return update(ShownRow{id, {}}, fields);
}

bool TableWriter::remove(qint64 id)
{
    return remove(ShownRow{id, {}});
}

bool TableWriter::update(const ShownRow& shown, const Fields& fields)
{
    m_changedMeanwhile = false;
    if (!canWriteRow(shown.id, fields) || !canWrite(shown.values))
        return false;
    if (fields.isEmpty())
        return true;
    const QString sql = m_database.engine().updateStatement(m_table, namesOf(fields), namesOf(shown.values));
    if (run(sql, fields, valuesOf(shown.values) << shown.id, true))
        return true;
    explainUntouched(shown);
    return false;
}

bool TableWriter::remove(const ShownRow& shown)
{
    m_changedMeanwhile = false;
    if (!canWriteRow(shown.id, {}) || !canWrite(shown.values))
        return false;
    const QString sql = m_database.engine().deleteStatement(m_table, namesOf(shown.values));
    if (run(sql, {}, valuesOf(shown.values) << shown.id, true))
        return true;
    explainUntouched(shown);
    return false;
}

void TableWriter::explainUntouched(const ShownRow& shown)
{
    BoundQuery query(m_database.connection(), false);
    const QString sql =
        QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2 = ?").arg(m_table, m_database.engine().rowIdentity());
    // Only a statement that ran and touched nothing is explained; a failing one keeps its error.
    if (shown.values.isEmpty() || m_error != NoRowText || !query.execOne(sql, {shown.id}))
        return;
    m_changedMeanwhile = true;
    m_error = query.value(0).toInt() == 0 ? RemovedMeanwhile : ChangedMeanwhile;
}
