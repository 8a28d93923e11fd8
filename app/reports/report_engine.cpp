#include "reports/report_engine.h"

#include "data/row_source.h"
#include "reports/band_painter.h"
#include "reports/report_pass.h"
#include "reports/report_values.h"
#include "reports/table_geometry.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <climits>

namespace {

constexpr qreal MillimetresPerInch = 25.4;
// Printable areas that differ by less are the same: a device's resolution is a whole number
// of dots per inch, so the same paper comes back a hair wider or narrower.
constexpr qreal SameSize = 0.3;
// The widest of a column's values is looked for among so many of its longest: letters differ
// in width, so the longest value need not be the widest.
constexpr int LongestAsked = 64;

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

QSizeF millimetresOf(const QPaintDevice& device, const QSizeF& pixels)
{
    return QSizeF(pixels.width() * MillimetresPerInch / device.logicalDpiX(),
                  pixels.height() * MillimetresPerInch / device.logicalDpiY());
}

bool sameSize(const QSizeF& a, const QSizeF& b)
{
    return qAbs(a.width() - b.width()) < SameSize && qAbs(a.height() - b.height()) < SameSize;
}

} // namespace

ReportEngine::ReportEngine(ReportDefinition definition, std::unique_ptr<RowSource> rows)
    : m_definition(std::move(definition)), m_rows(std::move(rows)), m_pageLayout(m_definition.pageLayout())
{
    for (const ReportBand* band :
         {&m_definition.reportHeader, &m_definition.pageHeader, &m_definition.groupHeader, &m_definition.detail,
          &m_definition.groupFooter, &m_definition.pageFooter, &m_definition.reportFooter})
        collectSums(*band, m_summed);
}

ReportEngine::~ReportEngine() = default;

// The widest value of each column over all rows, its longest word, and its heading's. The
// widest values are looked for among the longest ones where the source can name them;
// otherwise every row is read.
bool ReportEngine::measure()
{
    const QList<ReportColumn>& columns = m_definition.columns;
    m_needs.clear();
    QList<int> unanswered;
    for (int i = 0; i < columns.size(); ++i) {
        const ReportColumn& column = columns[i];
        TableGeometry::Need need;
        need.natural = m_widths.of(column.headingFont, column.heading.trimmed());
        // A heading's stretched word loses its tatweels before it is broken.
        for (QString word : column.heading.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            need.longestWord = std::max(need.longestWord, m_widths.of(column.headingFont, word.remove(QChar(0x0640))));
        m_needs << need;
        if (column.kind == ReportColumn::Kind::Filler)
            continue;
        if (const std::optional<QVariantList> longest = m_rows->longestValues(column.field, LongestAsked)) {
            for (const QVariant& value : *longest)
                measureText(i, ReportValues::format(value, column.format));
        } else {
            unanswered << i;
        }
    }
    if (!unanswered.isEmpty() && !measureRows(unanswered))
        return false;
    for (TableGeometry::Need& need : m_needs) {
        need.natural += 2 * BandPainter::SidePadding;
        need.longestWord += 2 * BandPainter::SidePadding;
    }
    m_measured = true;
    return true;
}

void ReportEngine::measureText(int column, const QString& text)
{
    if (text.isEmpty())
        return;
    const ReportColumn& c = m_definition.columns[column];
    TableGeometry::Need& need = m_needs[column];
    const qreal width = m_widths.of(c.font, text);
    need.natural = std::max(need.natural, width);
    // Figures are never broken, so only the words of texts count.
    if (c.kind != ReportColumn::Kind::Text || width <= need.longestWord)
        return;
    if (!text.contains(QLatin1Char(' '))) {
        need.longestWord = width;
        return;
    }
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        need.longestWord = std::max(need.longestWord, m_widths.of(c.font, word));
}

bool ReportEngine::measureRows(const QList<int>& measured)
{
    if (!m_rows->rewind()) {
        m_error = m_rows->errorText();
        return false;
    }
    const QList<ReportColumn>& columns = m_definition.columns;
    QList<int> indexes;
    for (const int i : measured)
        indexes << m_rows->columnIndex(columns[i].field);
    while (m_rows->next()) {
        for (int k = 0; k < measured.size(); ++k)
            measureText(measured[k], ReportValues::format(m_rows->value(indexes[k]), columns[measured[k]].format));
    }
    if (!m_rows->errorText().isEmpty()) {
        m_error = m_rows->errorText();
        return false;
    }
    return true;
}

bool ReportEngine::layout()
{
    return layout(m_pageLayout.paintRect(QPageLayout::Millimeter).size());
}

bool ReportEngine::layout(const QSizeF& content)
{
    m_laidOut = false;
    m_pages.clear();
    m_sums.clear();
    m_rowCount = 0;
    if (!m_rows) {
        m_error = QStringLiteral("no rows");
        return false;
    }
    if (!m_definition.columns.isEmpty() && !m_measured && !measure())
        return false;
    m_columnWidths = TableGeometry::fit(m_definition.columns, m_needs, content.width());
    // The fonts are told apart by address, and the placed items are new.
    m_widths.clear();
    m_placed = TableGeometry::place(m_definition, m_columnWidths, content.width());
    ReportPass pass(m_placed, *m_rows, m_summed, m_widths, content);
    pass.recordInto(&m_pages);
    if (!pass.run(ReportPageStart{}, 0)) {
        m_error = pass.error();
        m_pages.clear();
        return false;
    }
    m_pages.shrink_to_fit();
    m_rowCount = pass.end().reportCount;
    m_sums = pass.end().reportSums;
    m_sums.resize(m_summed.size(), 0);
    m_content = content;
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

long double ReportEngine::sum(const QString& column) const
{
    for (size_t i = 0; i < m_summed.size() && i < m_sums.size(); ++i) {
        if (m_summed[i].compare(column, Qt::CaseInsensitive) == 0)
            return m_sums[i];
    }
    return 0;
}

bool ReportEngine::paintPages(QPainter& painter, const QRectF& area, int first, int last,
                              const std::function<bool()>& nextPage, QSizeF content)
{
    QPaintDevice* device = painter.device();
    if (!device)
        return false;
    if (!content.isValid())
        content = millimetresOf(*device, area.size());
    if (!m_laidOut || !sameSize(m_content, content)) {
        if (!layout(content))
            return false;
    }
    first = std::max(first, 0);
    last = std::min(last, pageCount() - 1);
    if (first > last)
        return false;
    ReportPass pass(m_placed, *m_rows, m_summed, m_widths, m_content);
    pass.paintInto(painter, area, first, last, pageCount(), nextPage);
    painter.save();
    const bool painted = pass.run(m_pages[size_t(first)], first);
    painter.restore();
    if (!painted)
        m_error = pass.error();
    return painted;
}

bool ReportEngine::print(QPagedPaintDevice& device, const Progress& progress, int first, int last)
{
    m_stopped = false;
    const QRectF area(0, 0, device.width(), device.height());
    const QSizeF content = millimetresOf(device, area.size());
    if ((!m_laidOut || !sameSize(m_content, content)) && !layout(content))
        return false;
    first = std::max(first, 0);
    last = std::min(last, pageCount() - 1);
    const int count = last - first + 1;
    if (progress && !progress(0, count)) {
        m_stopped = true;
        return false;
    }
    QPainter painter;
    if (!painter.begin(&device)) {
        m_error = QStringLiteral("the printer could not be started");
        return false;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    int page = 0;
    bool painted = paintPages(painter, area, first, last, [&] {
        if (progress && !progress(++page, count)) {
            m_stopped = true;
            return false;
        }
        return device.newPage();
    });
    painter.end();
    if (m_stopped)
        m_error = QStringLiteral("stopped");
    else if (painted && progress)
        progress(count, count);
    return painted && !m_stopped;
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
