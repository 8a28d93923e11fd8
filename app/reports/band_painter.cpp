#include "reports/band_painter.h"

#include "reports/text_widths.h"

#include <QPainter>
#include <QPen>

#include <algorithm>

namespace {

constexpr qreal MillimetresPerInch = 25.4;
constexpr qreal Tolerance = 1e-6;
constexpr QChar Tatweel(0x0640);
// Between a text and the one that follows it.
constexpr qreal FollowingGap = 2;

bool wraps(const ReportItem& item)
{
    return item.kind == ReportItem::Kind::Text && item.canGrow;
}

} // namespace

BandPainter::BandPainter(QPainter& painter, const QRectF& area, const QSizeF& content, Qt::LayoutDirection direction,
                         TextWidths& widths)
    : m_painter(painter), m_area(area), m_direction(direction), m_widths(widths),
      m_fx(content.width() > 0 ? area.width() / content.width() : painter.device()->logicalDpiX() / MillimetresPerInch),
      m_fy(content.height() > 0 ? area.height() / content.height()
                                : painter.device()->logicalDpiY() / MillimetresPerInch)
{}

QString BandPainter::unstretched(TextWidths& widths, const QFont& font, const QString& text, qreal width)
{
    if (!text.contains(Tatweel))
        return text;
    QStringList words = text.split(QLatin1Char(' '));
    for (QString& word : words) {
        if (word.contains(Tatweel) && widths.of(font, word) > width)
            word.remove(Tatweel);
    }
    return words.join(QLatin1Char(' '));
}

qreal BandPainter::neededHeight(TextWidths& widths, const ReportItem& item, const QString& text)
{
    const qreal width = item.rect.width() - 2 * SidePadding;
    if (!item.canGrow || text.isEmpty() || width <= 0 || widths.of(item.font, text) <= width)
        return item.rect.height();
    const qsizetype lines = widths.wrap(item.font, unstretched(widths, item.font, text, width), width).size();
    return std::max(item.rect.height(), lines * widths.lineHeight(item.font) + 2 * WrapPadding);
}

// Lines and frames first, then the texts: the painter then changes its pen and font a few
// times a row rather than at every item, which a PDF and the preview record one by one.
void BandPainter::paint(const ReportBand& band, qreal y, qreal height, const TextOf& textOf)
{
    const qreal growth = height - band.height;
    // What lies below a text that wraps moves down with it.
    qreal below = band.height + 1;
    if (growth > Tolerance) {
        for (const ReportItem& item : band.items) {
            if (wraps(item))
                below = std::min(below, item.rect.bottom());
        }
    }
    qreal lastEnd = qQNaN();
    for (const bool texts : {false, true}) {
        for (const ReportItem& item : band.items) {
            if ((item.kind == ReportItem::Kind::Text) != texts)
                continue;
            QRectF r = item.rect;
            // Texts as tall as their row stay centred in it when a neighbour makes it taller.
            const bool fullHeight = texts && item.rect.bottom() >= band.height - Tolerance;
            if (r.top() >= below - Tolerance)
                r.translate(0, growth);
            else if (item.canGrow || item.growsWithBand || fullHeight)
                r.setHeight(r.height() + growth);
            r.translate(0, y);
            QRectF cell = toDevice(r);
            if (item.followsText && !qIsNaN(lastEnd)) {
                const qreal gap = FollowingGap * m_fx;
                if (m_direction == Qt::RightToLeft)
                    cell.moveRight(lastEnd - gap + SidePadding * m_fx);
                else
                    cell.moveLeft(lastEnd + gap - SidePadding * m_fx);
            }
            if (!texts) {
                paintShape(item, cell);
                continue;
            }
            const QString text = textOf(item);
            if (!text.isEmpty())
                lastEnd = paintText(item, text, cell);
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

// Where a text `width` millimetres wide begins in its cell.
qreal BandPainter::startOf(ReportItem::Align align, const QRectF& inner, qreal width) const
{
    const Qt::Alignment side = horizontal(align);
    const qreal shown = width * m_fx;
    return side & Qt::AlignHCenter ? inner.center().x() - shown / 2
           : side & Qt::AlignRight ? inner.right() - shown
                                   : inner.left();
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

void BandPainter::useFont(const QFont& font)
{
    if (!m_font || !(*m_font == font)) {
        m_painter.setFont(font);
        m_font = &font;
    }
}

qreal BandPainter::trailingEnd(qreal start, qreal width) const
{
    return m_direction == Qt::RightToLeft ? start : start + width;
}

qreal BandPainter::paintText(const ReportItem& item, const QString& text, const QRectF& cell)
{
    QPainter& p = m_painter;
    const QRectF inner = cell.adjusted(SidePadding * m_fx, 0, -SidePadding * m_fx, 0);
    const qreal room = inner.width() / m_fx;
    if (p.pen().color() != item.color)
        p.setPen(item.color);
    p.setLayoutDirection(item.direction);
    const qreal width = m_widths.of(item.font, text);
    if (width > room && item.canGrow)
        return paintLines(item, text, cell);
    // One line needs no line breaking: it is placed by its measured width, centred on its
    // cell's height. Wider than its cell, it is set smaller until it fits.
    qreal scale = 1;
    if (width > room && room > 0) {
        scale = room / width;
        QFont smaller = item.font;
        if (smaller.pointSizeF() > 0)
            smaller.setPointSizeF(smaller.pointSizeF() * scale);
        else
            smaller.setPixelSize(std::max(1, int(smaller.pixelSize() * scale)));
        p.setFont(smaller);
        m_font = nullptr;
    } else {
        useFont(item.font);
    }
    const qreal ascent = m_widths.ascent(item.font) * scale * m_fy;
    const qreal descent = m_widths.descent(item.font) * scale * m_fy;
    const qreal start = startOf(item.align, inner, width * scale);
    p.drawText(QPointF(start, inner.center().y() + (ascent - descent) / 2), text);
    return trailingEnd(start, width * scale * m_fx);
}

// The lines of a wrapped text, as the layout broke it, centred together on the cell's height.
qreal BandPainter::paintLines(const ReportItem& item, const QString& whole, const QRectF& cell)
{
    useFont(item.font);
    const QRectF inner = cell.adjusted(SidePadding * m_fx, 0, -SidePadding * m_fx, 0);
    const qreal width = item.rect.width() - 2 * SidePadding;
    const QString text = unstretched(m_widths, item.font, whole, width);
    const QList<TextLine> lines = m_widths.wrap(item.font, text, width);
    const qreal lineHeight = m_widths.lineHeight(item.font) * m_fy;
    const qreal ascent = m_widths.ascent(item.font) * m_fy;
    const qreal descent = m_widths.descent(item.font) * m_fy;
    qreal top = cell.center().y() - lines.size() * lineHeight / 2;
    qreal end = m_direction == Qt::RightToLeft ? inner.right() : inner.left();
    for (const TextLine& line : lines) {
        const qreal baseline = top + lineHeight / 2 + (ascent - descent) / 2;
        const qreal start = startOf(item.align, inner, line.width);
        m_painter.drawText(QPointF(start, baseline), text.mid(line.start, line.length));
        const qreal lineEnd = trailingEnd(start, line.width * m_fx);
        end = m_direction == Qt::RightToLeft ? std::min(end, lineEnd) : std::max(end, lineEnd);
        top += lineHeight;
    }
    return end;
}
