#pragma once

#include "reports/report_definition.h"

#include <QColor>
#include <QList>
#include <QString>

// The ruled table the program's reports print their rows in: a shaded heading row and one
// framed row per record, columns laid out from the right edge of a page 186 mm wide.
namespace ReportTable {

constexpr qreal Width = 186;
constexpr qreal RowHeight = 7;
constexpr qreal HeadingHeight = 8;

struct Column
{
    QString heading;
    QString field;
    qreal width;
    ReportItem::Align align;
    Qt::LayoutDirection direction;
    ReportItem::Format format = ReportItem::Format::AsIs;
    // A long text wraps and makes its row taller.
    bool canGrow = false;
};

// The headings of the columns, one pt below the top of the band.
ReportBand headings(const QList<Column>& columns);
// One framed row of the fields; it grows with a column that wraps.
ReportBand row(const QList<Column>& columns);
// Captions that carry their colon first, and figures, are laid out left to right.
ReportItem leftToRight(ReportItem item);

} // namespace ReportTable
