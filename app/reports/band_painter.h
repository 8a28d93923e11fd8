#pragma once

#include "reports/report_definition.h"

#include <QRectF>
#include <QString>

#include <functional>

class QPainter;
class TextWidths;

// Paints the items of a band at their place on the page: millimetres to device pixels,
// mirrored on a right-to-left report, with texts aligned on the side they name. Texts are
// never cut: one that wraps is broken into the lines the layout counted, any other is printed
// smaller when it is wider than its box.
class BandPainter
{
public:
    using TextOf = std::function<QString(const ReportItem&)>;

    // area: where the page's printable area of `content` millimetres lies on the device.
    BandPainter(QPainter& painter, const QRectF& area, const QSizeF& content, Qt::LayoutDirection direction,
                TextWidths& widths);

    // A new page may start with the device's own state.
    void startPage() { m_font = nullptr; }
    // The band at y millimetres from the top of the page's content, `height` tall (taller than
    // designed when a text of it wraps).
    void paint(const ReportBand& band, qreal y, qreal height, const TextOf& textOf);

    // The height a text item needs for `text`, in millimetres: its own height when the text
    // fits on one line or the item does not wrap, more when it wraps onto more lines.
    static qreal neededHeight(TextWidths& widths, const ReportItem& item, const QString& text);

    // The text as it wraps in `width` millimetres: a word stretched with tatweels that is wider
    // than the line loses its stretching before it is broken.
    static QString unstretched(TextWidths& widths, const QFont& font, const QString& text, qreal width);

    // Between a text and the sides of its cell, in millimetres.
    static constexpr qreal SidePadding = 1.2;
    // Above and below a text that wraps.
    static constexpr qreal WrapPadding = 0.6;

private:
    QRectF toDevice(const QRectF& millimetres) const;
    Qt::Alignment horizontal(ReportItem::Align align) const;
    qreal startOf(ReportItem::Align align, const QRectF& inner, qreal width) const;
    void paintShape(const ReportItem& item, const QRectF& cell);
    // Both return where the painted text ends on its trailing side, in device pixels.
    qreal paintText(const ReportItem& item, const QString& text, const QRectF& cell);
    qreal paintLines(const ReportItem& item, const QString& text, const QRectF& cell);
    qreal trailingEnd(qreal start, qreal width) const;
    void useFont(const QFont& font);

    QPainter& m_painter;
    QRectF m_area;
    Qt::LayoutDirection m_direction;
    TextWidths& m_widths;
    qreal m_fx;
    qreal m_fy;
    const QFont* m_font = nullptr;
};
