// Times a backup and a restore of a large database through their windows, with the progress
// display paced at zero, so that what is printed is the work the user waits for.
//   kaviro_bench_backup DIR [SOURCE]
// DIR is emptied and receives a copy of the database file SOURCE, or without it a database of
// 450000 generated cheques (about 100 MB).
#include "backup/backup_window.h"
#include "backup/restore_window.h"
#include "data/cheque_queries.h"
#include "data/data_control.h"
#include "data/database.h"
#include "data/database_copy.h"
#include "data/tables.h"
#include "generator.h"
#include "ui/messages.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QTextStream>

#include <functional>

namespace {

constexpr int GeneratedCheques = 450000;

double elapsedMs(const QElapsedTimer& timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

void waitFor(const std::function<bool()>& done)
{
    while (!done())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

bool prepare(const QString& dataDir, const QString& source, QTextStream& out)
{
    if (!source.isEmpty())
        return QFile::copy(source, QDir(dataDir).filePath(QStringLiteral("dbase.mdb")));
    Database db(dataDir);
    if (db.open() != Database::OpenResult::Created) {
        out << db.errorText() << Qt::endl;
        return false;
    }
    return Generator::fillCheques(db, GeneratedCheques);
}

// Clicks save and waits for the end of the program; prints the copy and the whole.
bool timeBackup(Database& db, const QString& folder, QTextStream& out)
{
    Messages::MessageLog log;
    BackupWindow window(db);
    window.setPacingInterval(0);
    window.show();
    window.setFolder(folder);
    bool ended = false;
    QObject::connect(&window, &BackupWindow::quitRequested, [&ended] { ended = true; });
    QElapsedTimer timer;
    timer.start();
    window.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    const double copy = elapsedMs(timer);
    if (!log.shown().isEmpty()) {
        out << "backup failed: " << log.lastText() << Qt::endl;
        return false;
    }
    waitFor([&ended] { return ended; });
    out << "backup: copy " << copy << " ms, until the end of the program " << elapsedMs(timer) << " ms" << Qt::endl;
    return true;
}

// Picks the backup, clicks restore and waits for the message; the list is read again on the way.
bool timeRestore(Database& db, const QString& folder, QTextStream& out)
{
    Messages::MessageLog log;
    DataControl list(db);
    list.setRecordSource(ChequeQueries::byDate());
    list.setTotal(ChequeTable::Amount);
    list.refresh();
    RestoreWindow window(db);
    window.setPacingInterval(0);
    window.show();
    window.setFolder(folder);
    double refreshed = 0;
    QObject::connect(&window, &RestoreWindow::restored, [&] {
        QElapsedTimer timer;
        timer.start();
        list.refresh();
        refreshed = elapsedMs(timer);
    });
    auto* files = window.findChild<QListWidget*>(QStringLiteral("File1"));
    if (files->count() != 1)
        return false;
    emit files->itemClicked(files->item(0));
    QElapsedTimer timer;
    timer.start();
    window.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    const double replace = elapsedMs(timer);
    waitFor([&log] { return !log.shown().isEmpty(); });
    if (log.shown().first().icon != Messages::Icon::Information) {
        out << "restore failed: " << log.lastText() << Qt::endl;
        return false;
    }
    out << "restore: check, copy and reopen " << replace - refreshed << " ms, list read again " << refreshed << " ms ("
        << list.recordCount() << " cheques), until the message " << elapsedMs(timer) << " ms" << Qt::endl;
    return true;
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
        out << "usage: kaviro_bench_backup DIR [SOURCE]" << Qt::endl;
        return 2;
    }
    const QDir root(args.at(1));
    QDir(root).removeRecursively();
    const QString dataDir = root.filePath(QStringLiteral("data"));
    const QString backups = root.filePath(QStringLiteral("backups"));
    QDir().mkpath(dataDir);
    QDir().mkpath(backups);
    QElapsedTimer timer;
    timer.start();
    if (!prepare(dataDir, args.size() > 2 ? args.at(2) : QString(), out))
        return 1;
    const QString file = QDir(dataDir).filePath(QStringLiteral("dbase.mdb"));
    out << "database: " << QFileInfo(file).size() / 1e6 << " MB, prepared in " << elapsedMs(timer) << " ms" << Qt::endl;

    Database db(dataDir);
    if (db.open() == Database::OpenResult::Failed) {
        out << db.errorText() << Qt::endl;
        return 1;
    }
    if (!timeBackup(db, backups, out))
        return 1;
    const QString backup = QDir(backups).entryInfoList(QDir::Files).value(0).filePath();
    timer.restart();
    QString error;
    if (!DatabaseCopy::isDatabaseFile(backup, &error))
        out << error << Qt::endl;
    out << "checking the backup alone: " << elapsedMs(timer) << " ms" << Qt::endl;
    if (!timeRestore(db, backups, out))
        return 1;
    QDir(root).removeRecursively();
    return 0;
}
