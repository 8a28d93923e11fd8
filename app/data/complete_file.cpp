#include "data/complete_file.h"

#include "data/failure_text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString PartKind = QStringLiteral("part");
const QString KeepKind = QStringLiteral("keep");
constexpr int RandomLength = 6;
// The longest file name most Linux file systems take, in bytes.
constexpr int NameMax = 255;

QByteArray encoded(const QString& path)
{
    return QFile::encodeName(path);
}

QString randomPart()
{
    static const char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QString part;
    for (int i = 0; i < RandomLength; ++i)
        part += QLatin1Char(letters[QRandomGenerator::global()->bounded(int(sizeof(letters) - 1))]);
    return part;
}

// ".<name>.kaviro-<kind>-<random>" beside path: hidden, and recognisable as the program's own
// by removeLeftovers(). A long name is shortened so that the whole stays a valid file name.
QString sideName(const QString& path, const QString& kind)
{
    const QFileInfo info(path);
    const QString suffix = QStringLiteral(".kaviro-") + kind + QLatin1Char('-') + randomPart();
    QString name = info.fileName();
    while (!name.isEmpty() && encoded(QLatin1Char('.') + name + suffix).size() > NameMax)
        name.chop(1);
    return info.absolutePath() + QStringLiteral("/.") + name + suffix;
}

const QRegularExpression& leftoverPattern()
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\.(.*)\\.kaviro-(part|keep)-[a-z0-9]{%1}$").arg(RandomLength));
    return pattern;
}

// Some file systems (a few network and FUSE ones) cannot flush on request; that is no failure of
// the write.
bool flushUnsupported(int error)
{
    return error == EINVAL || error == ENOTSUP || error == EOPNOTSUPP || error == ENOSYS;
}

void syncFolder(const QString& folder)
{
    // Makes the rename itself last through a power cut. File systems that cannot do this for a
    // folder say so; the file is complete and in place all the same.
    const int fd = ::open(encoded(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

CompleteFile::CompleteFile(const QString& target, unsigned mode) : m_mode(mode)
{
    const QFileInfo info(target);
    // A link keeps pointing where it pointed: the file behind it is the one replaced.
    m_target = info.isSymLink() ? QFileInfo(info.symLinkTarget()).absoluteFilePath() : info.absoluteFilePath();
}

CompleteFile::~CompleteFile()
{
    discard();
}

bool CompleteFile::fail(const QString& reason, int error)
{
    const int fd = m_fd;
    m_fd = -1;
    if (fd >= 0)
        ::close(fd);
    if (!m_working.isEmpty())
        ::unlink(encoded(m_working).constData());
    m_working.clear();

    // A reason may bring a detail of its own on the lines under it.
    const int lineEnd = reason.indexOf(QLatin1Char('\n'));
    QString why = lineEnd < 0 ? reason : reason.left(lineEnd);
    const QString reasonDetail = lineEnd < 0 ? QString() : reason.mid(lineEnd);
    if (why.isEmpty())
        why = FailureText::reasonOf(error);
    if (why.isEmpty())
        why = QStringLiteral("نوشتن آن روی دیسک کامل نشد");
    QString sentence = QStringLiteral("فایل %1 نوشته نشد: %2.").arg(FailureText::quotedPath(m_target), why);
    if (m_targetExisted)
        sentence +=
            QStringLiteral(" فایلی که پیش‌تر به این نام بود دست نخورده ماند.");
    m_error = FailureText::withDetail(sentence + reasonDetail, error ? FailureText::systemText(error) : QString());
    return false;
}

bool CompleteFile::open()
{
    discard();
    m_error.clear();
    m_written = 0;
    const QFileInfo info(m_target);
    m_targetExisted = info.exists();
    if (info.isDir())
        return fail(QString(), EISDIR);
    // A file the user has made read-only is not replaced behind that protection.
    if (m_targetExisted && ::access(encoded(m_target).constData(), W_OK) != 0) {
        const int error = errno;
        return fail(QStringLiteral("فایل فقط خواندنی است"), error);
    }

    for (int attempt = 0; attempt < 16; ++attempt) {
        m_working = sideName(m_target, PartKind);
        m_fd = ::open(encoded(m_working).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, m_mode);
        if (m_fd >= 0 || errno != EEXIST)
            break;
    }
    if (m_fd < 0) {
        const int error = errno;
        m_working.clear();
        return fail(QString(), error);
    }
    // The mode asked for, whatever the umask lets through. Disks without owners and modes (the
    // FAT of most memory sticks) refuse this; their files are as private as the disk is.
    ::fchmod(m_fd, m_mode);
    return true;
}

bool CompleteFile::write(const char* data, qint64 size)
{
    if (m_fd < 0)
        return false;
    qint64 done = 0;
    while (done < size) {
        const ssize_t n = ::write(m_fd, data + done, size_t(size - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const int error = n < 0 ? errno : ENOSPC;
            return fail(QString(), error);
        }
        done += n;
    }
    m_written += size;
    return true;
}

bool CompleteFile::commit(const Check& check)
{
    if (m_fd < 0)
        return false;
    // A disk that takes the bytes into its cache may still refuse them when they are flushed.
    if (::fsync(m_fd) != 0 && !flushUnsupported(errno)) {
        const int error = errno;
        return fail(QString(), error);
    }
    struct stat st
    {
    };
    if (::fstat(m_fd, &st) != 0) {
        const int error = errno;
        return fail(QString(), error);
    }
    if (st.st_size != m_written)
        return fail(QStringLiteral("روی دیسک %1 بایت از %2 بایت آن هست").arg(st.st_size).arg(m_written), 0);
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0) {
        const int error = errno;
        return fail(QString(), error);
    }
    QString reason;
    if (check && !check(m_working, &reason))
        return fail(reason.isEmpty() ? QStringLiteral("فایل نوشته شده درست نبود") : reason, 0);
    if (::rename(encoded(m_working).constData(), encoded(m_target).constData()) != 0) {
        const int error = errno;
        return fail(QString(), error);
    }
    m_working.clear();
    syncFolder(QFileInfo(m_target).absolutePath());
    return true;
}

void CompleteFile::discard()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_working.isEmpty()) {
        ::unlink(encoded(m_working).constData());
        m_working.clear();
    }
}

bool CompleteFile::writeAll(const QString& target, const QByteArray& bytes, QString* error, unsigned mode)
{
    CompleteFile file(target, mode);
    const bool written = file.open() && file.write(bytes) && file.commit();
    if (!written && error)
        *error = file.errorText();
    return written;
}

bool CompleteFile::isLeftoverName(const QString& fileName)
{
    return leftoverPattern().match(fileName).hasMatch();
}

int CompleteFile::removeLeftovers(const QString& folder, const QDateTime& notAfter)
{
    const QDir dir(folder);
    int removed = 0;
    for (const QFileInfo& file : dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System)) {
        const QString name = file.fileName();
        const QRegularExpressionMatch match = leftoverPattern().match(name);
        if (!match.hasMatch() || file.lastModified() > notAfter)
            continue;
        // A kept copy may be the only copy left when the file it belongs to is gone.
        if (match.captured(2) == KeepKind && !QFileInfo::exists(dir.filePath(match.captured(1))))
            continue;
        if (QFile::remove(dir.filePath(name)))
            ++removed;
    }
    return removed;
}

KeptCopy::KeptCopy(const QString& path) : m_path(QFileInfo(path).absoluteFilePath())
{
    if (!QFileInfo::exists(m_path))
        return;
    for (int attempt = 0; attempt < 16; ++attempt) {
        const QString kept = sideName(m_path, KeepKind);
        if (::link(encoded(m_path).constData(), encoded(kept).constData()) == 0) {
            m_kept = kept;
            return;
        }
        if (errno != EEXIST)
            return;
    }
}

KeptCopy::~KeptCopy()
{
    if (!m_kept.isEmpty())
        ::unlink(encoded(m_kept).constData());
}

bool KeptCopy::putBack()
{
    if (m_kept.isEmpty())
        return false;
    if (::rename(encoded(m_kept).constData(), encoded(m_path).constData()) != 0)
        return false;
    m_kept.clear();
    syncFolder(QFileInfo(m_path).absolutePath());
    return true;
}
