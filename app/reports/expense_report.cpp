#include "reports/expense_report.h"

#include "data/database.h"
#include "data/report_queries.h"
#include "data/row_source.h"
#include "reports/report_engine.h"
#include "reports/report_fonts.h"
#include "reports/report_preview.h"
#include "reports/report_table.h"
#include "reports/selection_text.h"

namespace {

using namespace ReportTable;
using Align = ReportItem::Align;
using Anchor = ReportItem::Anchor;
using Kind = ReportColumn::Kind;

const QString Title = QStringLiteral("ليست هزينه ها");
const QString TotalCaption = QStringLiteral(" :جمع كل  ");
const QString CountCaption = QStringLiteral(": تعداد ليست هزينه ها");
const QString FooterCaption = QStringLiteral("نرم افزار ثبت هزينه ...... زوماک ");
const QString PageWord = QStringLiteral("صفحه");
const QString OfWord = QStringLiteral("از");

// From the right: date, kind, description, amount. Amounts print as the book stores them,
// at the width of the widest; the kind wraps beyond its limit, the description takes the rest.
const QList<Column> Columns = {
    {QStringLiteral("تاريخ"), QStringLiteral("Date"), Kind::Figures, 16, 0, Align::Center, Qt::LeftToRight},
    {QStringLiteral("نوع هزينه"), QStringLiteral("Noh"), Kind::Text, 16, 45, Align::Start, Qt::RightToLeft},
    {QStringLiteral("شرح هزينه"), QStringLiteral("SH"), Kind::Filler, 30, 0, Align::Start, Qt::RightToLeft},
    {QStringLiteral("مبلغ "), QStringLiteral("MB"), Kind::Figures, 18, 0, Align::Start, Qt::LeftToRight},
};
const QString AmountField = QStringLiteral("MB");

// The title centred over the page and under it what the list holds, on every page.
ReportBand pageHeader()
{
    ReportBand band;
    band.height = 23;
    band.items << ReportItem::label(QRectF(0, 0, Width, 12), Title, ReportFonts::title(18), Align::Center)
                      .anchored(Anchor::Both);
    ReportItem chosen =
        ReportItem::label(QRectF(0, 13, Width, 7), SelectionText::wholeExpenseBook(), ReportFonts::caption(10))
            .anchored(Anchor::Both);
    chosen.canGrow = true;
    band.items << chosen;
    band.items << ReportItem::horizontalLine(21, 0, Width, 0.5).anchored(Anchor::Both);
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
    // The total has room for 18 digits.
    band.items << ReportItem::horizontalLine(2, 0, Width, 0.5).anchored(Anchor::Both);
    band.items << leftToRight(ReportItem::label(QRectF(0, 4, 40, 8), TotalCaption, font, Align::End));
    band.items << leftToRight(ReportItem::summary(ReportItem::Source::Sum, QRectF(40, 4, 56, 8), AmountField, figures));
    band.items << leftToRight(ReportItem::label(QRectF(0, 12, 40, 8), CountCaption, font, Align::End));
    band.items << leftToRight(
        ReportItem::summary(ReportItem::Source::Count, QRectF(40, 12, 24, 8), AmountField, figures));
    return band;
}

ReportBand pageFooter()
{
    ReportBand band;
    band.height = 10;
    const QFont font = ReportFonts::caption(9);
    // The program's name at the leading side, "page N of M" at the far side.
    band.items << ReportItem::horizontalLine(1.5, 0, Width, 0.4).anchored(Anchor::Both);
    band.items << ReportItem::label(QRectF(0, 3, 70, 6), FooterCaption, font);
    band.items << ReportItem::label(QRectF(142, 3, 12, 6), PageWord, font, Align::End).anchored(Anchor::Trailing);
    band.items << leftToRight(ReportItem::summary(ReportItem::Source::PageNumber, QRectF(154, 3, 12, 6), QString(),
                                                  font, Align::Center))
                      .anchored(Anchor::Trailing);
    band.items << ReportItem::label(QRectF(166, 3, 6, 6), OfWord, font, Align::Center).anchored(Anchor::Trailing);
    band.items << leftToRight(ReportItem::summary(ReportItem::Source::PageCount, QRectF(172, 3, 14, 6), QString(), font,
                                                  Align::Start))
                      .anchored(Anchor::Trailing);
    return band;
}

ReportDefinition layout()
{
    ReportDefinition definition;
    definition.title = Title;
    definition.designWidth = Width;
    definition.columns = ReportTable::columns(Columns);
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
    const ReportQueries::Source source = ReportQueries::expenseSource();
    return std::make_unique<ReportEngine>(
        layout(), std::make_unique<QueryRowSource>(database.connection(), source.sql, source.binds));
}

void previewExpenseReport(Database& database, QWidget* parent)
{
    const std::unique_ptr<ReportEngine> report = expenseReport(database);
    ReportPreview::show(*report, parent);
}
