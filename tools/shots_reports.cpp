// The first page of each printed report, as the preview shows it.
#include "cheques/main_window.h"
#include "data/data_control.h"
#include "data/database.h"
#include "data/report_queries.h"
#include "reports/cheque_reports.h"
#include "reports/expense_report.h"
#include "reports/print_settings_dialog.h"
#include "reports/report_engine.h"
#include "reports/report_output.h"
#include "shots.h"

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

void addArchive(Database& db)
{
    struct Row
    {
        const char* date;
        const char* name;
        double amount;
        const char* bank;
        const char* number;
        const char* kind;
        const char* status;
    };
    const Row rows[] = {
        {"1405/06/02", "رضا محمدي بابت اجاره", 9500000, "ملت", "482290", "دريافت", "پاس شد"},
        {"1405/06/18", "شرکت پخش البرز", 22000000, "صادرات", "771010", "دريافت", "پاس شد"},
        {"1405/07/01", "قسط وام مسکن", 2200000, "تجارت", "120950", "پرداخت", "پاس شد"},
        {"1405/07/14", "فروشگاه نور", 4300000, "ملت", "482301", "پرداخت", "باطل شد"},
        {"1405/08/09", "مريم احمدي بابت خريد اجناس و تسويه حساب پايان فصل", 13750000, "صادرات", "771033", "دريافت",
         "پاس شد"},
    };
    DataControl archive(db);
    archive.setRecordSource(QStringLiteral("SELECT * FROM T2"));
    for (const Row& row : rows)
        archive.addRow({{QStringLiteral("Date"), QString::fromUtf8(row.date)},
                        {QStringLiteral("Name"), QString::fromUtf8(row.name)},
                        {QStringLiteral("MB"), row.amount},
                        {QStringLiteral("NB"), QString::fromUtf8(row.bank)},
                        {QStringLiteral("SHCH"), QString::fromUtf8(row.number)},
                        {QStringLiteral("prd"), QString::fromUtf8(row.kind)},
                        {QStringLiteral("V"), QString::fromUtf8(row.status)}});
}

void addExpenses(Database& db)
{
    struct Row
    {
        const char* date;
        const char* kind;
        const char* description;
        const char* amount;
    };
    const Row rows[] = {
        {"1405/09/01", "قبوض", "قبض برق آبان ماه", "1,250,000"},
        {"1405/09/03", "خوراک", "خريد ماهانه از فروشگاه", "4,870,000"},
        {"1405/09/08", "حمل و نقل", "سرويس و تعويض روغن خودرو", "2,300,000"},
        {"1405/09/12", "قبوض", "قبض گاز", "640,000"},
        {"1405/09/15", "آموزش", "شهريه کلاس زبان", "3,500,000"},
    };
    DataControl expenses(db);
    expenses.setRecordSource(QStringLiteral("SELECT * FROM T6"));
    int id = 0;
    for (const Row& row : rows)
        expenses.addRow({{QStringLiteral("ID"), ++id},
                         {QStringLiteral("Date"), QString::fromUtf8(row.date)},
                         {QStringLiteral("Noh"), QString::fromUtf8(row.kind)},
                         {QStringLiteral("SH"), QString::fromUtf8(row.description)},
                         {QStringLiteral("MB"), QString::fromUtf8(row.amount)}});
}

// The print settings as the cheque list opens them, with the bank filter and the combined search open.
const ShotRegistrar printSettings("print_settings", [](ShotContext& context) {
    PrintSettingsDialog dialog(context.db, &context.main);
    dialog.setMode(QStringLiteral("1"));
    dialog.findChild<QRadioButton*>(QStringLiteral("Option6"))->click();
    dialog.findChild<QComboBox*>(QStringLiteral("Combo1"))->setCurrentIndex(0);
    dialog.findChild<QCheckBox*>(QStringLiteral("Check2"))->click();
    dialog.findChild<QCheckBox*>(QStringLiteral("Check5"))->click();
    dialog.findChild<QCheckBox*>(QStringLiteral("Check1"))->click();
    grabInto(dialog, context, QStringLiteral("print_settings"));
});

const ShotRegistrar reports("reports", [](ShotContext& context) {
    ReportQueries::ReportChoice byDate;
    byDate.option[1] = true;
    save(ChequeReports::chequeReport(context.db, byDate).get(), context, QStringLiteral("report_cheques"));
    addArchive(context.db);
    save(ChequeReports::archiveReport(context.db, byDate).get(), context, QStringLiteral("report_archive"));
    addExpenses(context.db);
    save(expenseReport(context.db).get(), context, QStringLiteral("report_expenses"));
});

} // namespace
