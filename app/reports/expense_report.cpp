#include "reports/expense_report.h"

#include "data/database.h"
#include "data/report_queries.h"
#include "data/row_source.h"
#include "reports/report_engine.h"
#include "reports/report_fonts.h"
#include "reports/report_preview.h"
#include "reports/report_table.h"

namespace {

using namespace ReportTable;
using Align = ReportItem::Align;

const QString Title = QStringLiteral("ليست هزينه ها");
const QString TotalCaption = QStringLiteral(" :جمع كل  ");
const QString CountCaption = QStringLiteral(": تعداد ليست هزينه ها");
const QString FooterCaption = QStringLiteral("نرم افزار ثبت هزينه ...... زوماک ");
const QString PageWord = QStringLiteral("صفحه");
const QString OfWord = QStringLiteral("از");

// From the right: date, kind, description, amount, one line a row. Amounts print as the book
// stores them.
const QList<Column> Columns = {
    {QStringLiteral("تاريخ"), QStringLiteral("Date"), 26, Align::Center, Qt::LeftToRight},
    {QStringLiteral("نوع هزينه"), QStringLiteral("Noh"), 40, Align::Start, Qt::RightToLeft},
    {QStringLiteral("شرح هزينه"), QStringLiteral("SH"), 80, Align::Start, Qt::RightToLeft},
    {QStringLiteral("مبلغ "), QStringLiteral("MB"), 40, Align::Start, Qt::LeftToRight},
};
const QString AmountField = QStringLiteral("MB");

ReportBand pageHeader()
{
    ReportBand band;
    band.height = 17;
    band.items << ReportItem::label(QRectF(0, 0, Width, 12), Title, ReportFonts::title(18), Align::Center);
    band.items << ReportItem::horizontalLine(14, 0, Width, 0.5);
    return band;
}

// The headings repeat at the top of every page the list runs onto.
ReportBand groupHeader()
{
    ReportBand band = headings(Columns);
    band.repeatOnEachPage = true;
    return band;
}

ReportBand groupFooter()
{
    ReportBand band;
    band.height = 22;
    const QFont font = ReportFonts::caption(10);
    const QFont figures = ReportFonts::caption(11, true);
    band.items << ReportItem::horizontalLine(2, 0, Width, 0.5);
    band.items << leftToRight(ReportItem::label(QRectF(0, 4, 40, 8), TotalCaption, font, Align::End));
    band.items << leftToRight(ReportItem::summary(ReportItem::Source::Sum, QRectF(40, 4, 42, 8), AmountField, figures));
    band.items << leftToRight(ReportItem::label(QRectF(0, 12, 40, 8), CountCaption, font, Align::End));
    band.items << leftToRight(
        ReportItem::summary(ReportItem::Source::Count, QRectF(40, 12, 20, 8), AmountField, figures));
    return band;
}

ReportBand pageFooter()
{
    ReportBand band;
    band.height = 10;
    const QFont font = ReportFonts::caption(9);
    band.items << ReportItem::horizontalLine(1.5, 0, Width, 0.4);
    band.items << ReportItem::label(QRectF(0, 3, 100, 6), FooterCaption, font);
    band.items << ReportItem::label(QRectF(150, 3, 14, 6), PageWord, font, Align::End);
    band.items << leftToRight(
        ReportItem::summary(ReportItem::Source::PageNumber, QRectF(164, 3, 8, 6), QString(), font, Align::Center));
    band.items << ReportItem::label(QRectF(172, 3, 6, 6), OfWord, font, Align::Center);
    band.items << leftToRight(
        ReportItem::summary(ReportItem::Source::PageCount, QRectF(178, 3, 8, 6), QString(), font, Align::Start));
    return band;
}

ReportDefinition layout()
{
    ReportDefinition definition;
    definition.title = Title;
    definition.pageHeader = pageHeader();
    definition.groupHeader = groupHeader();
    definition.detail = row(Columns);
    definition.groupFooter = groupFooter();
    definition.pageFooter = pageFooter();
    return definition;
}

} // namespace

std::unique_ptr<ReportEngine> expenseReport(Database& database)
{
    return std::make_unique<ReportEngine>(layout(), rowsOf(database, ReportQueries::expenseSource()));
}

void previewExpenseReport(Database& database, QWidget* parent)
{
    const std::unique_ptr<ReportEngine> report = expenseReport(database);
    ReportPreview::show(*report, parent);
}
