#pragma once

#include <QAbstractScrollArea>
#include <QImage>
#include <QList>
#include <QSizeF>

#include <functional>

// The pages of a report one under the other, painted only when they come into view: a page is
// asked of the renderer as it is first seen at a zoom, and the few last painted are kept, so a
// report of thousands of pages costs the memory of a handful.
class PageView : public QAbstractScrollArea
{
    Q_OBJECT

public:
    // A page (0-based) as an image `width` pixels wide.
    using Renderer = std::function<QImage(int page, int width)>;
    enum class Fit
    {
        None,
        Width,
        Page
    };

    explicit PageView(QWidget* parent = nullptr);

    void setRenderer(Renderer renderer) { m_renderer = std::move(renderer); }
    // The pages to show: how many, and the size of their paper in millimetres. What was
    // painted before is forgotten.
    void setPages(int count, const QSizeF& paper);
    int pageCount() const { return m_count; }

    // The page in the middle of the view (0-based).
    int currentPage() const;
    // Scrolls the page's top into the top of the view.
    void showPage(int page);

    // 1 is the paper's own size on the screen.
    qreal zoom() const { return m_zoom; }
    void setZoom(qreal zoom);
    Fit fit() const { return m_fit; }
    void setFit(Fit fit);

    // The pages painted so far, in the order they were painted.
    QList<int> painted() const { return m_painted; }

signals:
    void currentPageChanged(int page);
    void zoomChanged(qreal zoom);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    struct Kept
    {
        int page;
        int width;
        QImage image;
    };

    qreal pixelsPerMillimetre() const;
    QSize pageSize() const;
    int stride() const;
    void applyFit();
    void updateScrollBars();
    void noteCurrentPage();
    const QImage& image(int page, const QSize& size);

    Renderer m_renderer;
    int m_count = 0;
    QSizeF m_paper{210, 297};
    qreal m_zoom = 1;
    Fit m_fit = Fit::Width;
    int m_current = -1;
    QList<Kept> m_kept;
    QList<int> m_painted;
};
