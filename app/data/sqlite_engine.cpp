#include "data/sqlite_engine.h"

#include "data/schema.h"
#include "data/sqlite_functions.h"
#include "words/persian_text.h"

#include <QSqlQuery>
#include <QtDebug>

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
    QString error;
    if (!SqliteFunctions::install(db, &error)) {
        qWarning("Searches compare texts byte for byte: %s", qPrintable(error));
        m_folds = false;
    }
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
    // Amounts are NUMERIC, so whole rials read "1500", not "1500.0", in both functions.
    if (!folds())
        return QStringLiteral("(instr(%1 ,?) <> 0)").arg(column);
    return QStringLiteral("(%1(%2 ,?) <> 0)").arg(SqliteFunctions::Contains, column);
}

QString SqliteEngine::sameText(const QString& column) const
{
    if (!folds())
        return SqlEngine::sameText(column);
    return QStringLiteral("%1(%2) = %1(?)").arg(SqliteFunctions::Fold, column);
}

QString SqliteEngine::searchForm(const QString& text) const
{
    return folds() ? PersianText::fold(text) : text;
}

QString SqliteEngine::wordOrder(const QString& column) const
{
    return folds() ? column + QStringLiteral(" COLLATE ") + SqliteFunctions::Collation : column;
}

QString SqliteEngine::total(const QString& expression) const
{
    // TOTAL, unlike SUM, gives 0 over no rows and never overflows on a large register.
    return QStringLiteral("TOTAL(%1)").arg(expression);
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

void SqliteEngine::appendSearchForm(QByteArray& out, const char* text, size_t size) const
{
    thread_local std::string folded;
    if (folds() && PersianText::foldUtf8(text, size, folded))
        out.append(folded.data(), qsizetype(folded.size()));
    else
        out.append(text, qsizetype(size));
}

bool SqliteEngine::readColumn(const QSqlDatabase& db, const QString& sql, const ColumnRow& row, QString* error) const
{
    // Through SQLite itself the texts come as the UTF-8 they are stored in, with no QVariant,
    // QString or conversion a row; only a connection that took the program's functions is known
    // to run the library linked here.
    if (!folds())
        return SqlEngine::readColumn(db, sql, row, error);
    return SqliteFunctions::readRows(db, sql, row, error);
}
