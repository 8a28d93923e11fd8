// The first page of each printed report on the papers a shop prints on, as the preview shows it.
#include "cheques/main_window.h"
#include "data/cheque_status.h"
#include "data/database.h"
#include "data/report_queries.h"
#include "data/table_writer.h"
#include "data/tables.h"
#include "reports/cheque_reports.h"
#include "reports/expense_report.h"
#include "reports/print_settings_dialog.h"
#include "reports/report_engine.h"
#include "reports/report_output.h"
#include "reports/report_preview_window.h"
#include "samples.h"
#include "shots.h"
#include "testing.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QTemporaryDir>

namespace {

constexpr int PageWidth = 1000;

struct Paper
{
    const char* suffix;
    QPageSize::PageSizeId size;
    QPageLayout::Orientation orientation;
};

const Paper Papers[] = {
    {"", QPageSize::A4, QPageLayout::Portrait},
    {"_a5", QPageSize::A5, QPageLayout::Portrait},
    {"_landscape", QPageSize::A4, QPageLayout::Landscape},
};

void save(ReportEngine* report, const ShotContext& context, const QString& name)
{
    if (!report)
        return;
    for (const Paper& paper : Papers) {
        QPageLayout layout = report->pageLayout();
        layout.setPageSize(QPageSize(paper.size));
        layout.setOrientation(paper.orientation);
        report->setPageLayout(layout);
        ReportOutput::pageImage(*report, 0, PageWidth)
            .save(context.out.filePath(name + QLatin1String(paper.suffix) + QStringLiteral(".png")));
    }
}

// Cheques as banks issue them today: 16-digit national cheque numbers, the long names of some
// banks, and a description that takes more than one line.
void addLongCheques(Database& db)
{
    TableWriter cheques(db, ChequeTable::Name);
    const struct
    {
        const char* date;
        const char* number;
        const char* bank;
        double amount;
        const char* description;
        const char* type;
    } samples[] = {
        {"1405/09/19", "1402123456789012", "قرض الحسنه مهر ايران", 640000000,
         "شرکت بازرگاني آريا بابت خريد عمده لوازم خانگي فصل زمستان", "دريافت"},
        {"1405/09/22", "1402123456789013", "توسعه صادرات ايران", 250000000, "پيش پرداخت قرارداد", "پرداخت"},
    };
    for (const auto& s : samples) {
        cheques.insert({{ChequeTable::EntryDate, QStringLiteral("1405/09/16")},
                        {ChequeTable::Date, QString::fromUtf8(s.date)},
                        {ChequeTable::Number, QString::fromUtf8(s.number)},
                        {ChequeTable::Bank, QString::fromUtf8(s.bank)},
                        {ChequeTable::Amount, s.amount},
                        {ChequeTable::Description, QString::fromUtf8(s.description)},
                        {ChequeTable::Type, QString::fromUtf8(s.type)},
                        {ChequeTable::Status, ChequeStatus::Initial}});
    }
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

// On a database of their own, so that the cheques added here show in no other screenshot.
const ShotRegistrar reports("reports", [](ShotContext& context) {
    QTemporaryDir folder;
    Database db(folder.path());
    if (db.open() != Database::OpenResult::Created)
        return;
    Samples::addCheques(db);
    addLongCheques(db);
    Samples::addArchived(db);
    Samples::addExpenses(db);
    ReportQueries::ReportChoice byDate;
    byDate.option[1] = true;
    save(ChequeReports::chequeReport(db, byDate).get(), context, QStringLiteral("report_cheques"));
    save(ChequeReports::archiveReport(db, byDate).get(), context, QStringLiteral("report_archive"));
    save(expenseReport(db).get(), context, QStringLiteral("report_expenses"));

    // The preview as it opens on the cheque list.
    const std::unique_ptr<ReportEngine> cheques = ChequeReports::chequeReport(db, byDate);
    ReportPreviewWindow preview(*cheques, &context.main);
    if (preview.prepare()) {
        preview.resize(1200, 800);
        grabInto(preview, context, QStringLiteral("report_preview"));
    }
});

} // namespace
