#pragma once

#include <QAnyStringView>
#include <QByteArray>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QtGlobal>

#include <cerrno>
#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

// Fails the running test with message and lets it go on (a QVERIFY in a helper could only
// return from the helper). Outside a test function there is nothing to fail, so the test
// program ends with the message. Once a test has failed, what follows from that failure is
// only a warning: the first message is the one that says what went wrong.
inline void failRunningTest(const QString& message)
{
    if (!QTest::runningTest())
        qFatal("%s", qPrintable(message));
    if (QTest::currentTestFailed()) {
        qWarning("%s", qPrintable(message));
        return;
    }
    QTest::qFail(qPrintable(message), __FILE__, __LINE__);
}

#ifdef QT_WIDGETS_LIB
#include "ui/messages.h"
#endif

namespace Modal {

// The modal windows awaited (see whenModal) that have not opened yet.
inline QStringList& pending()
{
    static QStringList awaited;
    return awaited;
}

} // namespace Modal

// Gives a test program its own configuration folder, so that settings and autostart
// entries written by the tests never touch the user's. Create one before anything
// reads the settings; it lives for the whole test program. In a program with windows it
// also makes the message log fail the running test on a question with no answer queued
// and on answers left unused.
class TestEnvironment
{
public:
    TestEnvironment()
    {
        qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
        qputenv("XDG_RUNTIME_DIR", m_runtime.path().toUtf8());
#ifdef QT_WIDGETS_LIB
        Messages::MessageLog::setComplaintHandler(failRunningTest);
#endif
    }
    // A window still awaited when the test program ends never opened.
    ~TestEnvironment()
    {
        if (!Modal::pending().isEmpty())
            qFatal("awaited and never opened: %s", qPrintable(Modal::pending().join(QStringLiteral("; "))));
    }
    TestEnvironment(const TestEnvironment&) = delete;
    TestEnvironment& operator=(const TestEnvironment&) = delete;

    QString configDir() const
    {
        return m_config.path();
    }

private:
    QTemporaryDir m_config;
    QTemporaryDir m_runtime;
};

// The arguments a desktop starts for the Exec value of a desktop entry: the string escapes of the
// value first (\s \n \t \r \\), then the double quotes of the arguments with their backslash
// escapes, and "%%" for a "%". Any other "%" is a field code and reads as U+FFFD, so that it never
// compares equal to the text that was meant.
inline QStringList execArguments(const QString& value)
{
    QString line;
    for (int i = 0; i < value.size(); ++i) {
        QChar c = value.at(i);
        if (c == QLatin1Char('\\') && i + 1 < value.size()) {
            const QChar next = value.at(++i);
            const QString escapes = QStringLiteral("sntr");
            const QString meant = QStringLiteral(" \n\t\r");
            c = escapes.contains(next) ? meant.at(escapes.indexOf(next)) : next;
        }
        line += c;
    }
    QStringList arguments;
    QString current;
    bool started = false;
    bool quoted = false;
    for (int i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (c == QLatin1Char('%')) {
            const bool literal = i + 1 < line.size() && line.at(i + 1) == QLatin1Char('%');
            current += literal ? QChar(QLatin1Char('%')) : QChar(0xFFFD);
            ++i;
            started = true;
        } else if (quoted) {
            if (c == QLatin1Char('"'))
                quoted = false;
            else if (c == QLatin1Char('\\') && i + 1 < line.size())
                current += line.at(++i);
            else
                current += c;
        } else if (c == QLatin1Char('"')) {
            quoted = started = true;
        } else if (c == QLatin1Char(' ')) {
            if (started)
                arguments << current;
            current.clear();
            started = false;
        } else {
            current += c;
            started = true;
        }
    }
    if (started)
        arguments << current;
    return arguments;
}

// The value of key in the desktop entry text, or a null QString.
inline QString desktopEntryValue(const QString& entry, const QString& key)
{
    for (const QString& line : entry.split(QLatin1Char('\n')))
        if (line.startsWith(key + QLatin1Char('=')))
            return line.mid(key.size() + 1);
    return QString();
}

// While it lives, no file this process writes may grow past limit bytes: a full disk that stops
// the superuser too. The signal that would end the process is ignored, so the write that
// crosses the limit writes what fits and the next one fails.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(qint64 limit)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit next = m_old;
        next.rlim_cur = rlim_t(limit);
        setrlimit(RLIMIT_FSIZE, &next);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_old); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_old{};
};

// How a child process ended, and what it sent back.
struct ChildEnd
{
    bool exited = false;
    int signal = 0;
    QByteArray output;
};

// Runs work in a forked child of the test program, so that what it does to its process (a file
// size limit, a file system mounted for it alone, a signal that ends it midway) leaves the test
// program as it was. The child sends work's result back through a pipe and ends without running
// a destructor of the objects it shares with the test program. The test program should hold no
// open database connection while it forks.
inline ChildEnd inChild(const std::function<QByteArray()>& work)
{
    ChildEnd end;
    int ends[2];
    if (pipe(ends) != 0)
        return end;
    const pid_t pid = fork();
    if (pid == 0) {
        close(ends[0]);
        const QByteArray result = work();
        qint64 sent = 0;
        while (sent < result.size()) {
            const ssize_t n = write(ends[1], result.constData() + sent, size_t(result.size() - sent));
            if (n <= 0 && errno != EINTR)
                break;
            sent += n > 0 ? n : 0;
        }
        _exit(0);
    }
    close(ends[1]);
    char buffer[4096];
    for (;;) {
        const ssize_t n = read(ends[0], buffer, sizeof buffer);
        if (n > 0)
            end.output.append(buffer, int(n));
        else if (n == 0 || errno != EINTR)
            break;
    }
    close(ends[0]);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    end.exited = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    end.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    return end;
}

#include "data/data_control.h"
#include "data/database.h"
#include "data/table_writer.h"
#include "data/tables.h"

#include <QSqlQuery>

#include <QSqlError>
#include <QUuid>

// The engine a test program runs on: the program's test list runs some programs twice, once as
// they are and once with KAVIRO_TEST_ENGINE=postgresql, on a server whose URI is in
// KAVIRO_TEST_PG_URI (tests/pg/server starts one).
inline bool testsOnServer()
{
    return qgetenv("KAVIRO_TEST_ENGINE") == "postgresql";
}

// A database of its own on the test server, made empty and dropped at the end, so that test
// programs running side by side never meet. Nothing when the tests run on the local file.
class ServerTestDatabase
{
public:
    ServerTestDatabase()
    {
        if (!testsOnServer())
            return;
        QString error;
        if (!RegisterLocation::parse(QString::fromUtf8(qgetenv("KAVIRO_TEST_PG_URI")), &m_admin, &error))
            qFatal("KAVIRO_TEST_ENGINE=postgresql needs the URI of a test server in KAVIRO_TEST_PG_URI "
                   "(tests/pg/server runs a command beside one): %s",
                   qPrintable(error));
        m_location = m_admin;
        m_location.database = QStringLiteral("kaviro_") + QUuid::createUuid().toString(QUuid::Id128);
        run(QStringLiteral("CREATE DATABASE ") + m_location.database);
    }
    ~ServerTestDatabase()
    {
        if (testsOnServer())
            run(QStringLiteral("DROP DATABASE IF EXISTS ") + m_location.database + QStringLiteral(" WITH (FORCE)"));
    }
    ServerTestDatabase(const ServerTestDatabase&) = delete;
    ServerTestDatabase& operator=(const ServerTestDatabase&) = delete;

    const RegisterLocation& location() const { return m_location; }
    // The server the test databases are made on, with its own database.
    const RegisterLocation& admin() const { return m_admin; }

private:
    void run(const QString& sql)
    {
        const QString name = QStringLiteral("kaviro-test-admin");
        {
            QSqlDatabase db = QSqlDatabase::contains(name) ? QSqlDatabase::database(name, false)
                                                           : QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
            db.setHostName(m_admin.host);
            db.setPort(m_admin.port);
            db.setUserName(m_admin.user);
            db.setPassword(m_admin.password);
            db.setDatabaseName(m_admin.database);
            db.setConnectOptions(m_admin.connectOptions());
            if (!db.isOpen() && !db.open())
                qFatal("the test server does not answer: %s", qPrintable(db.lastError().text()));
            QSqlQuery query(db);
            if (!query.exec(sql))
                qFatal("%s: %s", qPrintable(sql), qPrintable(query.lastError().text()));
        }
    }

    RegisterLocation m_admin;
    RegisterLocation m_location;
};

// A new register in a temporary data folder, or in a database of its own on the test server
// (see testsOnServer()), open for the life of the object.
class TestDatabase
{
public:
    TestDatabase() : m_db(m_dir.path(), m_server.location()) { m_opened = m_db.open(); }
    Database::OpenResult opened() const { return m_opened; }
    Database& db() { return m_db; }
    QString dir() const { return m_dir.path(); }
    const RegisterLocation& location() const { return m_server.location(); }

    // Adds a cheque with the columns given; the rest stay empty.
    qint64 addCheque(const Fields& fields)
    {
        qint64 id = -1;
        TableWriter(m_db, ChequeTable::Name).insert(fields, &id);
        return id;
    }

private:
    QTemporaryDir m_dir;
    ServerTestDatabase m_server;
    Database m_db;
    Database::OpenResult m_opened = Database::OpenResult::Failed;
};

// Makes every insert into table fail with message, on either engine: a table locked against
// the program's writes, to see that a step which fails leaves the others undone.
inline bool refuseInserts(Database& database, const QString& table, const QString& message)
{
    QStringList statements;
    if (database.isServer())
        statements << QStringLiteral("CREATE FUNCTION refuse_%1() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN "
                                     "RAISE EXCEPTION '%2'; END $$")
                          .arg(table, message)
                   << QStringLiteral("CREATE TRIGGER %1_refused BEFORE INSERT ON %1 FOR EACH ROW EXECUTE FUNCTION "
                                     "refuse_%1()")
                          .arg(table);
    else
        statements << QStringLiteral(
                          "CREATE TRIGGER %1_refused BEFORE INSERT ON %1 BEGIN SELECT RAISE(ABORT, '%2'); END")
                          .arg(table, message);
    for (const QString& statement : statements) {
        QSqlQuery query(database.connection());
        if (!query.exec(statement)) {
            failRunningTest(query.lastError().text());
            return false;
        }
    }
    return true;
}

// Skips a test of what only the local file has (its place on disk, its pages).
#define SKIP_ON_SERVER()                                                                                               \
    do {                                                                                                               \
        if (testsOnServer())                                                                                           \
            QSKIP("a test of the local file");                                                                         \
    } while (false)

// The single value of a query, or an invalid QVariant.
inline QVariant scalar(Database& database, const QString& sql)
{
    QSqlQuery query(database.connection());
    return query.exec(sql) && query.next() ? query.value(0) : QVariant();
}

#ifdef QT_WIDGETS_LIB
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>

// The control of a window (or of any object) with the given objectName. A missing control
// ends the test program with its name, since every later step would only fail less clearly.
template <typename T> T* control(const QObject* window, QAnyStringView name)
{
    T* found = window->findChild<T*>(name.toString());
    if (!found)
        qFatal("no %s named %s in %s", T::staticMetaObject.className(), qPrintable(name.toString()),
               qPrintable(window->objectName()));
    return found;
}

template <typename T> T* control(const QObject& window, QAnyStringView name)
{
    return control<T>(&window, name);
}

namespace Modal {

// How long the modal helper waits for its window.
constexpr int WaitMs = 5000;

inline QString runningTest()
{
    if (!QTest::runningTest())
        return QString();
    QString test = QString::fromLatin1(QTest::currentTestFunction());
    if (const char* tag = QTest::currentDataTag(); tag && *tag)
        test += QLatin1Char('(') + QString::fromUtf8(tag) + QLatin1Char(')');
    return test;
}

inline QString describe(const QWidget* window)
{
    return window->objectName() + QStringLiteral(" \"") + window->windowTitle() + QLatin1Char('"');
}

// Whatever modal window is open ends, so that the exec() a test is held in returns.
inline void close(QWidget* window)
{
    if (auto* dialog = qobject_cast<QDialog*>(window))
        dialog->done(QDialog::Rejected);
    else
        window->close();
}

} // namespace Modal

// Runs action on the next modal window (the next one of that objectName, when a name is
// given) as soon as it is open. For code paths that go through a real exec(): the action
// must close the window. The wait fails the test when the window has not opened within a few
// seconds (closing what is open instead, so that the test is not held for ever) or when its
// test ends first; an action that leaves its window open fails the test too.
inline void whenModal(std::function<void(QWidget*)> action, const QString& name = QString(), int waitMs = Modal::WaitMs)
{
    const QString awaited =
        (name.isEmpty() ? QStringLiteral("A modal window") : QStringLiteral("The modal window ") + name) +
        QStringLiteral(", awaited by ") + Modal::runningTest() + QStringLiteral(",");
    Modal::pending() << awaited;
    auto* timer = new QTimer;
    timer->setInterval(10);
    QElapsedTimer waited;
    waited.start();
    const QString test = Modal::runningTest();
    QObject::connect(timer, &QTimer::timeout, [timer, action, name, awaited, test, waited, waitMs] {
        auto finish = [timer, awaited] {
            timer->stop();
            timer->deleteLater();
            Modal::pending().removeOne(awaited);
        };
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && (name.isEmpty() || modal->objectName() == name)) {
            finish();
            const QPointer<QWidget> window = modal;
            action(modal);
            if (window && window->isVisible()) {
                failRunningTest(QStringLiteral("The action on ") + Modal::describe(window) +
                                QStringLiteral(" left it open"));
                Modal::close(window);
            }
            return;
        }
        const bool testOver = Modal::runningTest() != test;
        if (!testOver && waited.elapsed() < waitMs)
            return;
        finish();
        QString message = awaited + (testOver ? QStringLiteral(" never opened while that test ran")
                                              : QStringLiteral(" did not open within %1 ms").arg(waitMs));
        if (modal)
            message += QStringLiteral("; open instead: ") + Modal::describe(modal);
        failRunningTest(message);
        if (modal && !testOver)
            Modal::close(modal);
    });
    timer->start();
}
#endif
