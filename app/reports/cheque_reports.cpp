#include "reports/cheque_reports.h"

#include "calendar/jalali.h"
#include "data/clock.h"
#include "data/database.h"
#include "data/row_source.h"
#include "reports/report_engine.h"
#include "reports/report_fonts.h"
#include "settings/settings_store.h"

namespace ChequeReports {

namespace {

using Align = ReportItem::Align;
using Format = ReportItem::Format;

constexpr qreal Width = 186;
constexpr qreal RowHeight = 7;
constexpr qreal HeadingHeight = 8;
const QColor HeadingFill(0xe6, 0xe6, 0xe6);
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

struct Column
{
    QString heading;
    qreal width;
    Align align;
    Qt::LayoutDirection direction;
};

// The seven columns from the right: cheque date, number, bank, amount, description, kind, status.
const Column Layout[] = {
    {QStringLiteral("تاريخ چک"), 22, Align::Center, Qt::LeftToRight},
    {QStringLiteral("شماره "), 22, Align::Center, Qt::LeftToRight},
    {QStringLiteral("نام بانک"), 26, Align::Start, Qt::RightToLeft},
    {QStringLiteral("مبلغ"), 30, Align::Start, Qt::LeftToRight},
    {QStringLiteral("شــــــــــــــــــــرح چک"), 48, Align::Start, Qt::RightToLeft},
    {QStringLiteral("نوع چک"), 18, Align::Center, Qt::RightToLeft},
    {QStringLiteral("وضعيت"), 20, Align::Center, Qt::RightToLeft},
};
constexpr int AmountColumn = 3;
constexpr int DescriptionColumn = 4;

// Captions that carry their colon first are laid out left to right, so that the colon stands
// between the caption and the value to its left.
ReportItem caption(const QRectF& rect, const QString& text, const QFont& font, Align align = Align::End)
{
    ReportItem item = ReportItem::label(rect, text, font, align);
    item.direction = Qt::LeftToRight;
    return item;
}

ReportItem value(ReportItem item)
{
    item.direction = Qt::LeftToRight;
    return item;
}

ReportBand reportHeader(const QString& heading, const QString& owner, const QString& today)
{
    ReportBand band;
    band.height = 32;
    band.items << ReportItem::label(QRectF(0, 0, Width, 12), owner, ReportFonts::title(18), Align::Center);
    ReportItem program =
        ReportItem::label(QRectF(0, 12, Width, 7), ProgramCaption, ReportFonts::caption(9), Align::Center);
    program.color = Quiet;
    band.items << program;
    band.items << ReportItem::label(QRectF(0, 20, 100, 9), heading, ReportFonts::caption(12, true));
    band.items << caption(QRectF(134, 20, 26, 9), DateCaption, ReportFonts::caption(10));
    band.items << value(ReportItem::label(QRectF(160, 20, 26, 9), today, ReportFonts::caption(10)));
    band.items << ReportItem::horizontalLine(30.5, 0, Width, 0.5);
    return band;
}

ReportBand pageHeader()
{
    ReportBand band;
    band.height = HeadingHeight + 1;
    band.items << ReportItem::frame(QRectF(0, 1, Width, HeadingHeight), 0.3, HeadingFill);
    qreal x = 0;
    for (const Column& column : Layout) {
        band.items << ReportItem::label(QRectF(x, 1, column.width, HeadingHeight), column.heading,
                                        ReportFonts::caption(9.5, true), Align::Center);
        x += column.width;
        if (x < Width)
            band.items << ReportItem::verticalLine(x, 1, 1 + HeadingHeight, 0.3);
    }
    band.items << ReportItem::horizontalLine(1 + HeadingHeight, 0, Width, 0.5);
    return band;
}

ReportBand detail(const Columns& columns)
{
    const QString fields[] = {columns.date,        columns.number, columns.bank,  columns.amount,
                              columns.description, columns.kind,   columns.status};
    ReportBand band;
    band.height = RowHeight;
    ReportItem frame = ReportItem::frame(QRectF(0, 0, Width, RowHeight), 0.25);
    frame.growsWithBand = true;
    band.items << frame;
    qreal x = 0;
    for (int i = 0; i < int(std::size(Layout)); ++i) {
        const Column& column = Layout[i];
        ReportItem field = ReportItem::field(QRectF(x, 0, column.width, RowHeight), fields[i], ReportFonts::body(10),
                                             column.align, i == AmountColumn ? Format::Grouped : Format::AsIs);
        field.direction = column.direction;
        field.canGrow = i == DescriptionColumn;
        band.items << field;
        x += column.width;
        if (x < Width) {
            ReportItem separator = ReportItem::verticalLine(x, 0, RowHeight, 0.25);
            separator.growsWithBand = true;
            band.items << separator;
        }
    }
    return band;
}

ReportBand pageFooter()
{
    ReportBand band;
    band.height = 10;
    const QFont font = ReportFonts::caption(9);
    band.items << ReportItem::horizontalLine(1.5, 0, Width, 0.4);
    band.items << caption(QRectF(0, 3, 32, 6), PageNumberCaption, font);
    band.items << value(ReportItem::summary(ReportItem::Source::PageNumber, QRectF(32, 3, 12, 6), QString(), font));
    band.items << caption(QRectF(50, 3, 34, 6), PageCountCaption, font);
    band.items << value(ReportItem::summary(ReportItem::Source::PageCount, QRectF(84, 3, 12, 6), QString(), font));
    return band;
}

ReportBand reportFooter(const QString& amountColumn)
{
    ReportBand band;
    band.height = 22;
    const QFont font = ReportFonts::caption(10);
    const QFont figures = ReportFonts::caption(11, true);
    band.items << ReportItem::horizontalLine(2, 0, Width, 0.5);
    band.items << caption(QRectF(0, 4, 30, 8), TotalCaption, font);
    band.items << value(ReportItem::summary(ReportItem::Source::Sum, QRectF(30, 4, 28, 8), amountColumn, figures));
    band.items << ReportItem::label(QRectF(58, 4, 12, 8), Rial, font);
    band.items << caption(QRectF(0, 12, 52, 8), CountCaption, font);
    band.items << value(ReportItem::summary(ReportItem::Source::Count, QRectF(52, 12, 20, 8), amountColumn, figures));
    return band;
}

std::unique_ptr<ReportEngine> report(Database& database, const std::optional<ReportQueries::Source>& source,
                                     const QString& heading, const Columns& columns)
{
    if (!source)
        return nullptr;
    const QString owner = SettingsStore::read(QStringLiteral("1"), QStringLiteral("2"));
    const QString today = JalaliDateString(Clock::today(), 0);
    return std::make_unique<ReportEngine>(
        layout(heading, columns, owner, today),
        std::make_unique<QueryRowSource>(database.connection(), source->sql, source->binds));
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

ReportDefinition layout(const QString& heading, const Columns& columns, const QString& owner, const QString& today)
{
    ReportDefinition definition;
    definition.title = heading;
    definition.reportHeader = reportHeader(heading, owner, today);
    definition.pageHeader = pageHeader();
    definition.detail = detail(columns);
    definition.pageFooter = pageFooter();
    definition.reportFooter = reportFooter(columns.amount);
    return definition;
}

std::unique_ptr<ReportEngine> chequeReport(Database& database, const ReportQueries::ReportChoice& choice)
{
    return report(database, ReportQueries::chequeSource(choice), ChequesHeading, chequeColumns());
}

std::unique_ptr<ReportEngine> archiveReport(Database& database, const ReportQueries::ReportChoice& choice)
{
    return report(database, ReportQueries::archiveSource(choice), ArchiveHeading, archiveColumns());
}

} // namespace ChequeReports
