#include "startup/single_instance.h"

#include <QDir>
#include <QStandardPaths>

SingleInstance::SingleInstance(const QString& programName) : m_path(lockFilePathFor(programName)), m_lock(m_path)
{
    // The program stays open for hours: a lock must never turn stale by its age while its copy
    // still runs. Only a lock whose process is gone is taken over.
    m_lock.setStaleLockTime(0);
}

bool SingleInstance::tryLock()
{
    if (m_lock.isLocked())
        return true;
    return m_lock.tryLock(0);
}

QString SingleInstance::lockFilePathFor(const QString& programName)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return QDir(folder).filePath(programName + QLatin1String(".lock"));
}
