// Generates large databases and times the operations users wait for.
//   kaviro_bench generate DIR N     fill DIR/dbase.mdb with N cheques
//   kaviro_bench list DIR           open, totalled list, search keystrokes
#include "data/database.h"
#include "generator.h"
#include "timing.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTextStream>

int main(int argc, char* argv[])
{
    // The list is timed in the real main window, drawn offscreen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app.setLayoutDirection(Qt::RightToLeft);
    const QStringList args = app.arguments();
    QTextStream out(stdout);
    if (args.size() >= 4 && args.at(1) == QLatin1String("generate")) {
        QDir(args.at(2)).removeRecursively();
        Database db(args.at(2));
        if (db.open() != Database::OpenResult::Created) {
            out << db.errorText() << Qt::endl;
            return 1;
        }
        QElapsedTimer timer;
        timer.start();
        if (!Generator::fillCheques(db, args.at(3).toInt()))
            return 1;
        out << "generated " << args.at(3) << " cheques in " << timer.elapsed() << " ms" << Qt::endl;
        return 0;
    }
    if (args.size() >= 3 && args.at(1) == QLatin1String("list"))
        return Timing::listBenchmark(args.at(2), out);
    out << "usage: kaviro_bench generate DIR N | list DIR" << Qt::endl;
    return 2;
}
