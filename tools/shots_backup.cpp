// The backup and restore windows, on a folder that already holds a few backups.
#include "backup/backup_window.h"
#include "backup/restore_window.h"
#include "cheques/main_window.h"
#include "data/database.h"
#include "shots.h"
#include "testing.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>

namespace {

QString backupFolder(const ShotContext& context)
{
    const QDir data(context.db.dataDir());
    const QString folder = data.filePath(QStringLiteral("backups"));
    QDir().mkpath(folder);
    QDir(folder).mkdir(QStringLiteral("نسخه پشتيبان"));
    for (const char* name : {"14050901.bak", "14050915.bak", "14050930.bak"})
        QFile::copy(context.db.filePath(), QDir(folder).filePath(QString::fromLatin1(name)));
    return folder;
}

// The folder list is read on a thread of its own; it is given a moment to fill in.
void settle()
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 400)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
}

const ShotRegistrar backupShot("backup", [](ShotContext& context) {
    const QString folder = backupFolder(context);
    BackupWindow window(context.db, &context.main);
    window.show();
    window.setFolder(folder);
    settle();
    grabInto(window, context, QStringLiteral("backup"));
});

const ShotRegistrar restoreShot("restore", [](ShotContext& context) {
    const QString folder = backupFolder(context);
    RestoreWindow window(context.db, &context.main);
    window.show();
    window.setFolder(folder);
    // The newest backup chosen, as the user would before restoring it.
    auto* files = control<QListWidget>(window, "File1");
    files->setCurrentRow(files->count() - 1);
    emit files->itemClicked(files->currentItem());
    settle();
    grabInto(window, context, QStringLiteral("restore"));
});

} // namespace
