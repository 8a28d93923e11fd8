#include "reports/page_view.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

constexpr qreal MillimetresPerInch = 25.4;
constexpr int Gap = 14;
constexpr int ShadowOffset = 3;
// Enough for the pages a screen shows at once and the ones just left.
constexpr int KeptPages = 6;
constexpr qreal LeastZoom = 0.1;
constexpr qreal MostZoom = 8;

} // namespace

PageView::PageView(QWidget* parent) : QAbstractScrollArea(parent)
{
    // Pages are pictures: they scroll the same way in either direction of writing.
    setLayoutDirection(Qt::LeftToRight);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setBackgroundRole(QPalette::Dark);
    viewport()->setAutoFillBackground(true);
}

void PageView::setPages(int count, const QSizeF& paper)
{
    m_count = std::max(0, count);
    if (paper.width() > 0 && paper.height() > 0)
        m_paper = paper;
    m_kept.clear();
    applyFit();
    updateScrollBars();
    viewport()->update();
    noteCurrentPage();
}

qreal PageView::pixelsPerMillimetre() const
{
    return logicalDpiX() / MillimetresPerInch * m_zoom;
}

QSize PageView::pageSize() const
{
    const qreal scale = pixelsPerMillimetre();
    return QSize(std::max(1, qRound(m_paper.width() * scale)), std::max(1, qRound(m_paper.height() * scale)));
}

int PageView::stride() const
{
    return pageSize().height() + Gap;
}

// The page that takes the most of the view; of two alike, the first.
int PageView::currentPage() const
{
    if (m_count == 0)
        return -1;
    const int top = verticalScrollBar()->value();
    const int bottom = top + viewport()->height();
    const int height = pageSize().height();
    int best = std::clamp((top - Gap) / stride(), 0, m_count - 1);
    int shown = 0;
    for (int page = best; page < m_count; ++page) {
        const int start = Gap + page * stride();
        if (start >= bottom)
            break;
        const int visible = std::min(bottom, start + height) - std::max(top, start);
        if (visible > shown) {
            shown = visible;
            best = page;
        }
    }
    return best;
}

void PageView::showPage(int page)
{
    if (m_count == 0)
        return;
    page = std::clamp(page, 0, m_count - 1);
    verticalScrollBar()->setValue(page * stride());
    noteCurrentPage();
}

void PageView::setZoom(qreal zoom)
{
    m_fit = Fit::None;
    zoom = std::clamp(zoom, LeastZoom, MostZoom);
    if (qFuzzyCompare(zoom, m_zoom))
        return;
    const int page = currentPage();
    m_zoom = zoom;
    m_kept.clear();
    updateScrollBars();
    showPage(page);
    viewport()->update();
    emit zoomChanged(m_zoom);
}

void PageView::setFit(Fit fit)
{
    m_fit = fit;
    const int page = currentPage();
    const qreal before = m_zoom;
    applyFit();
    if (!qFuzzyCompare(before, m_zoom)) {
        m_kept.clear();
        updateScrollBars();
        showPage(page);
        viewport()->update();
    }
    emit zoomChanged(m_zoom);
}

void PageView::applyFit()
{
    if (m_fit == Fit::None)
        return;
    const qreal perMillimetre = logicalDpiX() / MillimetresPerInch;
    const qreal byWidth = (viewport()->width() - 2 * Gap) / (m_paper.width() * perMillimetre);
    const qreal byHeight = (viewport()->height() - 2 * Gap) / (m_paper.height() * perMillimetre);
    m_zoom = std::clamp(m_fit == Fit::Width ? byWidth : std::min(byWidth, byHeight), LeastZoom, MostZoom);
}

void PageView::updateScrollBars()
{
    const QSize page = pageSize();
    const qint64 height = qint64(m_count) * stride() + Gap;
    verticalScrollBar()->setRange(0, int(std::clamp<qint64>(height - viewport()->height(), 0, INT_MAX)));
    verticalScrollBar()->setPageStep(viewport()->height());
    verticalScrollBar()->setSingleStep(std::max(20, page.height() / 20));
    horizontalScrollBar()->setRange(0, std::max(0, page.width() + 2 * Gap - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
    horizontalScrollBar()->setSingleStep(20);
}

void PageView::noteCurrentPage()
{
    const int page = currentPage();
    if (page != m_current) {
        m_current = page;
        emit currentPageChanged(page);
    }
}

const QImage& PageView::image(int page, const QSize& size)
{
    const qreal ratio = devicePixelRatioF();
    const int width = qRound(size.width() * ratio);
    for (int i = 0; i < m_kept.size(); ++i) {
        if (m_kept[i].page == page && m_kept[i].width == width) {
            m_kept.move(i, m_kept.size() - 1);
            return m_kept.last().image;
        }
    }
    if (m_kept.size() >= KeptPages)
        m_kept.removeFirst();
    QImage painted = m_renderer ? m_renderer(page, width) : QImage();
    if (painted.isNull()) {
        painted = QImage(width, qRound(size.height() * ratio), QImage::Format_RGB32);
        painted.fill(Qt::white);
    }
    painted.setDevicePixelRatio(ratio);
    m_painted << page;
    m_kept.append({page, width, painted});
    return m_kept.last().image;
}

void PageView::paintEvent(QPaintEvent*)
{
    if (m_count == 0)
        return;
    QPainter painter(viewport());
    const QSize size = pageSize();
    const int top = verticalScrollBar()->value();
    const int x = std::max(Gap, (viewport()->width() - size.width()) / 2) - horizontalScrollBar()->value();
    for (int page = std::max(0, (top - Gap) / stride()); page < m_count; ++page) {
        const int y = Gap + page * stride() - top;
        if (y >= viewport()->height())
            break;
        const QRect sheet(QPoint(x, y), size);
        painter.fillRect(sheet.translated(ShadowOffset, ShadowOffset), palette().color(QPalette::Shadow));
        painter.drawImage(sheet, image(page, size));
    }
}

void PageView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    if (m_fit != Fit::None) {
        const int page = currentPage();
        const qreal before = m_zoom;
        applyFit();
        if (!qFuzzyCompare(before, m_zoom)) {
            m_kept.clear();
            updateScrollBars();
            showPage(page);
            emit zoomChanged(m_zoom);
            return;
        }
    }
    updateScrollBars();
}

void PageView::scrollContentsBy(int, int)
{
    viewport()->update();
    noteCurrentPage();
}

// Page Up and Page Down go from page to page; Home and End to the first and the last.
void PageView::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_PageDown:
        showPage(currentPage() + 1);
        return;
    case Qt::Key_PageUp:
        showPage(currentPage() - 1);
        return;
    case Qt::Key_Home:
        showPage(0);
        return;
    case Qt::Key_End:
        showPage(m_count - 1);
        return;
    default:
        QAbstractScrollArea::keyPressEvent(event);
    }
}

void PageView::wheelEvent(QWheelEvent* event)
{
    if (event->modifiers() & Qt::ControlModifier) {
        const int steps = event->angleDelta().y() / 120;
        if (steps != 0)
            setZoom(m_zoom * std::pow(1.15, steps));
        event->accept();
        return;
    }
    QAbstractScrollArea::wheelEvent(event);
}
