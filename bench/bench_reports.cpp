// Times the cheque report over a whole register.
//   kaviro_bench_reports DIR [pdf|preview]
// DIR holds a dbase.mdb made by `kaviro_bench generate DIR N`; it is only read. "pdf" lays the
// report of all cheques out and writes it to a PDF file; "preview" times the first page the
// way the preview needs it and then the whole preview. Peak memory is printed last; run the
// two separately to see the peak of each.
#include "data/database.h"
#include "data/report_queries.h"
#include "reports/cheque_reports.h"
#include "reports/report_engine.h"
#include "reports/report_output.h"

#include "timing.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewWidget>
#include <QPrinter>
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
    Stopwatch timer;
    QString error;
    if (!ReportOutput::writePdf(*report, path, &error)) {
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

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app.setLayoutDirection(Qt::RightToLeft);
    const QStringList args = app.arguments();
    QTextStream out(stdout);
    if (args.size() < 2) {
        out << "usage: kaviro_bench_reports DIR [pdf|preview]" << Qt::endl;
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
    out << "peak memory: " << Timing::peakMemoryMb() << " MB" << Qt::endl;
    return 0;
}
