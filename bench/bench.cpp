// Generates large databases and times the operations users wait for.
//   kaviro_bench generate DIR N     fill DIR/dbase.mdb with N cheques
//   kaviro_bench list DIR           open, totalled list, search keystrokes
//   kaviro_bench pass DIR [N]       N passes with their ledger lines and archive moves
// DIR may be a postgresql:// URI instead: the register on a server (an empty database to
// generate into).
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
        QString dir;
        const RegisterLocation location = Timing::locationOf(args.at(2), &dir);
        if (!location.server)
            QDir(dir).removeRecursively();
        Database db(dir, location);
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
    if (args.size() >= 3 && args.at(1) == QLatin1String("pass"))
        return Timing::passBenchmark(args.at(2), args.size() >= 4 ? args.at(3).toInt() : 20, out);
    out << "usage: kaviro_bench generate DIR N | list DIR | pass DIR [N]" << Qt::endl;
    return 2;
}
