#include "reports/report_table.h"

#include "reports/report_fonts.h"

namespace ReportTable {

namespace {

const QColor HeadingFill(0xe6, 0xe6, 0xe6);

// The frame and rules of a band, with the vertical rule between each two columns.
void rule(ReportBand& band, const QList<Column>& columns, qreal top, qreal height, qreal pen, const QColor& fill,
          bool grows)
{
    ReportItem frame = ReportItem::frame(QRectF(0, top, Width, height), pen, fill);
    frame.growsWithBand = grows;
    band.items << frame;
    qreal x = 0;
    for (const Column& column : columns) {
        x += column.width;
        if (x < Width) {
            ReportItem separator = ReportItem::verticalLine(x, top, top + height, pen);
            separator.growsWithBand = grows;
            band.items << separator;
        }
    }
}

} // namespace

ReportBand headings(const QList<Column>& columns)
{
    ReportBand band;
    band.height = HeadingHeight + 1;
    rule(band, columns, 1, HeadingHeight, 0.3, HeadingFill, false);
    qreal x = 0;
    for (const Column& column : columns) {
        band.items << ReportItem::label(QRectF(x, 1, column.width, HeadingHeight), column.heading,
                                        ReportFonts::caption(9.5, true), ReportItem::Align::Center);
        x += column.width;
    }
    return band;
}

ReportBand row(const QList<Column>& columns)
{
    ReportBand band;
    band.height = RowHeight;
    rule(band, columns, 0, RowHeight, 0.25, QColor(), true);
    qreal x = 0;
    for (const Column& column : columns) {
        ReportItem field = ReportItem::field(QRectF(x, 0, column.width, RowHeight), column.field, ReportFonts::body(10),
                                             column.align, column.format);
        field.direction = column.direction;
        field.canGrow = column.canGrow;
        band.items << field;
        x += column.width;
    }
    return band;
}

ReportItem leftToRight(ReportItem item)
{
    item.direction = Qt::LeftToRight;
    return item;
}

} // namespace ReportTable
