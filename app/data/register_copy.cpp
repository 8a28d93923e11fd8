#include "data/register_copy.h"

#include "data/bound_query.h"
#include "data/database.h"
#include "data/failure_text.h"
#include "data/schema.h"
#include "data/sql_engine.h"
#include "data/tables.h"
#include "words/number_format.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>

namespace RegisterCopy {

namespace {

// The amount columns a copy is checked by, read as the lists read them.
struct Amount
{
    const char* table;
    const char* column;
    AmountReading reading;
};

const Amount Amounts[] = {
    {"T1", "Mab", AmountReading::AsStored}, {"T2", "MB", AmountReading::NumberOnly},
    {"T4", "bed", AmountReading::AsStored}, {"T4", "bes", AmountReading::AsStored},
    {"T4", "sum", AmountReading::AsStored}, {"T6", "MB", AmountReading::TypedText},
};

// The key the other tables refer to is the row identity itself in a register made by the program
// (SQLite's integer key is its rowid; the server's key is its identity): it is written as the
// identity, and not again as a column.
QString keyColumn(const QString& table)
{
    if (table == QLatin1String("T3"))
        return BankTable::Id;
    if (table == QLatin1String("T4"))
        return LedgerTable::Row;
    return {};
}

// A whole number in groups of three, every digit kept.
QString grouped(const QString& number)
{
    static const QRegularExpression whole(QStringLiteral("^-?[0-9]+$"));
    if (!whole.match(number).hasMatch())
        return number;
    QString digits = number;
    const bool negative = digits.startsWith(QLatin1Char('-'));
    if (negative)
        digits.remove(0, 1);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, QLatin1Char(','));
    return negative ? QLatin1Char('-') + digits : digits;
}

QString figuresOf(Database& database, const QString& table, QString* error)
{
    const SqlEngine& engine = database.engine();
    QStringList sums;
    QStringList names;
    for (const Amount& amount : Amounts) {
        if (table != QLatin1String(amount.table))
            continue;
        // SUM is exact on both engines, where TOTAL and a double would round a large register.
        sums << QStringLiteral("COALESCE(SUM(%1), 0)")
                    .arg(engine.amount(QString::fromLatin1(amount.column), amount.reading));
        names << QString::fromLatin1(amount.column);
    }
    BoundQuery query(database.connection());
    // Sums come as the exact text of the number, not as a double.
    query.query().setNumericalPrecisionPolicy(QSql::HighPrecision);
    const QString sql =
        QStringLiteral("SELECT COUNT(*)%1 FROM %2")
            .arg(sums.isEmpty() ? QString() : QStringLiteral(", ") + sums.join(QLatin1String(", ")), table);
    if (!query.execOne(sql)) {
        *error = query.errorText();
        return {};
    }
    QString line = QStringLiteral("%1: %2 ردیف").arg(table, GroupedNumber(query.value(0).toDouble()));
    for (int i = 0; i < names.size(); ++i)
        line += QStringLiteral("، جمع %1 %2").arg(names.at(i), grouped(query.value(i + 1).toString()));
    return line;
}

bool copyTable(Database& from, Database& to, const QString& table, QString* error)
{
    const SqlEngine& source = from.engine();
    const SqlEngine& target = to.engine();
    const QString key = keyColumn(table);
    QStringList columns = Schema::columns(table);
    columns.removeAll(key);
    QStringList read;
    read << (key.isEmpty() ? source.rowIdentity() : source.columnName(key));
    for (const QString& column : columns)
        read << source.columnName(column);
    QSqlQuery rows(from.connection());
    rows.setForwardOnly(true);
    if (!rows.exec(QStringLiteral("SELECT %1 FROM %2 ORDER BY %3")
                       .arg(read.join(QLatin1String(", ")), table, source.rowIdentity()))) {
        *error = rows.lastError().text();
        return false;
    }
    QStringList written;
    QStringList marks;
    written << target.rowIdentity();
    marks << QStringLiteral("?");
    for (const QString& column : columns) {
        written << target.columnName(column);
        marks << QStringLiteral("?");
    }
    QSqlQuery insert(to.connection());
    if (!insert.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                            .arg(table, written.join(QLatin1String(", ")), marks.join(QLatin1String(", "))))) {
        *error = insert.lastError().text();
        return false;
    }
    qint64 row = 0;
    while (rows.next()) {
        ++row;
        for (int i = 0; i < written.size(); ++i)
            insert.bindValue(i, rows.value(i));
        if (!insert.exec()) {
            *error = FailureText::withDetail(
                QStringLiteral("ردیف %1 جدول %2 نوشته نشد").arg(GroupedNumber(double(row)), table),
                insert.lastError().text());
            return false;
        }
    }
    if (rows.lastError().isValid()) {
        *error = rows.lastError().text();
        return false;
    }
    return target.identitiesWritten(to.connection(), table, error);
}

bool isEmpty(Database& database, QString* error)
{
    for (const QString& table : Schema::tableNames()) {
        BoundQuery query(database.connection());
        if (!query.execOne(QStringLiteral("SELECT COUNT(*) FROM ") + table)) {
            *error = query.errorText();
            return false;
        }
        if (query.value(0).toLongLong() > 0) {
            *error = QStringLiteral("بانک اطلاعاتی مقصد %1 خالی نیست (جدول %2 ردیف دارد)؛ دفتر فقط به بانک "
                                    "اطلاعاتی خالی منتقل می‌شود.")
                         .arg(FailureText::quotedPath(database.filePath()), table);
            return false;
        }
    }
    return true;
}

} // namespace

QStringList figures(Database& database, QString* error)
{
    QStringList lines;
    for (const QString& table : Schema::tableNames()) {
        const QString line = figuresOf(database, table, error);
        if (line.isEmpty())
            return {};
        lines << line;
    }
    return lines;
}

bool copy(Database& from, Database& to, Target target, QStringList* report, QString* error)
{
    QString why;
    auto fail = [&](const QString& text) {
        if (error)
            *error = FailureText::withDetail(
                QStringLiteral("دفتر از %1 به %2 منتقل نشد.")
                    .arg(FailureText::quotedPath(from.filePath()), FailureText::quotedPath(to.filePath())),
                text);
        return false;
    };
    if (!from.isOpen() || !to.isOpen())
        return fail(QStringLiteral("بانک اطلاعاتی باز نیست."));
    if (target == Target::MustBeEmpty && !isEmpty(to, &why))
        return fail(why);
    const QStringList before = figures(from, &why);
    if (before.isEmpty())
        return fail(why);
    QStringList after;
    const bool copied = to.inTransaction(
        [&] {
            for (const QString& table : Schema::tableNames()) {
                if (target == Target::Replace) {
                    QSqlQuery clear(to.connection());
                    if (!clear.exec(QStringLiteral("DELETE FROM ") + table)) {
                        why = clear.lastError().text();
                        return false;
                    }
                }
                if (!copyTable(from, to, table, &why))
                    return false;
            }
            // Checked before the commit: a copy that does not add up is not kept.
            after = figures(to, &why);
            if (after.isEmpty())
                return false;
            if (after != before) {
                why = QStringLiteral("ارقام دو دفتر پس از انتقال یکی نیست:\n%1\n%2")
                          .arg(before.join(QLatin1Char('\n')), after.join(QLatin1Char('\n')));
                return false;
            }
            return true;
        },
        &why);
    if (!copied)
        return fail(why);
    if (report)
        *report = after;
    return true;
}

bool openNamed(const QString& text, Database** database, QString* error)
{
    RegisterLocation location;
    QString dataDir = text;
    if (RegisterLocation::isServerUri(text)) {
        if (!RegisterLocation::parse(text, &location, error))
            return false;
        dataDir.clear();
    }
    auto* opened = new Database(dataDir, location);
    if (opened->open() == Database::OpenResult::Failed) {
        if (error)
            *error = opened->errorText();
        delete opened;
        return false;
    }
    *database = opened;
    return true;
}

} // namespace RegisterCopy
