#include "reports/band_painter.h"

#include "reports/text_widths.h"

#include <QPainter>
#include <QPen>

#include <algorithm>

namespace {

constexpr qreal MillimetresPerInch = 25.4;

} // namespace

BandPainter::BandPainter(QPainter& painter, const QRectF& area, Qt::LayoutDirection direction, TextWidths& widths)
    : m_painter(painter), m_area(area), m_direction(direction), m_widths(widths),
      m_fx(painter.device()->logicalDpiX() / MillimetresPerInch),
      m_fy(painter.device()->logicalDpiY() / MillimetresPerInch)
{}

// Lines and frames first, then the texts: the painter then changes its pen and font a few
// times a row rather than at every item, which a PDF and the preview record one by one.
void BandPainter::paint(const ReportBand& band, qreal y, qreal height, const TextOf& textOf)
{
    const qreal growth = height - band.height;
    for (const bool texts : {false, true}) {
        for (const ReportItem& item : band.items) {
            if ((item.kind == ReportItem::Kind::Text) != texts)
                continue;
            QRectF r = item.rect;
            // Texts as tall as their row stay centred in it when a neighbour makes it taller.
            const bool fullHeight = texts && item.rect.bottom() >= band.height - 1e-6;
            if (item.canGrow || item.growsWithBand || fullHeight)
                r.setHeight(r.height() + growth);
            r.translate(0, y);
            if (texts)
                paintText(item, textOf(item), toDevice(r));
            else
                paintShape(item, toDevice(r));
        }
    }
}

QRectF BandPainter::toDevice(const QRectF& r) const
{
    const qreal x =
        m_direction == Qt::RightToLeft ? m_area.right() - (r.x() + r.width()) * m_fx : m_area.left() + r.x() * m_fx;
    return QRectF(x, m_area.top() + r.y() * m_fy, r.width() * m_fx, r.height() * m_fy);
}

// Absolute, so that a right-to-left painter does not mirror it once more.
Qt::Alignment BandPainter::horizontal(ReportItem::Align align) const
{
    if (align == ReportItem::Align::Center)
        return Qt::AlignHCenter;
    const bool start = align == ReportItem::Align::Start;
    const bool right = (m_direction == Qt::RightToLeft) == start;
    return (right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignAbsolute;
}

void BandPainter::paintShape(const ReportItem& item, const QRectF& cell)
{
    QPen pen(item.color, std::max(1.0, item.lineWidth * m_fx));
    pen.setCapStyle(Qt::FlatCap);
    if (item.kind == ReportItem::Kind::Frame && item.fill.isValid())
        m_painter.fillRect(cell, item.fill);
    if (m_painter.pen() != pen)
        m_painter.setPen(pen);
    if (item.kind == ReportItem::Kind::Line) {
        m_painter.drawLine(item.rect.width() <= 0 ? QLineF(cell.topLeft(), cell.bottomLeft())
                                                  : QLineF(cell.topLeft(), cell.topRight()));
    } else {
        m_painter.setBrush(Qt::NoBrush);
        m_painter.drawRect(cell);
    }
}

void BandPainter::paintText(const ReportItem& item, const QString& text, const QRectF& cell)
{
    if (text.isEmpty())
        return;
    QPainter& p = m_painter;
    const QRectF inner = cell.adjusted(SidePadding * m_fx, 0, -SidePadding * m_fx, 0);
    if (!m_font || !(*m_font == item.font)) {
        p.setFont(item.font);
        m_font = &item.font;
    }
    if (p.pen().color() != item.color)
        p.setPen(item.color);
    p.setLayoutDirection(item.direction);
    const qreal width = m_widths.of(item, text);
    if (width > inner.width() && item.canGrow) {
        p.drawText(inner, horizontal(item.align) | Qt::AlignVCenter | Qt::TextWordWrap, text);
        return;
    }
    // One line needs no line breaking: it is placed by its measured width, centred on its
    // cell's height as Qt::AlignVCenter would.
    const QFontMetricsF& metrics = m_widths.metrics(item);
    QString shown = text;
    qreal shownWidth = width;
    if (width > inner.width()) {
        shown = metrics.elidedText(text, Qt::ElideRight, inner.width());
        shownWidth = metrics.horizontalAdvance(shown);
    }
    const Qt::Alignment align = horizontal(item.align);
    const qreal x = align & Qt::AlignHCenter ? inner.center().x() - shownWidth / 2
                    : align & Qt::AlignRight ? inner.right() - shownWidth
                                             : inner.left();
    p.drawText(QPointF(x, inner.center().y() + (metrics.ascent() - metrics.descent()) / 2), shown);
}
