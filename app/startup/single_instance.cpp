#include "startup/single_instance.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

// QLockFile creates its file and only then takes the advisory lock on it, so a file a moment old
// that nobody holds may belong to a copy starting this very instant; such a file is given this
// long to be taken before it counts as left over.
constexpr qint64 StartingCopyGraceMs = 1000;
constexpr int ProbePauseMs = 50;
// A copy that starts while another takes over a left-over file may lose the race once or twice.
constexpr int Attempts = 4;

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

SingleInstance::SingleInstance(const QString& programName) : m_path(lockFilePathFor(programName)), m_lock(m_path)
{
    // The program stays open for hours: a lock must never turn stale by its age while its copy
    // still runs. Whether it runs is asked of the system's lock instead (see lock()).
    m_lock.setStaleLockTime(0);
}

SingleInstance::Result SingleInstance::lock()
{
    m_error.clear();
    if (m_lock.isLocked())
        return Result::Locked;
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        if (m_lock.tryLock(0))
            return Result::Locked;
        if (m_lock.error() != QLockFile::LockFailedError) {
            m_error = QStringLiteral("فايل قفل برنامه ساخته نشد: ") + m_path;
            return Result::Failed;
        }
        int held = -1;
        const Holder holder = probeHolder(&held);
        if (holder == Holder::RunningCopy)
            return Result::HeldByRunningCopy;
        // Removed while this process holds the file's lock, so that a copy probing it at the
        // same moment sees it held and does not remove the new file made next.
        const bool removed = holder == Holder::Nobody && removeLeftOver();
        if (held >= 0)
            ::close(held);
        if (!removed) {
            if (m_error.isEmpty())
                m_error = QStringLiteral("فايل قفل برنامه قابل بررسي نيست: ") + m_path;
            return Result::Failed;
        }
    }
    return Result::HeldByRunningCopy;
}

SingleInstance::Holder SingleInstance::probeHolder(int* heldDescriptor) const
{
    const QByteArray path = QFile::encodeName(m_path);
    for (;;) {
        const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
        if (fd < 0) {
            // Gone already: the next attempt makes it. A file this user may not even read was not
            // made by a copy of this user's program.
            return errno == ENOENT || errno == EACCES || errno == EPERM ? Holder::Nobody : Holder::Unknown;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            ::close(fd);
            return error == EWOULDBLOCK ? Holder::RunningCopy : Holder::Unknown;
        }
        const QDateTime modified = QFileInfo(m_path).lastModified();
        const qint64 age = modified.isValid() ? modified.msecsTo(QDateTime::currentDateTime()) : StartingCopyGraceMs;
        if (age >= StartingCopyGraceMs || age < 0) {
            *heldDescriptor = fd;
            return Holder::Nobody;
        }
        ::close(fd);
        QThread::msleep(ProbePauseMs);
    }
}

bool SingleInstance::removeLeftOver()
{
    if (::unlink(QFile::encodeName(m_path).constData()) == 0 || errno == ENOENT)
        return true;
    m_error = QStringLiteral("فايل قفل برنامه حذف نشد: ") + m_path + QStringLiteral(" (") + systemError(errno) +
              QLatin1Char(')');
    return false;
}

QString SingleInstance::lockFilePathFor(const QString& programName)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return QDir(folder).filePath(programName + QLatin1String(".lock"));
}
