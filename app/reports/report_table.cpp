#include "reports/report_table.h"

#include "reports/report_fonts.h"

namespace ReportTable {

namespace {

const QColor HeadingFill(0xe6, 0xe6, 0xe6);

QFont cellFont()
{
    return ReportFonts::body(10);
}

QFont headingFont()
{
    return ReportFonts::caption(9.5, true);
}

// The frame of a band across the page, with the vertical rule between each two columns.
void rule(ReportBand& band, int count, qreal top, qreal height, qreal pen, const QColor& fill)
{
    ReportItem frame = ReportItem::frame(QRectF(0, top, Width, height), pen, fill).anchored(ReportItem::Anchor::Both);
    frame.growsWithBand = true;
    band.items << frame;
    for (int i = 0; i + 1 < count; ++i) {
        ReportItem separator = ReportItem::verticalLine(0, top, top + height, pen).anchored(ReportItem::Anchor::Column);
        separator.tableColumn = i;
        separator.growsWithBand = true;
        band.items << separator;
    }
}

ReportItem inColumn(ReportItem item, int column)
{
    item.anchor = ReportItem::Anchor::Column;
    item.tableColumn = column;
    return item;
}

} // namespace

QList<ReportColumn> columns(const QList<Column>& columns)
{
    QList<ReportColumn> sized;
    for (const Column& column : columns) {
        ReportColumn c;
        c.heading = column.heading;
        c.field = column.field;
        c.kind = column.kind;
        c.minWidth = column.minWidth;
        c.maxWidth = column.maxWidth;
        c.font = cellFont();
        c.headingFont = headingFont();
        c.format = column.format;
        sized << c;
    }
    return sized;
}

ReportBand headings(const QList<Column>& columns)
{
    ReportBand band;
    band.height = HeadingHeight + 1;
    rule(band, int(columns.size()), 1, HeadingHeight, 0.3, HeadingFill);
    for (int i = 0; i < columns.size(); ++i) {
        ReportItem heading = inColumn(ReportItem::label(QRectF(0, 1, 0, HeadingHeight), columns[i].heading,
                                                        headingFont(), ReportItem::Align::Center),
                                      i);
        heading.canGrow = true;
        band.items << heading;
    }
    return band;
}

ReportBand row(const QList<Column>& columns)
{
    ReportBand band;
    band.height = RowHeight;
    rule(band, int(columns.size()), 0, RowHeight, 0.25, QColor());
    for (int i = 0; i < columns.size(); ++i) {
        const Column& column = columns[i];
        ReportItem field = inColumn(
            ReportItem::field(QRectF(0, 0, 0, RowHeight), column.field, cellFont(), column.align, column.format), i);
        field.direction = column.direction;
        field.canGrow = column.kind != ReportColumn::Kind::Figures;
        band.items << field;
    }
    return band;
}

ReportItem leftToRight(ReportItem item)
{
    item.direction = Qt::LeftToRight;
    return item;
}

} // namespace ReportTable
