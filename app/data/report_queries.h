#pragma once

#include "data/cheque_queries.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

class Database;

// What the printed lists select and in which order. The print settings dialog fills a
// ReportChoice from its controls; the cheque and archive reports turn it into one query
// whose user values are bound, never spliced.
namespace ReportQueries {

using Source = ChequeQueries::Source;

struct ReportChoice
{
    // option[1] .. option[9]: the print settings' options 1 to 9 (element 0 is unused).
    std::array<bool, 10> option{};
    QString bank;   // the bank of option 6
    QString status; // the status of option 7
    QString kind;   // the kind of option 8
    QString from;   // the date range of option 9, as the date boxes show it
    QString to;

    // The combined search of the cheque list, and its four conditions.
    bool combined = false;
    bool byBank = false;
    bool byStatus = false;
    bool byKind = false;
    bool byDates = false;
    QString combinedBank;
    QString combinedStatus;
    QString combinedKind;
    QString combinedFrom;
    QString combinedTo;
};

// The one rule of a choice that decides what a printed list shows, with the values it binds.
struct Selection
{
    enum class Rule
    {
        None,
        DateRange,
        Bank,
        Status,
        Kind,
        Combined,
        Order
    };
    // The options of the print settings that order every cheque.
    enum class Order
    {
        None,
        ChequeDate,
        Bank,
        Status,
        EntryDate,
        Kind
    };

    Rule rule = Rule::None;
    Order order = Order::None;
    QString bank;
    QString status;
    QString kind;
    QString from;
    QString to;
    // The conditions of the combined search the query applies.
    bool byBank = false;
    bool byStatus = false;
    bool byKind = false;
    bool byDates = false;
};

// The rules are tried in their order and the last one that holds decides; Rule::None when
// no rule holds.
Selection chequeSelection(const ReportChoice& choice);
// The archive knows no combined search: those fields of the choice are not looked at.
Selection archiveSelection(const ReportChoice& choice);

// The query of the deciding rule; nothing when no rule holds.
std::optional<Source> chequeSource(const ReportChoice& choice);
std::optional<Source> archiveSource(const ReportChoice& choice);
// Every expense entry, in the order of the book.
Source expenseSource();

// The distinct bank names and statuses of the active cheques, for the print settings' lists.
QStringList distinctBanks(Database& database);
QStringList distinctStatuses(Database& database);

} // namespace ReportQueries
