#include "data/expense_book.h"

#include "data/bound_query.h"
#include "data/data_control.h"
#include "data/database.h"
#include "data/sql_engine.h"
#include "data/tables.h"

namespace {

using namespace ExpenseTable;

// The kinds are offered in Persian alphabetical order, wherever they were added.
RecordSource allKinds()
{
    RecordSource source = RecordSource::where(KindTable::Name, {}, {}, KindTable::KindName,
                                              QStringLiteral("SELECT * FROM T5 order by Name COLLATE kaviro_persian"));
    source.alphabetical = true;
    return source;
}

RecordSource allEntries()
{
    return RecordSource::all(Name, QStringLiteral("SELECT * FROM T6 "));
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
    // The database reads the typed amounts the way parseAmount does.
    m_entries->setTotal(Amount, AmountReading::TypedText);
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
    m_kinds->setRecordSource(allKinds());
    const bool kindsRead = m_kinds->refresh();
    const QString kindsError = m_kinds->errorText();
    if (!show(allEntries(), Order::Table))
        return false;
    return kindsRead || fail(kindsError);
}

QList<ExpenseBook::Kind> ExpenseBook::kindList() const
{
    QList<Kind> kinds;
    const RowModel* rows = m_kinds->model();
    for (int row = 0; row < rows->rowCount(); ++row)
        kinds.append({rows->rowId(row), rows->value(row, KindTable::KindName).toString()});
    return kinds;
}

bool ExpenseBook::addKind(const QString& name, Kind* added)
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty())
        return fail(QStringLiteral("نام نوع هزینه خالی است."));
    qint64 id = -1;
    if (!m_kinds->addRow({{KindTable::KindName, trimmed}}, &id))
        return fail(m_kinds->errorText());
    m_kinds->refresh();
    if (added)
        *added = {id, trimmed};
    return true;
}

bool ExpenseBook::removeKind(qint64 id)
{
    if (!m_kinds->deleteRow(id))
        return fail(m_kinds->errorText());
    m_kinds->refresh();
    return true;
}

int ExpenseBook::entryCount()
{
    BoundQuery query(m_database.connection());
    if (!query.execOne(QStringLiteral("SELECT COUNT(*) FROM ") + Name)) {
        m_error = query.errorText();
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
    if (!m_entries->addRow({{Number, count + 1},
                            {Date, entry.date.trimmed()},
                            {Description, entry.description.trimmed()},
                            {ExpenseTable::Kind, entry.kind.trimmed()},
                            {Amount, entry.amount.trimmed()}}))
        return fail(m_entries->errorText());
    return true;
}

bool ExpenseBook::updateEntry(qint64 id, const Entry& entry)
{
    if (!m_entries->updateRow(id, {{Date, entry.date.trimmed()},
                                   {Description, entry.description.trimmed()},
                                   {ExpenseTable::Kind, entry.kind.trimmed()},
                                   {Amount, entry.amount.trimmed()}}))
        return fail(m_entries->errorText());
    return true;
}

bool ExpenseBook::removeEntry(qint64 id)
{
    return m_entries->deleteRow(id) || fail(m_entries->errorText());
}

ExpenseBook::Entry ExpenseBook::currentEntry() const
{
    return {m_entries->value(Date).toString(), m_entries->value(ExpenseTable::Kind).toString(),
            m_entries->value(Description).toString(), m_entries->value(Amount).toString()};
}

bool ExpenseBook::show(const RecordSource& filter, Order order)
{
    RecordSource source = filter;
    switch (order) {
    case Order::Table:
        break;
    case Order::Date:
        source.order = Date;
        source.sql = source.sql.trimmed() + QStringLiteral(" order by Date");
        break;
    case Order::Amount:
        // The amounts are texts: "9,000" must come before "10,000,000".
        source.order = Amount;
        source.orderReading = AmountReading::TypedText;
        source.sql = source.sql.trimmed() + QStringLiteral(" order by ") +
                     m_database.engine().amount(Amount, AmountReading::TypedText) + QStringLiteral(", ") +
                     m_database.engine().rowIdentity();
        break;
    }
    m_entries->setRecordSource(source);
    if (!m_entries->refresh())
        return fail(m_entries->errorText());
    m_filter = filter;
    m_error.clear();
    return true;
}

bool ExpenseBook::showKind(const QString& kind)
{
    return show(RecordSource::holding(Name, {ExpenseTable::Kind}, {kind.trimmed()}, {}, {}, QString(),
                                      QStringLiteral("select * from t6 WHERE kaviro_fold(Noh) = kaviro_fold(?)")),
                Order::Date);
}

bool ExpenseBook::showDates(const QString& from, const QString& to)
{
    return show(RecordSource::where(Name, QStringLiteral("Date between ? and ?"), {nonNullText(from), nonNullText(to)},
                                    QString(), QStringLiteral("SELECT * FROM t6  WHERE Date between ? and ?")),
                Order::Date);
}

bool ExpenseBook::sortList(Order order)
{
    return show(m_filter.table.isEmpty() ? allEntries() : m_filter, order);
}

double ExpenseBook::total() const
{
    return m_entries->total();
}
