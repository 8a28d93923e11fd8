#pragma once

#include "data/report_queries.h"
#include "reports/report_definition.h"

#include <QString>

#include <memory>

class Database;
class ReportEngine;
class QWidget;

// The printed lists of the active cheques (T1) and of the archive (T2): one layout, bound to
// the columns of either table, with the owner's name, today's date, the page number and page
// count on every page, and the total and count of the listed cheques after the last row.
namespace ChequeReports {

// The columns a list is printed from, in the order of its columns from the right.
struct Columns
{
    QString date;
    QString number;
    QString bank;
    QString amount;
    QString description;
    QString kind;
    QString status;
};

Columns chequeColumns();
Columns archiveColumns();

// selection: the line under the title that says which cheques the list holds.
ReportDefinition layout(const QString& heading, const Columns& columns, const QString& owner, const QString& today,
                        const QString& selection);

// The report of the choice, or nothing when no rule of the report holds.
std::unique_ptr<ReportEngine> chequeReport(Database& database, const ReportQueries::ReportChoice& choice);
std::unique_ptr<ReportEngine> archiveReport(Database& database, const ReportQueries::ReportChoice& choice);

} // namespace ChequeReports
