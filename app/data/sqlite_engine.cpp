#include "data/sqlite_engine.h"

#include "data/schema.h"

#include <QSqlQuery>

QString SqliteEngine::driverName() const
{
    return QStringLiteral("QSQLITE");
}

QString SqliteEngine::connectOptions(bool readOnly) const
{
    return readOnly ? QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=3000")
                    : QStringLiteral("QSQLITE_BUSY_TIMEOUT=3000");
}

void SqliteEngine::setUp(QSqlDatabase& db, bool background) const
{
    // Scans of a large register (the figures of a list, a search snapshot) go faster with a
    // larger page cache than SQLite's default.
    QSqlQuery pragmas(db);
    pragmas.exec(background ? QStringLiteral("PRAGMA cache_size = -8192")
                            : QStringLiteral("PRAGMA cache_size = -16384"));
}

QString SqliteEngine::changeState(const QSqlDatabase& db) const
{
    // total_changes() counts what this connection wrote; data_version moves when another
    // connection writes. Together they tell whether something read earlier still holds.
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT total_changes()")) || !query.next())
        return {};
    const QString changes = query.value(0).toString();
    if (!query.exec(QStringLiteral("PRAGMA data_version")) || !query.next())
        return {};
    return changes + QLatin1Char('/') + query.value(0).toString();
}

QString SqliteEngine::othersState(const QSqlDatabase& db) const
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA data_version")) || !query.next())
        return {};
    return query.value(0).toString();
}

QString SqliteEngine::rowIdentity() const
{
    return QStringLiteral("rowid");
}

QString SqliteEngine::columnName(const QString& column) const
{
    // In brackets a name is always a column: SQLite takes an unknown "name" for a text.
    return QLatin1Char('[') + column + QLatin1Char(']');
}

QString SqliteEngine::sameValue(const QString& column) const
{
    return column + QStringLiteral(" IS ?");
}

bool SqliteEngine::createSchema(QSqlDatabase& db, QString* error) const
{
    return Schema::create(db, error);
}

QStringList SqliteEngine::schemaProblems(const QSqlDatabase& db, QString* error) const
{
    return Schema::problems(db, error);
}

bool SqliteEngine::isEmpty(const QSqlDatabase& db, QString* error) const
{
    QString readError;
    const QStringList missing = Schema::missingTables(db, &readError);
    if (error)
        *error = readError;
    return readError.isEmpty() && missing.size() == Schema::tableNames().size();
}

QString SqliteEngine::contains(const QString& column) const
{
    // instr() matches byte for byte; amounts are NUMERIC, so whole rials read "1500", not "1500.0".
    return QStringLiteral("(instr(%1 ,?) <> 0)").arg(column);
}

QString SqliteEngine::total(const QString& expression) const
{
    // TOTAL, unlike SUM, gives 0 over no rows and never overflows on a large register.
    return QStringLiteral("TOTAL(%1)").arg(expression);
}

QString SqliteEngine::asText(const QString& expression) const
{
    return QStringLiteral("CAST(%1 AS TEXT)").arg(expression);
}

QString SqliteEngine::amount(const QString& column, AmountReading reading) const
{
    switch (reading) {
    case AmountReading::AsStored:
        break;
    case AmountReading::NumberOnly:
        return QStringLiteral("CASE WHEN typeof(%1) IN ('integer', 'real') THEN %1 END").arg(column);
    case AmountReading::TypedText:
        // CAST reads the leading whole number of the text and gives 0 where there is none.
        return QStringLiteral("CAST(REPLACE(REPLACE(REPLACE(REPLACE(TRIM(%1), ',', ''), ' ', ''), char(9), ''), "
                              "char(160), '') AS INTEGER)")
            .arg(column);
    }
    return column;
}
