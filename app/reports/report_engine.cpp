#include "reports/report_engine.h"

#include "data/row_source.h"
#include "reports/report_pass.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <climits>

namespace {

void collectSums(const ReportBand& band, std::vector<QString>& summed)
{
    for (const ReportItem& item : band.items) {
        if (item.source != ReportItem::Source::Sum)
            continue;
        const bool known = std::any_of(summed.begin(), summed.end(), [&](const QString& name) {
            return name.compare(item.column, Qt::CaseInsensitive) == 0;
        });
        if (!known)
            summed.push_back(item.column);
    }
}

} // namespace

ReportEngine::ReportEngine(ReportDefinition definition, std::unique_ptr<RowSource> rows)
    : m_definition(std::move(definition)), m_rows(std::move(rows))
{
    for (const ReportBand* band :
         {&m_definition.reportHeader, &m_definition.pageHeader, &m_definition.groupHeader, &m_definition.detail,
          &m_definition.groupFooter, &m_definition.pageFooter, &m_definition.reportFooter})
        collectSums(*band, m_summed);
}

ReportEngine::~ReportEngine() = default;

bool ReportEngine::layout(const QPaintDevice& device, const QSizeF& content)
{
    m_laidOut = false;
    m_pages.clear();
    m_sums.clear();
    m_rowCount = 0;
    if (!m_rows) {
        m_error = QStringLiteral("no rows");
        return false;
    }
    ReportPass pass(m_definition, *m_rows, m_summed, device, content);
    pass.recordInto(&m_pages);
    if (!pass.run(ReportPageStart{}, 0)) {
        m_error = pass.errorText();
        m_pages.clear();
        return false;
    }
    m_pages.shrink_to_fit();
    m_rowCount = pass.end().reportCount;
    m_sums = pass.end().reportSums;
    m_sums.resize(m_summed.size(), 0);
    m_content = content;
    m_dpiX = device.logicalDpiX();
    m_dpiY = device.logicalDpiY();
    m_laidOut = true;
    m_error.clear();
    return true;
}

int ReportEngine::pageCount() const
{
    return static_cast<int>(m_pages.size());
}

qint64 ReportEngine::firstRowOn(int page) const
{
    return page >= 0 && page < pageCount() ? m_pages[size_t(page)].row : -1;
}

qint64 ReportEngine::rowsOn(int page) const
{
    return page >= 0 && page < pageCount() ? m_pages[size_t(page)].rows : 0;
}

double ReportEngine::sum(const QString& column) const
{
    for (size_t i = 0; i < m_summed.size() && i < m_sums.size(); ++i) {
        if (m_summed[i].compare(column, Qt::CaseInsensitive) == 0)
            return m_sums[i];
    }
    return 0;
}

bool ReportEngine::paintPages(QPainter& painter, const QRectF& area, int first, int last,
                              const std::function<bool()>& nextPage)
{
    QPaintDevice* device = painter.device();
    if (!device)
        return false;
    if (!m_laidOut || m_content != area.size() || m_dpiX != device->logicalDpiX() || m_dpiY != device->logicalDpiY()) {
        if (!layout(*device, area.size()))
            return false;
    }
    first = std::max(first, 0);
    last = std::min(last, pageCount() - 1);
    if (first > last)
        return false;
    ReportPass pass(m_definition, *m_rows, m_summed, *device, area.size());
    pass.paintInto(painter, area, first, last, pageCount(), nextPage);
    painter.save();
    const bool painted = pass.run(m_pages[size_t(first)], first);
    painter.restore();
    if (!painted)
        m_error = pass.errorText();
    return painted;
}

bool ReportEngine::print(QPagedPaintDevice& device)
{
    QPainter painter;
    if (!painter.begin(&device)) {
        m_error = QStringLiteral("the printer could not be started");
        return false;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const bool painted = paintPages(painter, QRectF(0, 0, device.width(), device.height()), 0, INT_MAX,
                                    [&device] { return device.newPage(); });
    painter.end();
    return painted;
}

bool ReportEngine::readable()
{
    if (!m_rows) {
        m_error = QStringLiteral("no rows");
        return false;
    }
    if (!m_rows->rewind()) {
        m_error = m_rows->errorText();
        return false;
    }
    return true;
}
