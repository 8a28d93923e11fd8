#include "data/expense_book.h"

#include "data/data_control.h"
#include "data/database.h"

#include <QSqlError>
#include <QSqlQuery>

namespace {

const QString AllKinds = QStringLiteral("SELECT * FROM T5 ");
const QString AllEntries = QStringLiteral("SELECT * FROM T6 ");
const QString OfKind = QStringLiteral("select * from t6 WHERE Noh = ?");
const QString BetweenDates = QStringLiteral("SELECT * FROM t6  WHERE Date between ? and ?");

// A null text would be bound as NULL and match nothing; an empty box means the empty text.
QString nonNull(const QString& text)
{
    return text.isNull() ? QStringLiteral("") : text;
}

bool isSeparator(QChar c)
{
    return c == QLatin1Char(',') || c.isSpace();
}

} // namespace

ExpenseBook::ExpenseBook(Database& database, QObject* parent)
    : QObject(parent), m_database(database), m_kinds(new DataControl(database, this)),
      m_entries(new DataControl(database, this))
{
    m_entries->setTotalExpression(amountExpression());
}

QString ExpenseBook::amountExpression()
{
    // CAST reads the leading whole number of the text and gives 0 where there is none,
    // as parseAmount does.
    return QStringLiteral("CAST(REPLACE(REPLACE(REPLACE(REPLACE(TRIM(MB), ',', ''), ' ', ''), char(9), ''), "
                          "char(160), '') AS INTEGER)");
}

double ExpenseBook::parseAmount(const QString& text, bool* ok)
{
    const QString trimmed = text.trimmed();
    double value = 0;
    bool digits = false;
    bool negative = false;
    for (int i = 0; i < trimmed.size(); ++i) {
        const QChar c = trimmed.at(i);
        if (i == 0 && c == QLatin1Char('-')) {
            negative = true;
            continue;
        }
        if (isSeparator(c))
            continue;
        const int digit = c.digitValue();
        if (digit < 0)
            break;
        value = value * 10 + digit;
        digits = true;
    }
    if (ok)
        *ok = digits;
    return negative ? -value : value;
}

bool ExpenseBook::fail(const QString& error)
{
    m_error = error;
    return false;
}

bool ExpenseBook::load()
{
    m_kinds->setRecordSource(AllKinds);
    const bool kindsRead = m_kinds->refresh();
    const QString kindsError = m_kinds->lastError();
    if (!show(AllEntries, {}, Order::Table))
        return false;
    return kindsRead || fail(kindsError);
}

QList<ExpenseBook::Kind> ExpenseBook::kindList() const
{
    QList<Kind> kinds;
    const RowModel* rows = m_kinds->model();
    for (int row = 0; row < rows->rowCount(); ++row)
        kinds.append({rows->rowId(row), rows->value(row, QStringLiteral("Name")).toString()});
    return kinds;
}

bool ExpenseBook::addKind(const QString& name, Kind* added)
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty())
        return fail(QStringLiteral("نام نوع هزینه خالی است."));
    qint64 id = -1;
    if (!m_kinds->addRow({{QStringLiteral("Name"), trimmed}}, &id))
        return fail(m_kinds->lastError());
    m_kinds->refresh();
    if (added)
        *added = {id, trimmed};
    return true;
}

bool ExpenseBook::removeKind(qint64 id)
{
    if (!m_kinds->deleteRow(id))
        return fail(m_kinds->lastError());
    m_kinds->refresh();
    return true;
}

int ExpenseBook::entryCount()
{
    QSqlQuery query(m_database.connection());
    if (!query.exec(QStringLiteral("SELECT COUNT(*) FROM T6")) || !query.next()) {
        m_error = query.lastError().text();
        return -1;
    }
    return query.value(0).toInt();
}

bool ExpenseBook::addEntry(const Entry& entry)
{
    // A new entry is numbered with the count of the whole book including itself, whatever
    // the list happens to show while the entry group is open.
    const int count = entryCount();
    if (count < 0)
        return false;
    if (!m_entries->addRow({{QStringLiteral("ID"), count + 1},
                            {QStringLiteral("Date"), entry.date.trimmed()},
                            {QStringLiteral("SH"), entry.description.trimmed()},
                            {QStringLiteral("Noh"), entry.kind.trimmed()},
                            {QStringLiteral("MB"), entry.amount.trimmed()}}))
        return fail(m_entries->lastError());
    return true;
}

bool ExpenseBook::updateEntry(qint64 id, const Entry& entry)
{
    if (!m_entries->updateRow(id, {{QStringLiteral("Date"), entry.date.trimmed()},
                                   {QStringLiteral("SH"), entry.description.trimmed()},
                                   {QStringLiteral("Noh"), entry.kind.trimmed()},
                                   {QStringLiteral("MB"), entry.amount.trimmed()}}))
        return fail(m_entries->lastError());
    return true;
}

bool ExpenseBook::removeEntry(qint64 id)
{
    return m_entries->deleteRow(id) || fail(m_entries->lastError());
}

ExpenseBook::Entry ExpenseBook::currentEntry() const
{
    return {m_entries->value(QStringLiteral("Date")).toString(), m_entries->value(QStringLiteral("Noh")).toString(),
            m_entries->value(QStringLiteral("SH")).toString(), m_entries->value(QStringLiteral("MB")).toString()};
}

bool ExpenseBook::show(const QString& filterSql, const QVariantList& binds, Order order)
{
    QString sql = filterSql;
    switch (order) {
    case Order::Table:
        break;
    case Order::Date:
        sql = sql.trimmed() + QStringLiteral(" order by Date");
        break;
    case Order::Amount:
        // The amounts are texts: "9,000" must come before "10,000,000".
        sql = sql.trimmed() + QStringLiteral(" order by ") + amountExpression() + QStringLiteral(", rowid");
        break;
    }
    m_entries->setRecordSource(sql, binds);
    if (!m_entries->refresh())
        return fail(m_entries->lastError());
    m_filterSql = filterSql;
    m_filterBinds = binds;
    m_error.clear();
    return true;
}

bool ExpenseBook::showKind(const QString& kind)
{
    return show(OfKind, {nonNull(kind.trimmed())}, Order::Date);
}

bool ExpenseBook::showDates(const QString& from, const QString& to)
{
    return show(BetweenDates, {nonNull(from), nonNull(to)}, Order::Date);
}

bool ExpenseBook::sortList(Order order)
{
    return show(m_filterSql.isEmpty() ? AllEntries : m_filterSql, m_filterBinds, order);
}

double ExpenseBook::total() const
{
    return m_entries->total();
}
