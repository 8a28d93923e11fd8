#include "data/table_writer.h"

#include "data/bound_query.h"
#include "data/database.h"
#include "data/sql_engine.h"

#include <QRegularExpression>

namespace {

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
        m_error = QStringLiteral("این ردیف دیگر در بانک اطلاعاتی نیست.");
        return false;
    }
    if (newId)
        *newId = query.query().lastInsertId().toLongLong();
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
    if (!canWriteRow(id, fields))
        return false;
    if (fields.isEmpty())
        return true;
    return run(m_database.engine().updateStatement(m_table, namesOf(fields)), fields, {id}, true);
}

bool TableWriter::remove(qint64 id)
{
    if (!canWriteRow(id, {}))
        return false;
    return run(m_database.engine().deleteStatement(m_table), {}, {id}, true);
}
