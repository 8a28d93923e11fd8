// Times the cheque report over a whole register.
//   kaviro_bench_reports DIR [pdf|first|preview]
// DIR holds a dbase.mdb made by `kaviro_bench generate DIR N`; it is only read. "pdf" writes
// the report of all cheques to a PDF file as the preview's "save PDF" does, telling a progress
// bar of each page; "first" times the layout and the painting of page 1 alone; "preview" opens
// the preview window and times it until page 1 is on the screen, then the last page and one
// in the middle. Peak memory is printed last; run each separately to see the peak of each.
#include "data/database.h"
#include "data/report_queries.h"
#include "reports/cheque_reports.h"
#include "reports/page_view.h"
#include "reports/report_engine.h"
#include "reports/report_output.h"
#include "reports/report_preview_window.h"

#include "timing.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTextStream>

#include <ctime>

namespace {

// Wall-clock time, and the processor time of this process over the same span: on a machine
// shared with other work the second says what the report itself costs.
class Stopwatch
{
public:
    Stopwatch() { restart(); }
    void restart()
    {
        m_wall.start();
        m_cpu = cpuMs();
    }
    QString read() const
    {
        return QStringLiteral("%1 ms (processor %2 ms)")
            .arg(double(m_wall.nsecsElapsed()) / 1e6, 0, 'f', 0)
            .arg(cpuMs() - m_cpu, 0, 'f', 0);
    }

private:
    static double cpuMs()
    {
        timespec now{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
        return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
    }
    QElapsedTimer m_wall;
    double m_cpu = 0;
};

std::unique_ptr<ReportEngine> allCheques(Database& db)
{
    ReportQueries::ReportChoice byDate;
    byDate.option[1] = true;
    return ChequeReports::chequeReport(db, byDate);
}

void toPdf(Database& db, QTextStream& out)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("cheques.pdf"));
    auto report = allCheques(db);
    QProgressBar bar;
    Stopwatch timer;
    QString error;
    const bool written = ReportOutput::writePdf(*report, path, &error, [&bar](int page, int pages) {
        bar.setMaximum(pages);
        bar.setValue(page);
        return true;
    });
    if (!written) {
        out << "PDF failed: " << error << Qt::endl;
        return;
    }
    out << "cheque report to PDF: " << report->rowCount() << " rows, " << report->pageCount() << " pages, "
        << QFileInfo(path).size() / 1024 << " KB in " << timer.read() << Qt::endl;
}

// What the first page needs: the widths of the columns and the layout (which gives the page
// count its footer prints), then the painting of that page.
void firstPage(Database& db, QTextStream& out)
{
    auto report = allCheques(db);
    QTemporaryDir dir;
    QPdfWriter page(dir.filePath(QStringLiteral("first.pdf")));
    page.setResolution(1200);
    page.setPageLayout(report->pageLayout());
    Stopwatch timer;
    if (!report->layout()) {
        out << "layout failed: " << report->errorText() << Qt::endl;
        return;
    }
    const QString layoutTime = timer.read();
    QPainter painter(&page);
    report->paintPage(painter, 0, QRectF(0, 0, page.width(), page.height()));
    painter.end();
    out << "first page: layout of " << report->rowCount() << " rows on " << report->pageCount() << " pages "
        << layoutTime << ", page 1 painted at " << timer.read() << Qt::endl;
}

// Runs the event loop until the view has painted the page.
bool waitForPage(PageView* view, int page)
{
    QElapsedTimer waited;
    waited.start();
    while (!view->painted().contains(page) && waited.elapsed() < 60000)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    return view->painted().contains(page);
}

void preview(Database& db, QTextStream& out)
{
    Stopwatch timer;
    auto report = allCheques(db);
    ReportPreviewWindow window(*report);
    window.resize(1200, 800);
    if (!window.prepare()) {
        out << "preview failed: " << window.errorText() << Qt::endl;
        return;
    }
    window.show();
    if (!waitForPage(window.pages(), 0))
        return;
    out << "preview: page 1 of " << report->pageCount() << " (" << report->rowCount() << " rows) shown in "
        << timer.read() << Qt::endl;
    for (const int page : {report->pageCount() - 1, report->pageCount() / 2}) {
        timer.restart();
        window.goToPage(page);
        if (!waitForPage(window.pages(), page))
            return;
        out << "preview: page " << page + 1 << " shown in " << timer.read() << Qt::endl;
    }
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app.setLayoutDirection(Qt::RightToLeft);
    const QStringList args = app.arguments();
    QTextStream out(stdout);
    if (args.size() < 2) {
        out << "usage: kaviro_bench_reports DIR [pdf|first|preview]" << Qt::endl;
        return 2;
    }
    Database db(args.at(1));
    if (db.open() != Database::OpenResult::Opened) {
        out << "no database in " << args.at(1) << ": " << db.errorText() << Qt::endl;
        return 1;
    }
    const QString what = args.size() > 2 ? args.at(2) : QString();
    if (what.isEmpty() || what == QLatin1String("pdf"))
        toPdf(db, out);
    if (what.isEmpty() || what == QLatin1String("first"))
        firstPage(db, out);
    if (what.isEmpty() || what == QLatin1String("preview"))
        preview(db, out);
    out << "peak memory: " << Timing::peakMemoryMb() << " MB" << Qt::endl;
    return 0;
}
