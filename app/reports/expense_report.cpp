#include "reports/expense_report.h"

void previewExpenseReport(Database&, QWidget*)
{
}
