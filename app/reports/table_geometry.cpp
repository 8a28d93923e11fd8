#include "reports/table_geometry.h"

#include <algorithm>
#include <functional>
#include <limits>

namespace TableGeometry {

namespace {

constexpr qreal Tolerance = 1e-6;
// Figures on a page too narrow for them print down to this part of their size before the
// other columns give way any further.
constexpr qreal FiguresShrink = 0.8;

using Kind = ReportColumn::Kind;

qreal wanted(const ReportColumn& column, const Need& need)
{
    const qreal least = std::max(column.minWidth, need.longestWord);
    if (column.kind == Kind::Filler)
        return least;
    const qreal most = column.maxWidth > 0 ? std::max(column.maxWidth, least) : std::numeric_limits<qreal>::max();
    return std::clamp(need.natural, least, most);
}

qreal least(const ReportColumn& column, const Need& need)
{
    const qreal words = std::max(column.minWidth, need.longestWord);
    return column.kind == Kind::Figures ? std::max(words, need.natural * FiguresShrink) : words;
}

QList<qreal> floorsOf(const QList<ReportColumn>& columns, const QList<qreal>& widths,
                      const std::function<qreal(const ReportColumn&, int)>& floor)
{
    QList<qreal> floors;
    for (int i = 0; i < columns.size(); ++i)
        floors << std::min(floor(columns[i], i), widths[i]);
    return floors;
}

// Takes up to `over` millimetres from the columns of the kinds given, each in proportion to
// what it has above its least width; returns what is still to be taken.
qreal giveWay(const QList<ReportColumn>& columns, const QList<qreal>& floors, QList<qreal>& widths, qreal over,
              std::initializer_list<Kind> kinds)
{
    auto counts = [&](int i) { return std::find(kinds.begin(), kinds.end(), columns[i].kind) != kinds.end(); };
    qreal room = 0;
    for (int i = 0; i < columns.size(); ++i) {
        if (counts(i))
            room += std::max<qreal>(0, widths[i] - floors[i]);
    }
    if (room <= Tolerance)
        return over;
    const qreal taken = std::min(over, room);
    for (int i = 0; i < columns.size(); ++i) {
        if (counts(i))
            widths[i] -= std::max<qreal>(0, widths[i] - floors[i]) * taken / room;
    }
    return over - taken;
}

void placeBand(ReportBand& band, const QList<qreal>& starts, const QList<qreal>& widths, qreal growth)
{
    for (ReportItem& item : band.items) {
        QRectF& r = item.rect;
        switch (item.anchor) {
        case ReportItem::Anchor::Leading:
            break;
        case ReportItem::Anchor::Trailing:
            r.moveLeft(r.x() + growth);
            break;
        case ReportItem::Anchor::Both:
            r.setWidth(std::max<qreal>(0, r.width() + growth));
            break;
        case ReportItem::Anchor::Column:
            if (item.tableColumn < 0 || item.tableColumn >= widths.size())
                break;
            if (item.kind == ReportItem::Kind::Line && r.width() <= 0) {
                r.moveLeft(starts[item.tableColumn] + widths[item.tableColumn]);
            } else {
                r.setLeft(starts[item.tableColumn]);
                r.setWidth(widths[item.tableColumn]);
            }
            break;
        }
    }
}

} // namespace

QList<qreal> fit(const QList<ReportColumn>& columns, const QList<Need>& needs, qreal width)
{
    QList<qreal> widths;
    qreal total = 0;
    auto needOf = [&needs](int i) { return i < needs.size() ? needs[i] : Need{}; };
    for (int i = 0; i < columns.size(); ++i) {
        widths << wanted(columns[i], needOf(i));
        total += widths.last();
    }
    if (columns.isEmpty() || width <= 0)
        return widths;
    if (total <= width) {
        QList<int> fillers;
        for (int i = 0; i < columns.size(); ++i) {
            if (columns[i].kind == Kind::Filler)
                fillers << i;
        }
        const qreal rest = width - total;
        for (int i = 0; i < columns.size(); ++i) {
            if (fillers.isEmpty())
                widths[i] += total > 0 ? rest * widths[i] / total : rest / columns.size();
            else if (columns[i].kind == Kind::Filler)
                widths[i] += rest / fillers.size();
        }
        return widths;
    }
    // Each step gives way only as far as it must, and words are broken only after the last.
    const QList<qreal> leastOf =
        floorsOf(columns, widths, [&](const ReportColumn& c, int i) { return least(c, needOf(i)); });
    const QList<qreal> declared = floorsOf(columns, widths, [](const ReportColumn& c, int) { return c.minWidth; });
    qreal over = total - width;
    over = giveWay(columns, leastOf, widths, over, {Kind::Text});
    if (over > Tolerance)
        over = giveWay(columns, leastOf, widths, over, {Kind::Figures});
    if (over > Tolerance)
        over = giveWay(columns, declared, widths, over, {Kind::Figures});
    if (over > Tolerance)
        over = giveWay(columns, declared, widths, over, {Kind::Filler});
    if (over > Tolerance) {
        // Not even the least widths fit: every column gives way alike.
        for (qreal& w : widths)
            w *= width / (width + over);
    }
    return widths;
}

ReportDefinition place(const ReportDefinition& definition, const QList<qreal>& columnWidths, qreal width)
{
    ReportDefinition placed = definition;
    QList<qreal> starts;
    qreal x = 0;
    for (const qreal w : columnWidths) {
        starts << x;
        x += w;
    }
    const qreal growth = width - definition.designWidth;
    for (ReportBand* band : {&placed.reportHeader, &placed.pageHeader, &placed.groupHeader, &placed.detail,
                             &placed.groupFooter, &placed.pageFooter, &placed.reportFooter})
        placeBand(*band, starts, columnWidths, growth);
    placed.designWidth = width;
    return placed;
}

} // namespace TableGeometry
