#pragma once

#include "reports/report_definition.h"

#include <QColor>
#include <QList>
#include <QString>

// The ruled table the program's reports print their rows in: a shaded heading row and one
// framed row per record, across the page's printable width. The columns share that width as
// their contents ask (see ReportColumn); text cells and headings wrap and make their row taller.
namespace ReportTable {

// The width the reports' rects are drawn for: an A4 page's printable width.
constexpr qreal Width = 186;
constexpr qreal RowHeight = 7;
constexpr qreal HeadingHeight = 8;

struct Column
{
    QString heading;
    QString field;
    ReportColumn::Kind kind;
    qreal minWidth;
    qreal maxWidth;
    ReportItem::Align align;
    Qt::LayoutDirection direction;
    ReportItem::Format format = ReportItem::Format::AsIs;
};

// The columns as the report engine sizes them.
QList<ReportColumn> columns(const QList<Column>& columns);
// The headings of the columns, one millimetre below the top of the band.
ReportBand headings(const QList<Column>& columns);
// One framed row of the fields; it grows with a cell that wraps.
ReportBand row(const QList<Column>& columns);
// Captions that carry their colon first, and figures, are laid out left to right.
ReportItem leftToRight(ReportItem item);

} // namespace ReportTable
