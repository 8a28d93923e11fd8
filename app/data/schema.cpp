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

} // namespace

QStringList tableNames()
{
    return {QStringLiteral("T1"), QStringLiteral("T2"), QStringLiteral("T3"),
            QStringLiteral("T4"), QStringLiteral("T5"), QStringLiteral("T6")};
}

bool create(QSqlDatabase& db, QString* error)
{
    if (!db.transaction()) {
        if (error)
            *error = db.lastError().text();
        return false;
    }
    QSqlQuery query(db);
    for (const char* statement : Statements) {
        if (!query.exec(QString::fromLatin1(statement))) {
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
