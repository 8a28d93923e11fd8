// Times the check of the database file at start, and what it costs the user meanwhile: the
// main list opened while the check runs, and a cheque saved while it runs.
//   kaviro_bench_integrity DIR     DIR/dbase.mdb is copied, the copy is used
#include "cheques/main_window.h"
#include "data/database.h"
#include "data/integrity_check.h"
#include "data/table_writer.h"
#include "data/tables.h"
#include "ui/messages.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

double elapsedMs(const QElapsedTimer& timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

double openListMs(Database& db)
{
    QElapsedTimer timer;
    timer.start();
    MainWindow window(db);
    window.show();
    QApplication::processEvents();
    return elapsedMs(timer);
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app.setLayoutDirection(Qt::RightToLeft);
    QTextStream out(stdout);
    if (app.arguments().size() < 2) {
        out << "usage: kaviro_bench_integrity DIR" << Qt::endl;
        return 2;
    }
    QTemporaryDir work;
    const QString file = QDir(work.path()).filePath(QStringLiteral("dbase.mdb"));
    if (!QFile::copy(QDir(app.arguments().at(1)).filePath(QStringLiteral("dbase.mdb")), file)) {
        out << "no dbase.mdb in " << app.arguments().at(1) << Qt::endl;
        return 1;
    }
    Messages::MessageLog log;
    Database db(work.path());
    if (db.open() == Database::OpenResult::Failed) {
        out << db.errorText() << Qt::endl;
        return 1;
    }
    out << "database: " << QFileInfo(file).size() / 1e6 << " MB" << Qt::endl;

    QElapsedTimer timer;
    timer.start();
    const QString report = IntegrityCheck::findDamage(file);
    out << "check alone: " << elapsedMs(timer) << " ms" << (report.isEmpty() ? ", sound" : ", damaged") << Qt::endl;
    out << "main list opened alone: " << openListMs(db) << " ms" << Qt::endl;

    {
        IntegrityCheck check(file);
        timer.restart();
        check.start();
        out << "main list opened during the check: " << openListMs(db) << " ms" << Qt::endl;
        TableWriter cheques(db, ChequeTable::Name);
        QElapsedTimer save;
        save.start();
        const bool saved = cheques.insert({{ChequeTable::Description, QStringLiteral("during the check")}});
        out << "a cheque saved during the check: " << elapsedMs(save) << " ms" << (saved ? "" : " (failed)")
            << (check.isRunning() ? ", the check still running" : ", after the check") << Qt::endl;
        while (check.isRunning())
            QApplication::processEvents(QEventLoop::AllEvents, 10);
        out << "check in the background, until done: " << elapsedMs(timer) << " ms" << Qt::endl;
    }
    return 0;
}
