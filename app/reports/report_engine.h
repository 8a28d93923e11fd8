#pragma once

#include "reports/report_definition.h"
#include "reports/table_geometry.h"
#include "reports/text_widths.h"

#include <QList>
#include <QPageLayout>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <climits>
#include <functional>
#include <memory>
#include <vector>

class QPagedPaintDevice;
class QPainter;
class RowSource;
struct ReportPageStart;

// Prints a banded report of the rows of a RowSource. Laying out reads the rows once, from the
// first to the last, and keeps no more than where each page starts (its first row and the
// running totals there), so the page count is known before the first page is painted and a
// report of any length costs the memory of its page list only. Painting reads the rows again
// from the start of the first page painted. A row is never split over two pages, and the page
// header comes back on every page.
//
// The layout follows the printable area of the page: the table's columns share its width,
// sized by the widest value of each over all rows (read once, before the first layout), so a
// change of paper or orientation lays the pages out anew without reading the widths again.
class ReportEngine
{
public:
    // Told of each page as it is begun (0-based) and of the end (page == pageCount); false
    // stops the printing.
    using Progress = std::function<bool(int page, int pageCount)>;

    ReportEngine(ReportDefinition definition, std::unique_ptr<RowSource> rows);
    ~ReportEngine();
    ReportEngine(const ReportEngine&) = delete;
    ReportEngine& operator=(const ReportEngine&) = delete;

    // The report as designed, on a page of its designWidth.
    const ReportDefinition& definition() const { return m_definition; }

    // The paper, orientation and margins the report is printed on: the definition's until
    // another is set.
    QPageLayout pageLayout() const { return m_pageLayout; }
    void setPageLayout(const QPageLayout& layout) { m_pageLayout = layout; }

    // Lays the rows out on the printable area of the page layout.
    bool layout();
    // Lays the rows out on a printable area of `content` millimetres.
    bool layout(const QSizeF& content);
    bool isLaidOut() const { return m_laidOut; }
    // The printable area the pages were laid out on, in millimetres.
    QSizeF laidOutSize() const { return m_content; }
    int pageCount() const;
    qint64 rowCount() const { return m_rowCount; }
    // The first row printed on a page and the number of rows on it, as laid out.
    qint64 firstRowOn(int page) const;
    qint64 rowsOn(int page) const;
    // The sum of a summed column over all rows, after the layout.
    long double sum(const QString& column) const;
    // The widths of the table's columns from the leading edge, in millimetres, as laid out.
    QList<qreal> columnWidths() const { return m_columnWidths; }

    // Paints the pages first..last into `area` (pixels) of the painter's device, calling
    // nextPage between two pages. The area stands for `content` millimetres, by default what it
    // measures at the device's resolution; the pages are laid out again first when that is not
    // the size laid out.
    bool paintPages(QPainter& painter, const QRectF& area, int first, int last,
                    const std::function<bool()>& nextPage = {}, QSizeF content = QSizeF());
    bool paintPage(QPainter& painter, int page, const QRectF& area) { return paintPages(painter, area, page, page); }
    // Lays the report out on the device's printable area and paints its pages first..last
    // (all of them by default), one device page each.
    bool print(QPagedPaintDevice& device, const Progress& progress = {}, int first = 0, int last = INT_MAX);
    // The last print was stopped by its progress.
    bool wasStopped() const { return m_stopped; }

    // True when the rows can be read; errorText() says why not.
    bool readable();
    QString errorText() const { return m_error; }

private:
    bool measure();
    bool measureRows(const QList<int>& columns);
    void measureText(int column, const QString& text);

    ReportDefinition m_definition;
    ReportDefinition m_placed;
    std::unique_ptr<RowSource> m_rows;
    QPageLayout m_pageLayout;
    TextWidths m_widths;
    // What each column's widest value and longest word take, once read.
    QList<TableGeometry::Need> m_needs;
    bool m_measured = false;
    QList<qreal> m_columnWidths;
    std::vector<ReportPageStart> m_pages;
    std::vector<QString> m_summed;
    std::vector<long double> m_sums;
    qint64 m_rowCount = 0;
    bool m_laidOut = false;
    bool m_stopped = false;
    QSizeF m_content;
    QString m_error;
};
