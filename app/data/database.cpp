#include "data/database.h"

#include "data/complete_file.h"
#include "data/failure_text.h"
#include "data/schema.h"
#include "data/search_index.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString FileName = QStringLiteral("dbase.mdb");

quint64 inodeOf(const QString& path)
{
    struct stat st
    {
    };
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return 0;
    return static_cast<quint64>(st.st_ino);
}

// An empty file is an empty database to SQLite. Making it first gives it the owner-only mode,
// which SQLite would not (and which its journal then takes over from it).
int createPrivateFile(const QString& path)
{
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, CompleteFile::PrivateMode);
    if (fd < 0)
        return errno;
    // Disks without modes refuse this; the file is then as private as the disk is.
    ::fchmod(fd, CompleteFile::PrivateMode);
    return ::close(fd) == 0 ? 0 : errno;
}

QString quoted(const QString& path)
{
    return FailureText::quotedPath(path);
}

} // namespace

Database::Database(const QString& dataDir)
    : m_dataDir(QDir(dataDir).absolutePath()),
      m_connectionName(QStringLiteral("kaviro-") + QUuid::createUuid().toString(QUuid::WithoutBraces))
{}

Database::~Database()
{
    close();
}

SearchIndex& Database::searchIndex()
{
    if (!m_searchIndex)
        m_searchIndex = std::make_unique<SearchIndex>();
    return *m_searchIndex;
}

QString Database::locateFile(const QString& dataDir)
{
    const QDir dir(dataDir);
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& entry : entries) {
        if (entry.compare(FileName, Qt::CaseInsensitive) == 0)
            return dir.absoluteFilePath(entry);
    }
    return dir.absoluteFilePath(FileName);
}

bool Database::openConnection()
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    db.setDatabaseName(m_filePath);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=3000"));
    return startConnection(db);
}

bool Database::startConnection(QSqlDatabase& db)
{
    if (!db.open()) {
        m_error = FailureText::withDetail(
            QStringLiteral("فایل بانک اطلاعاتی %1 باز نمی‌شود.").arg(quoted(m_filePath)),
            db.lastError().text());
        return false;
    }
    // A connection setting only; the file is not changed by it. Scans of a large register
    // (the figures of a list, a search snapshot) go faster with a larger page cache.
    QSqlQuery pragmas(db);
    pragmas.exec(QStringLiteral("PRAGMA cache_size = -16384"));
    return true;
}

bool Database::hasAllTables()
{
    QString error;
    const QStringList problems = Schema::problems(connection(), &error);
    if (!error.isEmpty()) {
        m_error = FailureText::withDetail(
            QStringLiteral("فایل بانک اطلاعاتی %1 خوانده نمی‌شود.")
                .arg(quoted(m_filePath)),
            error);
        return false;
    }
    if (problems.isEmpty())
        return true;
    m_error = QStringLiteral("فایل %1 بانک اطلاعاتی کاویرو نیست: %2.")
                  .arg(quoted(m_filePath), problems.join(QStringLiteral("؛ ")));
    return false;
}

int Database::removeLeftovers(const QString& dataDir)
{
    int removed = CompleteFile::removeLeftovers(dataDir, QDateTime::currentDateTime());
    // Earlier versions kept the replaced database under this name during a restore. With the
    // database back in its place, the second name is only a copy of an old file.
    static const QRegularExpression previous(
        QStringLiteral("^\\.dbase-previous-[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}$"));
    if (!QFileInfo::exists(locateFile(dataDir)))
        return removed;
    const QDir dir(dataDir);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (previous.match(name).hasMatch() && QFile::remove(dir.filePath(name)))
            ++removed;
    }
    return removed;
}

Database::OpenResult Database::open()
{
    close();
    m_error.clear();
    if (!QDir().mkpath(m_dataDir)) {
        m_error = QStringLiteral("پوشه اطلاعات %1 ساخته نمی‌شود.").arg(quoted(m_dataDir));
        return OpenResult::Failed;
    }
    m_filePath = locateFile(m_dataDir);
    const bool existed = QFileInfo::exists(m_filePath);
    if (existed && !QFileInfo(m_filePath).isReadable()) {
        m_error = QStringLiteral("فایل بانک اطلاعاتی %1 خواندنی نیست.").arg(quoted(m_filePath));
        return OpenResult::Failed;
    }
    if (!existed) {
        if (const int error = createPrivateFile(m_filePath)) {
            QString reason = FailureText::reasonOf(error);
            m_error = FailureText::withDetail(
                QStringLiteral("بانک اطلاعاتی تازه در %1 ساخته نشد%2.")
                    .arg(quoted(m_filePath), reason.isEmpty() ? QString() : QStringLiteral(": ") + reason),
                FailureText::systemText(error));
            return OpenResult::Failed;
        }
    }
    if (!openConnection()) {
        close();
        if (!existed)
            QFile::remove(m_filePath);
        return OpenResult::Failed;
    }
    if (!existed) {
        QString error;
        const bool created = [&] {
            QSqlDatabase db = connection();
            return Schema::create(db, &error);
        }();
        if (!created) {
            m_error = FailureText::withDetail(
                QStringLiteral("بانک اطلاعاتی تازه در %1 ساخته نشد.").arg(quoted(m_filePath)), error);
            close();
            QFile::remove(m_filePath);
            return OpenResult::Failed;
        }
        m_inode = inodeOf(m_filePath);
        return OpenResult::Created;
    }
    if (!hasAllTables()) {
        close();
        return OpenResult::Failed;
    }
    m_inode = inodeOf(m_filePath);
    return OpenResult::Opened;
}

void Database::close()
{
    if (QSqlDatabase::contains(m_connectionName)) {
        {
            QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(m_connectionName);
    }
    m_inode = 0;
    m_searchIndex.reset();
}

void Database::suspend()
{
    m_searchIndex.reset();
    if (QSqlDatabase::contains(m_connectionName)) {
        QSqlDatabase db = connection();
        db.close();
    }
    m_inode = 0;
}

bool Database::resume()
{
    if (!QSqlDatabase::contains(m_connectionName))
        return open() != OpenResult::Failed;
    m_error.clear();
    // A snapshot read from the old file would pass for current: a fresh connection counts
    // its changes from zero again.
    m_searchIndex.reset();
    QSqlDatabase db = connection();
    db.close();
    if (!startConnection(db))
        return false;
    if (!hasAllTables()) {
        db.close();
        return false;
    }
    m_inode = inodeOf(m_filePath);
    return true;
}

bool Database::isOpen() const
{
    return QSqlDatabase::contains(m_connectionName) && connection().isOpen();
}

QSqlDatabase Database::connection() const
{
    return QSqlDatabase::database(m_connectionName, false);
}

bool Database::fileStillInPlace() const
{
    return m_inode != 0 && inodeOf(m_filePath) == m_inode;
}

bool Database::inTransaction(const std::function<bool()>& work, QString* error)
{
    QSqlDatabase db = connection();
    if (!db.transaction()) {
        if (error)
            *error = db.lastError().text();
        return false;
    }
    if (!work()) {
        db.rollback();
        return false;
    }
    if (!db.commit()) {
        if (error)
            *error = db.lastError().text();
        db.rollback();
        return false;
    }
    return true;
}
