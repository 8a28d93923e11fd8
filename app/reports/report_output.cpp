#include "reports/report_output.h"

#include "reports/report_engine.h"

#include <QPainter>
#include <QPdfWriter>

namespace ReportOutput {

namespace {

constexpr qreal MillimetresPerMetre = 1000.0;

} // namespace

bool writePdf(ReportEngine& report, const QString& path, QString* error)
{
    QPdfWriter writer(path);
    writer.setPageLayout(report.definition().pageLayout());
    writer.setTitle(report.definition().title);
    writer.setCreator(QStringLiteral("KAVIRO . 5.1"));
    const bool printed = report.print(writer);
    if (!printed && error)
        *error = report.errorText();
    return printed;
}

QImage pageImage(ReportEngine& report, int page, int width)
{
    const QPageLayout layout = report.definition().pageLayout();
    const QRectF paper = layout.fullRect(QPageLayout::Millimeter);
    const QRectF paintable = layout.paintRect(QPageLayout::Millimeter);
    const qreal pixelsPerMillimetre = width / paper.width();
    QImage image(width, qRound(paper.height() * pixelsPerMillimetre), QImage::Format_ARGB32_Premultiplied);
    const int dotsPerMetre = qRound(pixelsPerMillimetre * MillimetresPerMetre);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRectF area(paintable.x() * pixelsPerMillimetre, paintable.y() * pixelsPerMillimetre,
                      paintable.width() * pixelsPerMillimetre, paintable.height() * pixelsPerMillimetre);
    report.paintPage(painter, page, area);
    painter.end();
    return image;
}

} // namespace ReportOutput
