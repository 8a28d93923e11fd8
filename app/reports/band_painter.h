#pragma once

#include "reports/report_definition.h"

#include <QRectF>
#include <QString>

#include <functional>

class QPainter;
class TextWidths;

// Paints the items of a band at their place on the page: millimetres to device pixels,
// mirrored on a right-to-left report, with texts aligned on the side they name.
class BandPainter
{
public:
    using TextOf = std::function<QString(const ReportItem&)>;

    BandPainter(QPainter& painter, const QRectF& area, Qt::LayoutDirection direction, TextWidths& widths);

    // A new page may start with the device's own state.
    void startPage() { m_font = nullptr; }
    // The band at y millimetres from the top of the page's content, `height` tall (taller than
    // designed when a text of the row wraps).
    void paint(const ReportBand& band, qreal y, qreal height, const TextOf& textOf);

    // Between a text and the sides of its cell, in millimetres.
    static constexpr qreal SidePadding = 1.2;

private:
    QRectF toDevice(const QRectF& millimetres) const;
    Qt::Alignment horizontal(ReportItem::Align align) const;
    void paintShape(const ReportItem& item, const QRectF& cell);
    void paintText(const ReportItem& item, const QString& text, const QRectF& cell);

    QPainter& m_painter;
    QRectF m_area;
    Qt::LayoutDirection m_direction;
    TextWidths& m_widths;
    qreal m_fx;
    qreal m_fy;
    const QFont* m_font = nullptr;
};
