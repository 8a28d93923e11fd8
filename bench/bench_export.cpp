// Times the spreadsheet export of the whole cheque list.
//   kaviro_bench_export DIR     export a copy of DIR/dbase.mdb (DIR itself is only read)
//   kaviro_bench_export         export a generated register of 100,000 cheques
#include "data/cheque_export.h"
#include "data/database.h"
#include "generator.h"
#include "timing.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>

#include <sys/resource.h>
#include <time.h>

namespace {

constexpr int GeneratedCheques = 100000;
constexpr int Runs = 3;

// The machine may be shared: the processor time spent says more than the clock alone.
double cpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream out(stdout);
    QTemporaryDir work;
    if (!work.isValid())
        return 1;

    Database db(work.path());
    if (args.size() >= 2) {
        const QString source = Database::locateFile(args.at(1));
        if (!QFile::copy(source, QDir(work.path()).filePath(QStringLiteral("dbase.mdb")))) {
            out << "cannot copy " << source << Qt::endl;
            return 1;
        }
        if (db.open() != Database::OpenResult::Opened) {
            out << db.errorText() << Qt::endl;
            return 1;
        }
    } else if (db.open() != Database::OpenResult::Created || !Generator::fillCheques(db, GeneratedCheques)) {
        out << "cannot generate the register" << Qt::endl;
        return 1;
    }

    QSqlQuery count(db.connection());
    count.exec(QStringLiteral("SELECT COUNT(*) FROM T1"));
    count.next();
    out << "cheques: " << count.value(0).toLongLong() << Qt::endl;
    count.finish();

    const QString path = QDir(work.path()).filePath(QStringLiteral("cheques.xlsx"));
    for (int run = 1; run <= Runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        const double cpuStart = cpuMs();
        QString error;
        if (!ChequeExport::write(db, path, &error)) {
            out << error << Qt::endl;
            return 1;
        }
        out << "export run " << run << ": " << timer.elapsed() << " ms (processor " << qRound(cpuMs() - cpuStart)
            << " ms), file " << QString::number(double(QFileInfo(path).size()) / (1024.0 * 1024.0), 'f', 1) << " MB"
            << Qt::endl;
    }
    out << "peak memory: " << QString::number(Timing::peakMemoryMb(), 'f', 0) << " MB" << Qt::endl;
    return 0;
}
