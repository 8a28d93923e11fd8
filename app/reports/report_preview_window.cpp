#include "reports/report_preview_window.h"

#include "reports/page_view.h"
#include "reports/report_engine.h"
#include "reports/report_output.h"
#include "ui/messages.h"
#include "ui/widgets.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QProgressDialog>
#include <QScreen>
#include <QSpinBox>
#include <QStandardPaths>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The zoom list: the two fits, then sizes of the paper's own.
const qreal Zooms[] = {0.5, 0.75, 1, 1.25, 1.5, 2, 3, 4};
constexpr int FitWidthEntry = 0;
constexpr int FitPageEntry = 1;
constexpr int FirstZoomEntry = 2;

const QString PdfCaption = QStringLiteral("ذخيره PDF");

// Where the last PDF was saved in this run of the program: the next is offered there too.
QString& lastPdfFolder()
{
    static QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return folder;
}

QIcon themed(const char* name, QStyle::StandardPixmap fallback, const QStyle* style)
{
    return QIcon::fromTheme(QString::fromLatin1(name), style->standardIcon(fallback));
}

// A file name may not hold the separators of folders.
QString fileNameOf(QString title)
{
    title.replace(QLatin1Char('/'), QLatin1Char('-'));
    return title.trimmed().isEmpty() ? QStringLiteral("report") : title.trimmed();
}

} // namespace

ReportPreviewWindow::ReportPreviewWindow(ReportEngine& report, QWidget* parent)
    : QDialog(parent), m_report(report), m_printer(QPrinter::HighResolution)
{
    setObjectName(QStringLiteral("reportPreview"));
    setWindowTitle(report.definition().title);
    m_printer.setDocName(report.definition().title);
    m_printer.setCreator(QStringLiteral("KAVIRO . 5.1"));
    buildControls();
    buildLayout();
    connectControls();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        resize(std::min(1220, available.width() - 40), std::min(860, available.height() - 60));
    }
}

QToolButton* ReportPreviewWindow::button(const char* name, const QString& text, const QIcon& icon,
                                         const QKeySequence& key)
{
    auto* shown = new QToolButton(this);
    shown->setObjectName(QString::fromLatin1(name));
    shown->setText(text);
    shown->setToolTip(key.isEmpty() ? text
                                    : QStringLiteral("%1 (%2)").arg(text, key.toString(QKeySequence::NativeText)));
    shown->setIcon(icon);
    shown->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    shown->setAutoRaise(true);
    shown->setFocusPolicy(Qt::StrongFocus);
    if (!key.isEmpty())
        shown->setShortcut(key);
    shown->installEventFilter(this);
    return shown;
}

void ReportPreviewWindow::buildControls()
{
    const QStyle* s = style();
    m_print = button("printButton", QStringLiteral("چاپ"), themed("document-print", QStyle::SP_DialogOkButton, s),
                     QKeySequence::Print);
    m_pageSetup = button("pageSetupButton", QStringLiteral("تنظيم صفحه"),
                         themed("document-page-setup", QStyle::SP_FileDialogDetailedView, s));
    m_savePdf = button("savePdfButton", PdfCaption, themed("document-save-as", QStyle::SP_DialogSaveButton, s),
                       QKeySequence::Save);
    m_zoomOut = button("zoomOutButton", QStringLiteral("کوچک نمايي"),
                       themed("zoom-out", QStyle::SP_TitleBarMinButton, s), QKeySequence::ZoomOut);
    m_zoom = Widgets::comboBox(this, "zoomBox");
    m_zoom->addItem(QStringLiteral("عرض صفحه"));
    m_zoom->addItem(QStringLiteral("تمام صفحه"));
    for (const qreal zoom : Zooms)
        m_zoom->addItem(QStringLiteral("%1%").arg(qRound(zoom * 100)));
    m_zoom->setToolTip(QStringLiteral("بزرگ نمايي صفحه"));
    m_zoomIn = button("zoomInButton", QStringLiteral("بزرگ نمايي"), themed("zoom-in", QStyle::SP_TitleBarMaxButton, s),
                      QKeySequence::ZoomIn);
    m_first = button("firstPageButton", QStringLiteral("صفحه اول"), themed("go-top", QStyle::SP_MediaSkipBackward, s));
    m_previous = button("previousPageButton", QStringLiteral("صفحه قبل"), themed("go-up", QStyle::SP_ArrowUp, s));
    m_page = Widgets::named(new QSpinBox(this), "pageBox");
    m_page->setKeyboardTracking(false);
    m_page->setAccelerated(true);
    m_page->setToolTip(QStringLiteral("شماره صفحه"));
    m_page->setLayoutDirection(Qt::LeftToRight);
    m_pageCount = Widgets::label(this, "pageCountLabel", QString());
    m_next = button("nextPageButton", QStringLiteral("صفحه بعد"), themed("go-down", QStyle::SP_ArrowDown, s));
    m_last = button("lastPageButton", QStringLiteral("صفحه آخر"), themed("go-bottom", QStyle::SP_MediaSkipForward, s));
    m_close = button("closeButton", QStringLiteral("بستن"), themed("window-close", QStyle::SP_DialogCloseButton, s));

    m_view = Widgets::named(new PageView(this), "pageView");
    m_view->setRenderer([this](int page, int width) { return ReportOutput::pageImage(m_report, page, width); });
    m_status = Widgets::label(this, "statusLine", QString());
}

void ReportPreviewWindow::buildLayout()
{
    auto* bar = new QHBoxLayout;
    bar->setSpacing(2);
    for (QWidget* widget : std::initializer_list<QWidget*>{m_print, m_pageSetup, m_savePdf})
        bar->addWidget(widget);
    bar->addSpacing(16);
    for (QWidget* widget : std::initializer_list<QWidget*>{m_zoomOut, m_zoom, m_zoomIn})
        bar->addWidget(widget);
    bar->addSpacing(16);
    for (QWidget* widget : std::initializer_list<QWidget*>{m_first, m_previous, m_page, m_pageCount, m_next, m_last})
        bar->addWidget(widget);
    bar->addStretch();
    bar->addWidget(m_close);

    auto* main = new QVBoxLayout(this);
    main->setContentsMargins(6, 6, 6, 6);
    main->addLayout(bar);
    main->addWidget(m_view, 1);
    main->addWidget(m_status);
}

void ReportPreviewWindow::connectControls()
{
    connect(m_print, &QToolButton::clicked, this, &ReportPreviewWindow::print);
    connect(m_pageSetup, &QToolButton::clicked, this, &ReportPreviewWindow::pageSetup);
    connect(m_savePdf, &QToolButton::clicked, this, &ReportPreviewWindow::savePdf);
    connect(m_zoomIn, &QToolButton::clicked, this, &ReportPreviewWindow::zoomIn);
    connect(m_zoomOut, &QToolButton::clicked, this, &ReportPreviewWindow::zoomOut);
    connect(m_zoom, qOverload<int>(&QComboBox::activated), this, &ReportPreviewWindow::choseZoom);
    connect(m_first, &QToolButton::clicked, this, [this] { goToPage(0); });
    connect(m_previous, &QToolButton::clicked, this, [this] { goToPage(m_view->currentPage() - 1); });
    connect(m_next, &QToolButton::clicked, this, [this] { goToPage(m_view->currentPage() + 1); });
    connect(m_last, &QToolButton::clicked, this, [this] { goToPage(m_view->pageCount() - 1); });
    connect(m_page, qOverload<int>(&QSpinBox::valueChanged), this, [this](int shown) { goToPage(shown - 1); });
    connect(m_close, &QToolButton::clicked, this, &QDialog::reject);
    connect(m_view, &PageView::currentPageChanged, this, &ReportPreviewWindow::showCurrentPage);
    connect(m_view, &PageView::zoomChanged, this, &ReportPreviewWindow::showZoom);
}

// Enter on a button presses it, as Space does; nothing else in the preview takes Enter.
bool ReportPreviewWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (auto* pressed = qobject_cast<QToolButton*>(watched)) {
                pressed->click();
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool ReportPreviewWindow::prepare()
{
    m_printer.setPageLayout(m_report.pageLayout());
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool laidOut = m_report.layout();
    QApplication::restoreOverrideCursor();
    if (!laidOut) {
        m_error = m_report.errorText();
        return false;
    }
    showPages(0);
    return true;
}

// The pages take the keys first: Page Down, Home and End go through the report.
void ReportPreviewWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_view->setFocus();
}

// The pages as laid out now, with the page that holds `keepRow` in view.
void ReportPreviewWindow::showPages(int keepRow)
{
    const int count = m_report.pageCount();
    m_view->setPages(count, m_report.pageLayout().fullRect(QPageLayout::Millimeter).size());
    {
        const QSignalBlocker blocker(m_page);
        m_page->setRange(1, std::max(1, count));
    }
    m_pageCount->setText(QStringLiteral("از %1").arg(count));
    m_status->setText(QStringLiteral("%1 صفحه، %2 رديف").arg(count).arg(m_report.rowCount()));
    int page = 0;
    while (page + 1 < count && m_report.firstRowOn(page + 1) <= keepRow)
        ++page;
    m_view->showPage(page);
    showCurrentPage(m_view->currentPage());
    showZoom();
}

void ReportPreviewWindow::showCurrentPage(int page)
{
    const QSignalBlocker blocker(m_page);
    m_page->setValue(page + 1);
    m_first->setEnabled(page > 0);
    m_previous->setEnabled(page > 0);
    m_next->setEnabled(page + 1 < m_view->pageCount());
    m_last->setEnabled(page + 1 < m_view->pageCount());
}

void ReportPreviewWindow::goToPage(int page)
{
    m_view->showPage(page);
}

void ReportPreviewWindow::showZoom()
{
    int entry = -1;
    if (m_view->fit() == PageView::Fit::Width)
        entry = FitWidthEntry;
    else if (m_view->fit() == PageView::Fit::Page)
        entry = FitPageEntry;
    for (int i = 0; entry < 0 && i < int(std::size(Zooms)); ++i) {
        if (qAbs(Zooms[i] - m_view->zoom()) < 0.005)
            entry = FirstZoomEntry + i;
    }
    m_zoom->setCurrentIndex(entry);
    m_zoomIn->setEnabled(m_view->zoom() < Zooms[std::size(Zooms) - 1] - 0.005);
    m_zoomOut->setEnabled(m_view->zoom() > Zooms[0] + 0.005);
}

void ReportPreviewWindow::choseZoom(int index)
{
    if (index == FitWidthEntry)
        m_view->setFit(PageView::Fit::Width);
    else if (index == FitPageEntry)
        m_view->setFit(PageView::Fit::Page);
    else if (index >= FirstZoomEntry)
        m_view->setZoom(Zooms[index - FirstZoomEntry]);
}

// The next size of the list above or below the one shown, which may lie between two of them.
void ReportPreviewWindow::stepZoom(int direction)
{
    const qreal now = m_view->zoom();
    if (direction > 0) {
        for (const qreal zoom : Zooms) {
            if (zoom > now + 0.005) {
                m_view->setZoom(zoom);
                return;
            }
        }
    } else {
        for (int i = int(std::size(Zooms)) - 1; i >= 0; --i) {
            if (Zooms[i] < now - 0.005) {
                m_view->setZoom(Zooms[i]);
                return;
            }
        }
    }
}

void ReportPreviewWindow::zoomIn()
{
    stepZoom(1);
}

void ReportPreviewWindow::zoomOut()
{
    stepZoom(-1);
}

bool ReportPreviewWindow::withProgress(const QString& label,
                                       const std::function<bool(const std::function<bool(int, int)>&)>& job)
{
    QProgressDialog progress(label, QStringLiteral("انصراف"), 0, std::max(1, m_report.pageCount()), this);
    progress.setObjectName(QStringLiteral("progress"));
    progress.setWindowTitle(windowTitle());
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    progress.setAutoReset(false);
    progress.setMinimumWidth(360);
    const bool done = job([&progress](int page, int count) {
        progress.setMaximum(std::max(1, count));
        progress.setValue(std::min(page, std::max(1, count)));
        return !progress.wasCanceled();
    });
    progress.close();
    return done;
}

void ReportPreviewWindow::savePdf()
{
    const QString suggested = QDir(lastPdfFolder()).filePath(fileNameOf(windowTitle()) + QStringLiteral(".pdf"));
    QString path = Messages::saveFileName(this, PdfCaption, suggested, QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    m_report.setPageLayout(m_printer.pageLayout());
    QString error;
    const bool saved = withProgress(QStringLiteral("ذخيره PDF ..."), [&](const ReportEngine::Progress& progress) {
        return ReportOutput::writePdf(m_report, path, &error, progress);
    });
    if (saved) {
        lastPdfFolder() = QFileInfo(path).absolutePath();
        // The path reads left to right within the Persian line.
        m_status->setText(QStringLiteral("فايل PDF ذخيره شد: \u2066%1\u2069").arg(QDir::toNativeSeparators(path)));
    } else if (m_report.wasStopped()) {
        m_status->setText(QStringLiteral("ذخيره PDF متوقف شد؛ فايلي نوشته نشد."));
    } else {
        Messages::show(this, error, Messages::Icon::Critical);
    }
}

void ReportPreviewWindow::print()
{
    QPrintDialog dialog(&m_printer, this);
    dialog.setWindowTitle(QStringLiteral("چاپ"));
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage);
    dialog.setMinMax(1, std::max(1, m_report.pageCount()));
    if (dialog.exec() != QDialog::Accepted)
        return;
    const int current = m_view->currentPage();
    const qint64 row = m_report.firstRowOn(current);
    const QPageLayout before = m_report.pageLayout();
    int first = 0;
    int last = INT_MAX;
    if (m_printer.printRange() == QPrinter::PageRange) {
        first = m_printer.fromPage() - 1;
        last = m_printer.toPage() - 1;
    } else if (m_printer.printRange() == QPrinter::CurrentPage) {
        first = last = current;
    }
    const bool printed = withProgress(QStringLiteral("چاپ ..."), [&](const ReportEngine::Progress& progress) {
        return m_report.print(m_printer, progress, first, last);
    });
    if (!printed && !m_report.wasStopped())
        Messages::show(this, QStringLiteral("چاپ انجام نشد: ") + m_report.errorText(), Messages::Icon::Critical);
    else if (printed)
        m_status->setText(QStringLiteral("صفحه هاي گزارش به چاپ فرستاده شد."));
    // The print dialog may have chosen other paper; the pages were laid out for it.
    if (!(m_printer.pageLayout() == before)) {
        m_report.setPageLayout(m_printer.pageLayout());
        if (m_report.layout())
            showPages(int(row));
    }
}

void ReportPreviewWindow::pageSetup()
{
    QPageSetupDialog dialog(&m_printer, this);
    dialog.setWindowTitle(QStringLiteral("تنظيم صفحه"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    const qint64 row = m_report.firstRowOn(m_view->currentPage());
    m_report.setPageLayout(m_printer.pageLayout());
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool laidOut = m_report.layout();
    QApplication::restoreOverrideCursor();
    if (!laidOut)
        Messages::show(this, QStringLiteral("اطلاعات گزارش خوانده نشد: ") + m_report.errorText(),
                       Messages::Icon::Critical);
    showPages(int(row));
}
