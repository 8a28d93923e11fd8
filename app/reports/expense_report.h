#pragma once

#include <memory>

class Database;
class ReportEngine;
class QWidget;

// The expense report: every row of the expense book with its total and count, shown in
// the print preview.
void previewExpenseReport(Database& database, QWidget* parent);

// The same report, for printing elsewhere than in the preview.
std::unique_ptr<ReportEngine> expenseReport(Database& database);
