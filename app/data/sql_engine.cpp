#include "data/sql_engine.h"

#include "data/tables.h"

#include <QSqlError>
#include <QSqlQuery>

const QString SqlEngine::IdentityAlias = QStringLiteral("__rid");

QString SqlEngine::asText(const QString& expression) const
{
    return QStringLiteral("CAST(%1 AS TEXT)").arg(expression);
}

QString SqlEngine::quoted(const QString& identifier)
{
    return QLatin1Char('"') + identifier + QLatin1Char('"');
}

QString SqlEngine::selectColumns(const QString& table) const
{
    Q_UNUSED(table);
    return QStringLiteral("*");
}

QString SqlEngine::columnName(const QString& column) const
{
    return quoted(column);
}

QString SqlEngine::whereClause(const RecordSource& source) const
{
    QStringList parts;
    if (!source.searchColumn.isEmpty())
        parts << contains(source.searchColumn);
    for (const QString& column : source.sameTextColumns)
        parts << sameText(column);
    if (!source.condition.isEmpty())
        parts << QLatin1Char('(') + source.condition + QLatin1Char(')');
    return parts.isEmpty() ? QString() : QStringLiteral(" WHERE ") + parts.join(QLatin1String(" AND "));
}

QString SqlEngine::orderExpression(const RecordSource& source) const
{
    if (source.order.isEmpty())
        return {};
    if (source.alphabetical && source.orderReading == AmountReading::AsStored && holdsWords(source.table, source.order))
        return wordOrder(source.order);
    return amount(source.order, source.orderReading);
}

QString SqlEngine::sortExpression(const QString& table, const QString& sort) const
{
    const QString trimmed = sort.trimmed();
    const qsizetype space = trimmed.indexOf(QLatin1Char(' '));
    const QString column = space < 0 ? trimmed : trimmed.left(space);
    if (!holdsWords(table, column))
        return trimmed;
    return wordOrder(column) + (space < 0 ? QString() : trimmed.mid(space));
}

QString SqlEngine::listStatement(const RecordSource& source, const QString& sort, bool withIdentity) const
{
    QString sql = withIdentity ? QStringLiteral("SELECT %1 AS %2, %3 FROM %4")
                                     .arg(rowIdentity(), IdentityAlias, selectColumns(source.table), source.table)
                               : QStringLiteral("SELECT %1 FROM %2").arg(selectColumns(source.table), source.table);
    sql += whereClause(source);
    const QString order = sort.isEmpty() ? orderExpression(source) : sortExpression(source.table, sort);
    // Rows that tie in the order come in the order they were added.
    if (!order.isEmpty())
        sql += QStringLiteral(" ORDER BY ") + orderTerm(order) + QStringLiteral(", ") + rowIdentity();
    else if (!listsInInsertOrder())
        sql += QStringLiteral(" ORDER BY ") + rowIdentity();
    return sql;
}

QString SqlEngine::figuresStatement(const RecordSource& source, const QString& totalExpression) const
{
    return QStringLiteral("SELECT COUNT(*), %1 FROM %2")
               .arg(total(totalExpression.isEmpty() ? QStringLiteral("0") : totalExpression), source.table) +
           whereClause(source);
}

QString SqlEngine::rowsByIdentity(const QString& table, int count) const
{
    QStringList marks;
    for (int i = 0; i < count; ++i)
        marks << QStringLiteral("?");
    const QString where =
        marks.isEmpty() ? QStringLiteral("0 = 1")
                        : rowIdentity() + QStringLiteral(" IN (") + marks.join(QLatin1Char(',')) + QLatin1Char(')');
    return QStringLiteral("SELECT %1 AS %2, %3 FROM %4 WHERE %5")
        .arg(rowIdentity(), IdentityAlias, selectColumns(table), table, where);
}

QString SqlEngine::columnSnapshot(const QString& table, const QString& column, const QString& order,
                                  const QString& totalExpression) const
{
    // Named apart from the table's columns, so that the order's names can only be the table's.
    return QStringLiteral("SELECT %1, %2 AS searched_text, %3 AS searched_total FROM %4 ORDER BY %5, %1")
        .arg(rowIdentity(), asText(column), totalExpression.isEmpty() ? QStringLiteral("0") : totalExpression, table,
             orderTerm(order));
}

QString SqlEngine::distinctValues(const QString& table, const QString& column) const
{
    // The distinct values are ordered outside, where the order may name more than the column.
    return QStringLiteral("SELECT %1 FROM (SELECT DISTINCT %1 FROM %2) AS distinctly ORDER BY %3")
        .arg(column, table, orderTerm(wordOrder(column)));
}

QString SqlEngine::insertStatement(const QString& table, const QStringList& columns) const
{
    const QString returning = insertReturnsIdentity() ? QStringLiteral(" RETURNING ") + rowIdentity() : QString();
    if (columns.isEmpty())
        return QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(table) + returning;
    QStringList names;
    QStringList marks;
    for (const QString& column : columns) {
        names << columnName(column);
        marks << QStringLiteral("?");
    }
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
               .arg(table, names.join(QLatin1String(", ")), marks.join(QLatin1String(", "))) +
           returning;
}

QString SqlEngine::updateStatement(const QString& table, const QStringList& columns) const
{
    return updateStatement(table, columns, {});
}

QString SqlEngine::deleteStatement(const QString& table) const
{
    return deleteStatement(table, {});
}

QString SqlEngine::unchangedClause(const QStringList& unchanged) const
{
    QString clause;
    for (const QString& column : unchanged)
        clause += QStringLiteral(" AND ") + sameValue(columnName(column));
    return clause;
}

QString SqlEngine::updateStatement(const QString& table, const QStringList& columns, const QStringList& unchanged) const
{
    QStringList sets;
    for (const QString& column : columns)
        sets << columnName(column) + QStringLiteral(" = ?");
    return QStringLiteral("UPDATE %1 SET %2 WHERE ").arg(table, sets.join(QLatin1String(", "))) +
           unchangedClause(unchanged).mid(5) + (unchanged.isEmpty() ? QString() : QStringLiteral(" AND ")) +
           rowIdentity() + QStringLiteral(" = ?");
}

QString SqlEngine::deleteStatement(const QString& table, const QStringList& unchanged) const
{
    return QStringLiteral("DELETE FROM %1 WHERE ").arg(table) + unchangedClause(unchanged).mid(5) +
           (unchanged.isEmpty() ? QString() : QStringLiteral(" AND ")) + rowIdentity() + QStringLiteral(" = ?");
}

void SqlEngine::appendSearchForm(QByteArray& out, const char* text, size_t size) const
{
    out += searchForm(QString::fromUtf8(text, qsizetype(size))).toUtf8();
}

bool SqlEngine::readColumn(const QSqlDatabase& db, const QString& sql, const ColumnRow& row, QString* error) const
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(sql)) {
        *error = query.lastError().text();
        return false;
    }
    while (query.next()) {
        const QVariant text = query.value(1);
        const QByteArray utf8 = text.toString().toUtf8();
        row(query.value(0).toLongLong(), utf8.constData(), size_t(utf8.size()), text.isNull(),
            query.value(2).toDouble());
    }
    if (query.lastError().type() != QSqlError::NoError) {
        *error = query.lastError().text();
        return false;
    }
    return true;
}
