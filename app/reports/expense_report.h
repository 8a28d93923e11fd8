#pragma once

class Database;
class QWidget;

// The expense report: every row of the expense book with its total and count, shown in
// the print preview.
void previewExpenseReport(Database& database, QWidget* parent);
