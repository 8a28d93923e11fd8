#include "reports/cheque_reports.h"

#include "calendar/jalali.h"
#include "data/clock.h"
#include "data/database.h"
#include "data/row_source.h"
#include "reports/report_engine.h"
#include "reports/report_fonts.h"
#include "reports/report_table.h"
#include "reports/selection_text.h"
#include "settings/settings_store.h"

namespace ChequeReports {

namespace {

using namespace ReportTable;
using Align = ReportItem::Align;
using Anchor = ReportItem::Anchor;
using Format = ReportItem::Format;
using Kind = ReportColumn::Kind;

const QColor Quiet(0x55, 0x55, 0x55);

const QString DateCaption = QStringLiteral("  :تاريخ");
const QString ProgramCaption = QStringLiteral("نرم افزار کاويرو ويرايش نهايي");
const QString PageNumberCaption = QStringLiteral(": شماره صفحه جاري");
const QString PageCountCaption = QStringLiteral(" : تعداد تمام صفحات ");
const QString TotalCaption = QStringLiteral("  : مبلغ به عدد ");
const QString Rial = QStringLiteral("ريال");
const QString CountCaption = QStringLiteral(" : تعداد چک هاي نمايش داده شده ");
const QString ChequesHeading = QStringLiteral("ليست چک ها");
const QString ArchiveHeading = QStringLiteral("ليست چک هاي بايگاني شده");

// The seven columns from the right: cheque date, number, bank, amount, description, kind,
// status. The figures take the width of their widest value (a 16-digit cheque number, a
// 15-digit amount); the bank, the kind and the status theirs up to a limit, and wrap beyond
// it; the description takes the rest.
QList<ReportTable::Column> tableColumns(const Columns& fields)
{
    return {
        {QStringLiteral("تاريخ چک"), fields.date, Kind::Figures, 16, 0, Align::Center, Qt::LeftToRight},
        {QStringLiteral("شماره "), fields.number, Kind::Figures, 14, 0, Align::Center, Qt::LeftToRight},
        {QStringLiteral("نام بانک"), fields.bank, Kind::Text, 14, 40, Align::Start, Qt::RightToLeft},
        {QStringLiteral("مبلغ"), fields.amount, Kind::Figures, 18, 0, Align::Start, Qt::LeftToRight, Format::Grouped},
        {QStringLiteral("شــــــــــــــــــــرح چک"), fields.description, Kind::Filler, 24, 0, Align::Start,
         Qt::RightToLeft},
        {QStringLiteral("نوع چک"), fields.kind, Kind::Text, 11, 20, Align::Center, Qt::RightToLeft},
        {QStringLiteral("وضعيت"), fields.status, Kind::Text, 11, 28, Align::Center, Qt::RightToLeft},
    };
}

ReportItem caption(const QRectF& rect, const QString& text, const QFont& font)
{
    return leftToRight(ReportItem::label(rect, text, font, Align::End));
}

// The owner and the program centred over the page, the list's name at the leading side and
// today's date at the far side, and under them the line that says what the list holds.
ReportBand reportHeader(const QString& heading, const QString& owner, const QString& today, const QString& selection)
{
    ReportBand band;
    band.height = 39;
    band.items << ReportItem::label(QRectF(0, 0, Width, 12), owner, ReportFonts::title(18), Align::Center)
                      .anchored(Anchor::Both);
    ReportItem program =
        ReportItem::label(QRectF(0, 12, Width, 7), ProgramCaption, ReportFonts::caption(9), Align::Center)
            .anchored(Anchor::Both);
    program.color = Quiet;
    band.items << program;
    band.items
        << ReportItem::label(QRectF(0, 20, 140, 9), heading, ReportFonts::caption(12, true)).anchored(Anchor::Both);
    band.items << caption(QRectF(144, 20, 18, 9), DateCaption, ReportFonts::caption(10)).anchored(Anchor::Trailing);
    band.items << leftToRight(ReportItem::label(QRectF(162, 20, 24, 9), today, ReportFonts::caption(10)))
                      .anchored(Anchor::Trailing);
    ReportItem chosen =
        ReportItem::label(QRectF(0, 29, Width, 7), selection, ReportFonts::caption(10)).anchored(Anchor::Both);
    chosen.canGrow = true;
    band.items << chosen;
    band.items << ReportItem::horizontalLine(37.5, 0, Width, 0.5).anchored(Anchor::Both);
    return band;
}

ReportBand pageHeader(const Columns& fields)
{
    ReportBand band = headings(tableColumns(fields));
    band.items << ReportItem::horizontalLine(1 + HeadingHeight, 0, Width, 0.5).anchored(Anchor::Both);
    return band;
}

ReportBand pageFooter()
{
    ReportBand band;
    band.height = 10;
    const QFont font = ReportFonts::caption(9);
    band.items << ReportItem::horizontalLine(1.5, 0, Width, 0.4).anchored(Anchor::Both);
    band.items << caption(QRectF(0, 3, 32, 6), PageNumberCaption, font);
    band.items << leftToRight(
        ReportItem::summary(ReportItem::Source::PageNumber, QRectF(32, 3, 14, 6), QString(), font));
    band.items << caption(QRectF(50, 3, 34, 6), PageCountCaption, font);
    band.items << leftToRight(
        ReportItem::summary(ReportItem::Source::PageCount, QRectF(84, 3, 14, 6), QString(), font));
    return band;
}

// The total has room for 18 digits and the count for 9.
ReportBand reportFooter(const QString& amountColumn)
{
    ReportBand band;
    band.height = 22;
    const QFont font = ReportFonts::caption(10);
    const QFont figures = ReportFonts::caption(11, true);
    band.items << ReportItem::horizontalLine(2, 0, Width, 0.5).anchored(Anchor::Both);
    band.items << caption(QRectF(0, 4, 30, 8), TotalCaption, font);
    band.items << leftToRight(
        ReportItem::summary(ReportItem::Source::Sum, QRectF(30, 4, 56, 8), amountColumn, figures));
    ReportItem rial = ReportItem::label(QRectF(86, 4, 12, 8), Rial, font);
    rial.followsText = true;
    band.items << rial;
    band.items << caption(QRectF(0, 12, 52, 8), CountCaption, font);
    band.items << leftToRight(
        ReportItem::summary(ReportItem::Source::Count, QRectF(52, 12, 24, 8), amountColumn, figures));
    return band;
}

std::unique_ptr<ReportEngine> report(Database& database, const std::optional<RecordSource>& source,
                                     const QString& heading, const Columns& columns, const QString& selection)
{
    if (!source)
        return nullptr;
    const QString owner = SettingsStore::read(Settings::OwnerName);
    const QString today = JalaliDateString(Clock::today(), 0);
    return std::make_unique<ReportEngine>(layout(heading, columns, owner, today, selection), rowsOf(database, *source));
}

} // namespace

Columns chequeColumns()
{
    return {QStringLiteral("TCH"), QStringLiteral("Num"), QStringLiteral("NBank"), QStringLiteral("Mab"),
            QStringLiteral("SH"),  QStringLiteral("prd"), QStringLiteral("v")};
}

Columns archiveColumns()
{
    return {QStringLiteral("Date"), QStringLiteral("SHCH"), QStringLiteral("NB"), QStringLiteral("MB"),
            QStringLiteral("Name"), QStringLiteral("prd"),  QStringLiteral("v")};
}

ReportDefinition layout(const QString& heading, const Columns& columns, const QString& owner, const QString& today,
                        const QString& selection)
{
    ReportDefinition definition;
    definition.title = heading;
    definition.designWidth = Width;
    definition.columns = ReportTable::columns(tableColumns(columns));
    definition.reportHeader = reportHeader(heading, owner, today, selection);
    definition.pageHeader = pageHeader(columns);
    definition.detail = row(tableColumns(columns));
    definition.pageFooter = pageFooter();
    definition.reportFooter = reportFooter(columns.amount);
    return definition;
}

std::unique_ptr<ReportEngine> chequeReport(Database& database, const ReportQueries::ReportChoice& choice)
{
    return report(database, ReportQueries::chequeSource(choice), ChequesHeading, chequeColumns(),
                  SelectionText::describe(ReportQueries::chequeSelection(choice), false));
}

std::unique_ptr<ReportEngine> archiveReport(Database& database, const ReportQueries::ReportChoice& choice)
{
    return report(database, ReportQueries::archiveSource(choice), ArchiveHeading, archiveColumns(),
                  SelectionText::describe(ReportQueries::archiveSelection(choice), true));
}

} // namespace ChequeReports
