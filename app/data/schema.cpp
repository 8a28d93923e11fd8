#include "data/schema.h"

#include <QSqlError>
#include <QSqlQuery>

namespace Schema {

namespace {

// Amounts are NUMERIC, so whole rials stay integers and instr() on them sees "1500", not "1500.0".
// T6.MB is text: the expense register stores the amount as typed, group separators included.
const char* const Statements[] = {
    "CREATE TABLE T1 (PD INTEGER, TV TEXT, TCH TEXT, Num TEXT, NBank TEXT, Mab NUMERIC, SH TEXT, Prd TEXT, "
    "V TEXT, Shh TEXT)",
    "CREATE TABLE T2 (Date TEXT, Name TEXT, MB NUMERIC, NB TEXT, SHCH TEXT, prd TEXT, V TEXT)",
    "CREATE TABLE T3 (Id INTEGER PRIMARY KEY AUTOINCREMENT, Name TEXT, SHh TEXT, Mandeh TEXT)",
    "CREATE TABLE T4 (R INTEGER PRIMARY KEY AUTOINCREMENT, ID INTEGER, Date TEXT, sharh TEXT, shomreh TEXT, "
    "bed NUMERIC, bes NUMERIC, sum NUMERIC)",
    "CREATE TABLE T5 (Name TEXT)",
    "CREATE TABLE T6 (ID INTEGER, Date TEXT, Noh TEXT, SH TEXT, MB TEXT, \"To\" TEXT)",
    // The list opens in cheque-date order and pages through it; the index keeps that cheap.
    "CREATE INDEX T1_TCH ON T1 (TCH)",
    // The searches most typed into: while a large register's column is still being read into
    // memory, these keep the first screen of a description or amount search quick.
    "CREATE INDEX T1_SH ON T1 (SH, Mab)",
    "CREATE INDEX T1_Mab ON T1 (Mab)",
    "CREATE INDEX T2_Date ON T2 (Date)",
    "CREATE INDEX T4_ID ON T4 (ID)",
};

// Column names are matched without regard to case, as every query of the program does.
QStringList columnsInFile(const QSqlDatabase& db, const QString& table, QString* error)
{
    QSqlQuery query(db);
    // The table name comes from the program's own list, never from a file or the user.
    if (!query.exec(QStringLiteral("PRAGMA table_info(\"%1\")").arg(table))) {
        if (error)
            *error = query.lastError().text();
        return {};
    }
    QStringList names;
    while (query.next())
        names << query.value(1).toString().toLower();
    return names;
}

} // namespace

QStringList tableNames()
{
    return {QStringLiteral("T1"), QStringLiteral("T2"), QStringLiteral("T3"),
            QStringLiteral("T4"), QStringLiteral("T5"), QStringLiteral("T6")};
}

bool runAll(QSqlDatabase& db, const QStringList& statements, QString* error)
{
    if (!db.transaction()) {
        if (error)
            *error = db.lastError().text();
        return false;
    }
    QSqlQuery query(db);
    for (const QString& statement : statements) {
        if (!query.exec(statement)) {
            if (error)
                *error = query.lastError().text();
            query.finish();
            db.rollback();
            return false;
        }
    }
    query.finish();
    if (!db.commit()) {
        if (error)
            *error = db.lastError().text();
        return false;
    }
    return true;
}

bool create(QSqlDatabase& db, QString* error)
{
    QStringList statements;
    for (const char* statement : Statements)
        statements << QString::fromLatin1(statement);
    return runAll(db, statements, error);
}

QStringList columns(const QString& table)
{
    const QString name = table.toUpper();
    if (name == QLatin1String("T1"))
        return {QStringLiteral("PD"),    QStringLiteral("TV"),  QStringLiteral("TCH"), QStringLiteral("Num"),
                QStringLiteral("NBank"), QStringLiteral("Mab"), QStringLiteral("SH"),  QStringLiteral("Prd"),
                QStringLiteral("V"),     QStringLiteral("Shh")};
    if (name == QLatin1String("T2"))
        return {QStringLiteral("Date"), QStringLiteral("Name"), QStringLiteral("MB"), QStringLiteral("NB"),
                QStringLiteral("SHCH"), QStringLiteral("prd"),  QStringLiteral("V")};
    if (name == QLatin1String("T3"))
        return {QStringLiteral("Id"), QStringLiteral("Name"), QStringLiteral("SHh"), QStringLiteral("Mandeh")};
    if (name == QLatin1String("T4"))
        return {QStringLiteral("R"),       QStringLiteral("ID"),  QStringLiteral("Date"), QStringLiteral("sharh"),
                QStringLiteral("shomreh"), QStringLiteral("bed"), QStringLiteral("bes"),  QStringLiteral("sum")};
    if (name == QLatin1String("T5"))
        return {QStringLiteral("Name")};
    if (name == QLatin1String("T6"))
        return {QStringLiteral("ID"), QStringLiteral("Date"), QStringLiteral("Noh"),
                QStringLiteral("SH"), QStringLiteral("MB"),   QStringLiteral("To")};
    return {};
}

QStringList problems(const QSqlDatabase& db, QString* error)
{
    QString readError;
    const QStringList missing = missingTables(db, &readError);
    if (!readError.isEmpty()) {
        if (error)
            *error = readError;
        return {};
    }
    QStringList found;
    if (!missing.isEmpty())
        found << QStringLiteral("جدول‌های %1 را ندارد").arg(missing.join(QLatin1String(", ")));
    for (const QString& table : tableNames()) {
        if (missing.contains(table))
            continue;
        const QStringList present = columnsInFile(db, table, &readError);
        if (!readError.isEmpty()) {
            if (error)
                *error = readError;
            return {};
        }
        QStringList lacking;
        for (const QString& column : columns(table)) {
            if (!present.contains(column.toLower()))
                lacking << column;
        }
        if (!lacking.isEmpty())
            found << QStringLiteral("جدول %1 ستون‌های %2 را ندارد")
                         .arg(table, lacking.join(QLatin1String(", ")));
    }
    return found;
}

QStringList missingTables(const QSqlDatabase& db, QString* error)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT lower(name) FROM sqlite_master WHERE type = 'table'"))) {
        if (error)
            *error = query.lastError().text();
        return tableNames();
    }
    QStringList present;
    while (query.next())
        present << query.value(0).toString();
    QStringList missing;
    for (const QString& name : tableNames()) {
        if (!present.contains(name.toLower()))
            missing << name;
    }
    return missing;
}

} // namespace Schema
