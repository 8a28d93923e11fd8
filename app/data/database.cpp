#include "data/database.h"

#include "data/complete_file.h"
#include "data/failure_text.h"
#include "data/postgres_engine.h"
#include "data/schema.h"
#include "data/search_index.h"
#include "data/sqlite_engine.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlDriver>
#include <QSqlError>
#include <QTimer>
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

Database::Database(const QString& dataDir, const RegisterLocation& location)
    : m_dataDir(QDir(dataDir).absolutePath()),
      m_connectionName(QStringLiteral("kaviro-") + QUuid::createUuid().toString(QUuid::WithoutBraces)),
      m_location(location)
{
    if (location.server)
        m_engine = std::make_unique<PostgresEngine>(location.connectOptions());
    else
        m_engine = std::make_unique<SqliteEngine>();
}

Database::~Database()
{
    close();
}

SearchIndex& Database::searchIndex()
{
    if (!m_searchIndex)
        m_searchIndex = std::make_unique<SearchIndex>(*m_engine);
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
    QSqlDatabase db = QSqlDatabase::addDatabase(m_engine->driverName(), m_connectionName);
    if (m_location.server) {
        db.setHostName(m_location.host);
        db.setPort(m_location.port);
        db.setUserName(m_location.user);
        // An empty password leaves libpq to find one in ~/.pgpass.
        db.setPassword(m_location.password);
        db.setDatabaseName(m_location.database);
    } else {
        db.setDatabaseName(m_filePath);
    }
    db.setConnectOptions(m_engine->connectOptions(false));
    return startConnection(db);
}

bool Database::startConnection(QSqlDatabase& db)
{
    if (!db.open()) {
        m_error = FailureText::withDetail(
            m_location.server ? QStringLiteral("بانک اطلاعاتی سرور %1 باز نمی‌شود.")
                                    .arg(quoted(m_filePath))
                              : QStringLiteral("فایل بانک اطلاعاتی %1 باز نمی‌شود.")
                                    .arg(quoted(m_filePath)),
            db.lastError().text());
        return false;
    }
    m_engine->setUp(db, false);
    return true;
}

bool Database::hasAllTables()
{
    QString error;
    const QStringList problems = m_engine->schemaProblems(connection(), &error);
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

Database::OpenResult Database::openServer()
{
    m_filePath = m_location.uri();
    if (!openConnection()) {
        close();
        return OpenResult::Failed;
    }
    QString error;
    const bool empty = m_engine->isEmpty(connection(), &error);
    if (!error.isEmpty()) {
        m_error = FailureText::withDetail(
            QStringLiteral("بانک اطلاعاتی سرور %1 خوانده نمی‌شود.")
                .arg(quoted(m_filePath)),
            error);
        close();
        return OpenResult::Failed;
    }
    if (empty) {
        QSqlDatabase db = connection();
        if (!m_engine->createSchema(db, &error)) {
            m_error = FailureText::withDetail(
                QStringLiteral(
                    "جدول‌های دفتر چک در بانک اطلاعاتی سرور %1 ساخته نشد.")
                    .arg(quoted(m_filePath)),
                error);
            close();
            return OpenResult::Failed;
        }
        return OpenResult::Created;
    }
    // A database that holds something else is refused and left as it is.
    if (!hasAllTables()) {
        close();
        return OpenResult::Failed;
    }
    return OpenResult::Opened;
}

Database::OpenResult Database::open()
{
    close();
    m_error.clear();
    if (m_location.server)
        return openServer();
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
            return m_engine->createSchema(db, &error);
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
    m_watcher.reset();
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

bool Database::reconnect()
{
    m_searchIndex.reset();
    if (!QSqlDatabase::contains(m_connectionName))
        return open() != OpenResult::Failed;
    QSqlDatabase db = connection();
    db.close();
    m_error.clear();
    return startConnection(db);
}

ChangeWatcher& Database::changes()
{
    if (!m_watcher)
        m_watcher = std::make_unique<ChangeWatcher>(*this);
    return *m_watcher;
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
    // A server keeps its own files.
    if (m_location.server)
        return isOpen();
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
    m_inTransaction = true;
    const bool worked = work();
    m_inTransaction = false;
    if (!worked) {
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

namespace {

// Often enough that another PC's change shows within two seconds.
constexpr int LookIntervalMs = 1000;

const QString LostText = QStringLiteral("ارتباط با سرور بانک اطلاعاتی %1 قطع شد.") + QLatin1Char(' ') +
                         QStringLiteral("آنچه نوشته‌اید در پنجره‌ها می‌ماند؛") +
                         QLatin1Char(' ') +
                         QStringLiteral("برنامه پیوسته دوباره وصل می‌شود.");

} // namespace

ChangeWatcher::ChangeWatcher(Database& database) : m_database(database), m_timer(new QTimer(this))
{
    m_timer->setInterval(LookIntervalMs);
    connect(m_timer, &QTimer::timeout, this, &ChangeWatcher::look);
    m_timer->start();
    m_state = m_database.engine().othersState(m_database.connection());
    subscribe();
}

void ChangeWatcher::subscribe()
{
    const QString channel = m_database.engine().changeNotification();
    if (channel.isEmpty() || !m_database.isOpen())
        return;
    QSqlDriver* driver = m_database.connection().driver();
    if (!driver->subscribedToNotifications().contains(channel) && !driver->subscribeToNotification(channel))
        return;
    if (m_subscribed != channel) {
        connect(driver, &QSqlDriver::notification, this,
                [this](const QString& name, QSqlDriver::NotificationSource source, const QVariant&) {
                    if (source == QSqlDriver::OtherSource)
                        onNotification(name);
                });
        m_subscribed = channel;
    }
}

void ChangeWatcher::onNotification(const QString& name)
{
    if (name == m_subscribed)
        emit changedElsewhere();
}

void ChangeWatcher::look()
{
    if (!m_database.isOpen() && !m_lost)
        return;
    const SqlEngine& engine = m_database.engine();
    if (m_lost) {
        // A server out of reach may hold each try for the connection's time-out: tried less often.
        constexpr int TicksBetweenTries = 5;
        if (++m_ticksLost % TicksBetweenTries != 1 && !m_tryAtOnce)
            return;
        m_tryAtOnce = false;
        if (!m_database.reconnect())
            return;
        m_lost = false;
        m_subscribed.clear();
        subscribe();
        m_state = engine.othersState(m_database.connection());
        emit reconnected();
        // What the other PCs wrote meanwhile was not heard.
        emit changedElsewhere();
        return;
    }
    // A transaction of this PC's own is not looked into.
    if (m_database.inOwnTransaction())
        return;
    const QString state = engine.othersState(m_database.connection());
    if (state.isEmpty()) {
        // Only a server goes away under a connection that was open.
        if (!m_database.isServer())
            return;
        m_lost = true;
        m_ticksLost = 0;
        m_tryAtOnce = true;
        const QString text = LostText.arg(FailureText::quotedPath(m_database.filePath()));
        emit lost(FailureText::withDetail(text, m_database.connection().lastError().text()));
        return;
    }
    // The server tells of other PCs' writes itself; the local file's state is its data version,
    // which this PC's own writes do not move.
    if (m_subscribed.isEmpty() && state != m_state)
        emit changedElsewhere();
    m_state = state;
}
