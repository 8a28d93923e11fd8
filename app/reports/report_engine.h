#pragma once

#include "reports/report_definition.h"

#include <QRectF>
#include <QSizeF>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QPagedPaintDevice;
class QPaintDevice;
class QPainter;
class RowSource;
struct ReportPageStart;

// Prints a banded report of the rows of a RowSource. Laying out reads the rows once, from the
// first to the last, and keeps no more than where each page starts (its first row and the
// running totals there), so the page count is known before the first page is painted and a
// report of any length costs the memory of its page list only. Painting reads the rows again
// from the start of the first page painted. A row is never split over two pages, and the page
// header comes back on every page.
class ReportEngine
{
public:
    ReportEngine(ReportDefinition definition, std::unique_ptr<RowSource> rows);
    ~ReportEngine();
    ReportEngine(const ReportEngine&) = delete;
    ReportEngine& operator=(const ReportEngine&) = delete;

    const ReportDefinition& definition() const { return m_definition; }

    // Lays the rows out on pages of `content` pixels of `device` (text is measured for it).
    bool layout(const QPaintDevice& device, const QSizeF& content);
    bool isLaidOut() const { return m_laidOut; }
    int pageCount() const;
    qint64 rowCount() const { return m_rowCount; }
    // The first row printed on a page and the number of rows on it, as laid out.
    qint64 firstRowOn(int page) const;
    qint64 rowsOn(int page) const;
    // The sum of a summed column over all rows, after the layout.
    double sum(const QString& column) const;

    // Paints the pages first..last into `area` (pixels) of the painter's device, calling
    // nextPage between two pages. Lays out again first when the area or device differ from
    // the layout's.
    bool paintPages(QPainter& painter, const QRectF& area, int first, int last,
                    const std::function<bool()>& nextPage = {});
    bool paintPage(QPainter& painter, int page, const QRectF& area) { return paintPages(painter, area, page, page); }
    // Lays the report out on the device's pages and paints all of them, one device page each.
    bool print(QPagedPaintDevice& device);

    // True when the rows can be read; errorText() says why not.
    bool readable();
    QString errorText() const { return m_error; }

private:
    ReportDefinition m_definition;
    std::unique_ptr<RowSource> m_rows;
    std::vector<ReportPageStart> m_pages;
    std::vector<QString> m_summed;
    std::vector<double> m_sums;
    qint64 m_rowCount = 0;
    bool m_laidOut = false;
    QSizeF m_content;
    int m_dpiX = 0;
    int m_dpiY = 0;
    QString m_error;
};
