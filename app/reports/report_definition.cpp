#include "reports/report_definition.h"

ReportItem ReportItem::label(const QRectF& rect, const QString& text, const QFont& font, Align align)
{
    ReportItem item;
    item.rect = rect;
    item.text = text;
    item.font = font;
    item.align = align;
    return item;
}

ReportItem ReportItem::field(const QRectF& rect, const QString& column, const QFont& font, Align align, Format format)
{
    ReportItem item;
    item.rect = rect;
    item.source = Source::Column;
    item.column = column;
    item.font = font;
    item.align = align;
    item.format = format;
    return item;
}

ReportItem ReportItem::summary(Source source, const QRectF& rect, const QString& column, const QFont& font, Align align)
{
    ReportItem item = field(rect, column, font, align, Format::Grouped);
    item.source = source;
    return item;
}

ReportItem ReportItem::horizontalLine(qreal y, qreal x1, qreal x2, qreal width)
{
    ReportItem item;
    item.kind = Kind::Line;
    item.rect = QRectF(QPointF(qMin(x1, x2), y), QSizeF(qAbs(x2 - x1), 0));
    item.lineWidth = width;
    return item;
}

ReportItem ReportItem::verticalLine(qreal x, qreal y1, qreal y2, qreal width)
{
    ReportItem item;
    item.kind = Kind::Line;
    item.rect = QRectF(QPointF(x, qMin(y1, y2)), QSizeF(0, qAbs(y2 - y1)));
    item.lineWidth = width;
    return item;
}

ReportItem ReportItem::frame(const QRectF& rect, qreal width, const QColor& fill)
{
    ReportItem item;
    item.kind = Kind::Frame;
    item.rect = rect;
    item.lineWidth = width;
    item.fill = fill;
    return item;
}
