#include "reports/report_pass.h"

#include "data/row_source.h"
#include "reports/band_painter.h"
#include "reports/report_values.h"
#include "reports/text_widths.h"

#include <algorithm>

ReportPass::ReportPass(const ReportDefinition& definition, RowSource& rows, const std::vector<QString>& summed,
                       TextWidths& widths, const QSizeF& content)
    : m_def(definition), m_rows(rows), m_summed(summed), m_widths(widths), m_content(content),
      m_bottom(content.height() - definition.pageFooter.height)
{}

ReportPass::~ReportPass() = default;

void ReportPass::paintInto(QPainter& painter, const QRectF& area, int first, int last, int pageCount,
                           std::function<bool()> nextPage)
{
    m_painter = std::make_unique<BandPainter>(painter, area, m_content, m_def.direction, m_widths);
    m_first = first;
    m_last = last;
    m_pageCount = pageCount;
    m_nextPage = std::move(nextPage);
}

bool ReportPass::run(ReportPageStart start, int page)
{
    if (!m_rows.rewind()) {
        m_error = m_rows.errorText();
        return false;
    }
    resolveColumns();
    // The rows before the page are passed over unread.
    m_have = true;
    for (qint64 i = 0; i <= start.row && m_have; ++i)
        m_have = m_rows.next();
    m_c = std::move(start);
    m_page = page;
    if (m_record)
        m_record->push_back(m_c);
    beginPage();
    while (m_c.step != Step::Done && !m_stopped)
        step();
    return m_error.isEmpty();
}

void ReportPass::resolveColumns()
{
    m_columns.clear();
    auto resolve = [this](const QString& name) {
        if (!name.isEmpty() && !m_columns.contains(name))
            m_columns.insert(name, m_rows.columnIndex(name));
    };
    for (const ReportBand* band : {&m_def.reportHeader, &m_def.pageHeader, &m_def.groupHeader, &m_def.detail,
                                   &m_def.groupFooter, &m_def.pageFooter, &m_def.reportFooter}) {
        for (const ReportItem& item : band->items)
            resolve(item.column);
    }
    for (const QString& name : m_summed)
        resolve(name);
    resolve(m_def.groupColumn);
    m_summedIndex.clear();
    for (const QString& name : m_summed)
        m_summedIndex.push_back(m_columns.value(name, -1));
}

QVariant ReportPass::value(const QString& column) const
{
    return m_rows.value(m_columns.value(column, -1));
}

QVariant ReportPass::groupKey() const
{
    return m_def.groupColumn.isEmpty() ? QVariant() : value(m_def.groupColumn);
}

void ReportPass::step()
{
    switch (m_c.step) {
    case Step::GroupBreak: {
        if (!m_have) {
            m_c.step = Step::LastGroup;
            return;
        }
        const QVariant key = groupKey();
        if (m_c.groupOpen && key == m_c.groupKey) {
            m_c.step = Step::Detail;
            return;
        }
        if (m_c.groupOpen) {
            closeGroup();
            return;
        }
        // A group header is kept with the group's first row.
        if (!ensure(bandHeight(m_def.groupHeader, BandKind::GroupHeader) + detailHeight()))
            return;
        openGroup(key);
        m_c.step = Step::Detail;
        return;
    }
    case Step::Detail: {
        const qreal height = detailHeight();
        if (!ensure(height))
            return;
        place(m_def.detail, BandKind::Detail, height);
        accumulate();
        m_have = m_rows.next();
        ++m_c.row;
        ++m_rowsOnPage;
        m_c.step = Step::GroupBreak;
        return;
    }
    case Step::LastGroup:
        // A report without rows still shows the headings and totals of its one group.
        if (!m_c.groupOpen && m_c.row == 0 && m_def.groupColumn.isEmpty() &&
            !(m_def.groupHeader.isEmpty() && m_def.groupFooter.isEmpty())) {
            if (!ensure(bandHeight(m_def.groupHeader, BandKind::GroupHeader) +
                        bandHeight(m_def.groupFooter, BandKind::GroupFooter)))
                return;
            openGroup(QVariant());
        }
        if (m_c.groupOpen) {
            closeGroup();
            if (m_stopped)
                return;
        }
        m_c.step = Step::ReportFooter;
        return;
    case Step::ReportFooter: {
        const qreal height = bandHeight(m_def.reportFooter, BandKind::ReportFooter);
        if (!ensure(height))
            return;
        place(m_def.reportFooter, BandKind::ReportFooter, height);
        finishPage();
        m_c.step = Step::Done;
        return;
    }
    case Step::Done:
        return;
    }
}

void ReportPass::openGroup(const QVariant& key)
{
    m_c.groupOpen = true;
    m_c.groupKey = key;
    m_c.groupSums.assign(m_summed.size(), 0);
    m_c.groupCount = 0;
    place(m_def.groupHeader, BandKind::GroupHeader, bandHeight(m_def.groupHeader, BandKind::GroupHeader));
}

void ReportPass::closeGroup()
{
    const qreal height = bandHeight(m_def.groupFooter, BandKind::GroupFooter);
    if (!ensure(height))
        return;
    place(m_def.groupFooter, BandKind::GroupFooter, height);
    m_c.groupOpen = false;
}

void ReportPass::accumulate()
{
    m_c.groupSums.resize(m_summed.size(), 0);
    m_c.reportSums.resize(m_summed.size(), 0);
    for (size_t i = 0; i < m_summedIndex.size(); ++i) {
        if (const std::optional<double> number = ReportValues::number(m_rows.value(m_summedIndex[i]))) {
            m_c.groupSums[i] += *number;
            m_c.reportSums[i] += *number;
        }
    }
    ++m_c.groupCount;
    ++m_c.reportCount;
}

// A band's height: as designed, taller where a text of it wraps onto more lines; a row is
// never taller than a page.
qreal ReportPass::bandHeight(const ReportBand& band, BandKind kind)
{
    qreal growth = 0;
    for (const ReportItem& item : band.items) {
        if (item.kind != ReportItem::Kind::Text || !item.canGrow)
            continue;
        const qreal needed = BandPainter::neededHeight(m_widths, item, textOf(item, kind));
        growth = std::max(growth, needed - item.rect.height());
    }
    const qreal height = band.height + growth;
    const qreal room = m_bottom - m_bodyTop;
    return kind == BandKind::Detail && room > 0 ? std::min(height, room) : height;
}

// True when a band of this height can go on the current page, after starting a new page if it
// must. A band that does not fit on an empty page goes on it all the same.
bool ReportPass::ensure(qreal height)
{
    if (m_y + height <= m_bottom + 1e-6 || m_y <= m_bodyTop + 1e-6)
        return true;
    return newPage();
}

bool ReportPass::newPage()
{
    finishPage();
    if (m_painter && m_page >= m_last) {
        m_stopped = true;
        return false;
    }
    if (m_painter && m_page >= m_first && m_nextPage && !m_nextPage()) {
        m_error = QStringLiteral("the device refused a new page");
        m_stopped = true;
        return false;
    }
    ++m_page;
    if (m_record)
        m_record->push_back(m_c);
    beginPage();
    return true;
}

void ReportPass::beginPage()
{
    if (m_painter)
        m_painter->startPage();
    m_y = 0;
    m_rowsOnPage = 0;
    if (m_page == 0)
        place(m_def.reportHeader, BandKind::ReportHeader, bandHeight(m_def.reportHeader, BandKind::ReportHeader));
    place(m_def.pageHeader, BandKind::PageHeader, bandHeight(m_def.pageHeader, BandKind::PageHeader));
    if (m_c.groupOpen && m_def.groupHeader.repeatOnEachPage)
        place(m_def.groupHeader, BandKind::GroupHeader, bandHeight(m_def.groupHeader, BandKind::GroupHeader));
    m_bodyTop = m_y;
}

void ReportPass::finishPage()
{
    m_y = m_bottom;
    place(m_def.pageFooter, BandKind::PageFooter, m_def.pageFooter.height);
    if (m_record && !m_record->empty())
        m_record->back().rows = m_rowsOnPage;
}

void ReportPass::place(const ReportBand& band, BandKind kind, qreal height)
{
    if (m_painter && m_page >= m_first && m_page <= m_last && !band.items.isEmpty())
        m_painter->paint(band, m_y, height, [this, kind](const ReportItem& item) { return textOf(item, kind); });
    m_y += height;
}

QString ReportPass::textOf(const ReportItem& item, BandKind kind) const
{
    const bool inGroup = kind == BandKind::GroupHeader || kind == BandKind::GroupFooter;
    switch (item.source) {
    case ReportItem::Source::Fixed:
        return item.text;
    case ReportItem::Source::Column:
        // Group bands show the value the group is made of; bands without a row show none.
        if (inGroup)
            return item.column.compare(m_def.groupColumn, Qt::CaseInsensitive) == 0
                       ? ReportValues::format(m_c.groupKey, item.format)
                       : QString();
        return kind == BandKind::Detail ? ReportValues::format(value(item.column), item.format) : QString();
    case ReportItem::Source::Sum: {
        const auto at = std::find_if(m_summed.begin(), m_summed.end(), [&](const QString& name) {
            return name.compare(item.column, Qt::CaseInsensitive) == 0;
        });
        const std::vector<long double>& sums = inGroup ? m_c.groupSums : m_c.reportSums;
        const size_t index = static_cast<size_t>(at - m_summed.begin());
        const long double sum = index < sums.size() ? sums[index] : 0;
        return item.format == ReportItem::Format::Grouped ? ReportValues::groupedSum(sum)
                                                          : ReportValues::format(double(sum), item.format);
    }
    case ReportItem::Source::Count:
        return ReportValues::format(inGroup ? m_c.groupCount : m_c.reportCount, item.format);
    case ReportItem::Source::PageNumber:
        return QString::number(m_page + 1);
    case ReportItem::Source::PageCount:
        return QString::number(m_pageCount);
    }
    return QString();
}
