#pragma once

#include "reports/report_definition.h"

#include <QList>

// Where the items of a report go on the page it is printed on: the table's columns share the
// page's width, and the other items keep to the edges they are anchored to.
namespace TableGeometry {

// What a column's contents ask for, in millimetres: the width of its widest value on one line
// (or of its whole heading), and the width of its longest word (of a value or of the heading),
// below which words would have to be broken.
struct Need
{
    qreal natural = 0;
    qreal longestWord = 0;
};

// The widths of the columns of a table `width` millimetres wide. When the columns want less
// than the page, the fillers take the rest. When they want more, the text columns give way
// first, down to their longest word; then the figures, whose print may shrink a little; and
// only when even that is too wide, every column alike.
QList<qreal> fit(const QList<ReportColumn>& columns, const QList<Need>& needs, qreal width);

// The definition with every item at its place on a page `width` millimetres wide, the
// table's columns having the widths given.
ReportDefinition place(const ReportDefinition& definition, const QList<qreal>& columnWidths, qreal width);

} // namespace TableGeometry
