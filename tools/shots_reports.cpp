// The first page of each printed report, as the preview shows it.
#include "cheques/main_window.h"
#include "data/database.h"
#include "data/report_queries.h"
#include "reports/cheque_reports.h"
#include "reports/expense_report.h"
#include "reports/print_settings_dialog.h"
#include "reports/report_engine.h"
#include "reports/report_output.h"
#include "shots.h"
#include "testing.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>

namespace {

constexpr int PageWidth = 1000;

void save(ReportEngine* report, const ShotContext& context, const QString& name)
{
    if (report)
        ReportOutput::pageImage(*report, 0, PageWidth).save(context.out.filePath(name + QStringLiteral(".png")));
}

// The print settings as the cheque list opens them, with the bank filter and the combined search open.
const ShotRegistrar printSettings("print_settings", [](ShotContext& context) {
    PrintSettingsDialog dialog(context.db, &context.main);
    dialog.setMode(QStringLiteral("1"));
    control<QRadioButton>(dialog, "Option6")->click();
    control<QComboBox>(dialog, "Combo1")->setCurrentIndex(0);
    control<QCheckBox>(dialog, "Check2")->click();
    control<QCheckBox>(dialog, "Check5")->click();
    control<QCheckBox>(dialog, "Check1")->click();
    grabInto(dialog, context, QStringLiteral("print_settings"));
});

const ShotRegistrar reports("reports", [](ShotContext& context) {
    ReportQueries::ReportChoice byDate;
    byDate.option[1] = true;
    save(ChequeReports::chequeReport(context.db, byDate).get(), context, QStringLiteral("report_cheques"));
    save(ChequeReports::archiveReport(context.db, byDate).get(), context, QStringLiteral("report_archive"));
    save(expenseReport(context.db).get(), context, QStringLiteral("report_expenses"));
});

} // namespace
