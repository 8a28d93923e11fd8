#pragma once

#include <QLatin1String>
#include <QString>
#include <QStringList>

#include <initializer_list>

// The six tables of the register and their columns, each name spelled here once. The names are
// those of the files users already have; the database matches them without regard to case, but
// the program spells each one this way. Constant expressions, so that they can be used while
// other constants are being initialised.

// T1: the active cheques, in the physical column order that the spreadsheet export relies on.
namespace ChequeTable {
inline constexpr QLatin1String Name{"T1"};
inline constexpr QLatin1String BankKey{"PD"}; // the Id of the bank's row in T3
inline constexpr QLatin1String EntryDate{"TV"};
inline constexpr QLatin1String Date{"TCH"};
inline constexpr QLatin1String Number{"Num"};
inline constexpr QLatin1String Bank{"NBank"};
inline constexpr QLatin1String Amount{"Mab"};
inline constexpr QLatin1String Description{"SH"};
inline constexpr QLatin1String Type{"Prd"};
inline constexpr QLatin1String Status{"V"};
inline constexpr QLatin1String Remarks{"Shh"};

inline QStringList columns()
{
    return {BankKey, EntryDate, Date, Number, Bank, Amount, Description, Type, Status, Remarks};
}
} // namespace ChequeTable

// T2: the archived cheques. It keeps neither the entry date, the remarks nor the bank key.
namespace ArchiveTable {
inline constexpr QLatin1String Name{"T2"};
inline constexpr QLatin1String Date{"Date"};
inline constexpr QLatin1String Description{"Name"};
inline constexpr QLatin1String Amount{"MB"};
inline constexpr QLatin1String Bank{"NB"};
inline constexpr QLatin1String Number{"SHCH"};
inline constexpr QLatin1String Type{"prd"};
inline constexpr QLatin1String Status{"V"};

inline QStringList columns()
{
    return {Date, Description, Amount, Bank, Number, Type, Status};
}
} // namespace ArchiveTable

// T3: the bank accounts. A bank's Id is its row identity.
namespace BankTable {
inline constexpr QLatin1String Name{"T3"};
inline constexpr QLatin1String Id{"Id"};
inline constexpr QLatin1String BankName{"Name"};
inline constexpr QLatin1String Account{"SHh"};
inline constexpr QLatin1String Branch{"Mandeh"};
} // namespace BankTable

// T4: the ledger lines of the banks. A line has one of Debit and Credit filled.
namespace LedgerTable {
inline constexpr QLatin1String Name{"T4"};
inline constexpr QLatin1String Row{"R"};
inline constexpr QLatin1String BankId{"ID"};
inline constexpr QLatin1String Date{"Date"};
inline constexpr QLatin1String Transfer{"sharh"};
inline constexpr QLatin1String Description{"shomreh"};
inline constexpr QLatin1String Debit{"bed"};
inline constexpr QLatin1String Credit{"bes"};
inline constexpr QLatin1String Sum{"sum"};
} // namespace LedgerTable

// T5: the kinds of expense.
namespace KindTable {
inline constexpr QLatin1String Name{"T5"};
inline constexpr QLatin1String KindName{"Name"};
} // namespace KindTable

// T6: the expense entries. Amount holds the text of the amount box, group separators included.
namespace ExpenseTable {
inline constexpr QLatin1String Name{"T6"};
inline constexpr QLatin1String Number{"ID"}; // a display number, not a key
inline constexpr QLatin1String Date{"Date"};
inline constexpr QLatin1String Kind{"Noh"};
inline constexpr QLatin1String Description{"SH"};
inline constexpr QLatin1String Amount{"MB"};
inline constexpr QLatin1String Remarks{"To"};
} // namespace ExpenseTable

// True when column of table holds words (names, kinds, statuses, descriptions), which sort in
// Persian alphabetical order; dates, amounts and numbers keep the order they have always had.
inline bool holdsWords(const QString& table, const QString& column)
{
    auto among = [&column](std::initializer_list<QLatin1String> names) {
        for (const QLatin1String& name : names) {
            if (column.compare(name, Qt::CaseInsensitive) == 0)
                return true;
        }
        return false;
    };
    if (table.compare(ChequeTable::Name, Qt::CaseInsensitive) == 0)
        return among({ChequeTable::Bank, ChequeTable::Description, ChequeTable::Type, ChequeTable::Status,
                      ChequeTable::Remarks});
    if (table.compare(ArchiveTable::Name, Qt::CaseInsensitive) == 0)
        return among({ArchiveTable::Description, ArchiveTable::Bank, ArchiveTable::Type, ArchiveTable::Status});
    if (table.compare(BankTable::Name, Qt::CaseInsensitive) == 0)
        return among({BankTable::BankName});
    if (table.compare(KindTable::Name, Qt::CaseInsensitive) == 0)
        return among({KindTable::KindName});
    if (table.compare(ExpenseTable::Name, Qt::CaseInsensitive) == 0)
        return among({ExpenseTable::Kind, ExpenseTable::Description, ExpenseTable::Remarks});
    return false;
}
