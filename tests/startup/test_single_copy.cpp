#include "startup/login_window.h"
#include "startup/single_instance.h"
#include "testing.h"
#include "ui/messages.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <QtTest>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

const QString Running = QStringLiteral(" .نرم افزار کاويرو فعال ميباشد ");
const char* HoldLock = "--hold-lock";

// A lock file as a copy that ended without removing it would leave it, written ageSecs ago.
void leaveLockFile(const QString& path, const QByteArray& text, int ageSecs)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(text), qint64(text.size()));
    QVERIFY(file.flush());
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-ageSecs), QFileDevice::FileModificationTime));
    file.close();
}

// Another copy of the program in a process of its own: this test program started with
// --hold-lock, which takes the lock as the program does at start and keeps it until killed.
class OtherCopy
{
public:
    bool start()
    {
        m_process.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(HoldLock)});
        return m_process.waitForStarted() && m_process.waitForReadyRead(10000) &&
               m_process.readAll().startsWith("locked");
    }
    void kill()
    {
        m_process.kill();
        m_process.waitForFinished();
    }
    ~OtherCopy()
    {
        if (m_process.state() != QProcess::NotRunning)
            kill();
    }

private:
    QProcess m_process;
};

} // namespace

class TestSingleCopy : public QObject
{
    Q_OBJECT

private:
    TestEnvironment m_env;
    std::unique_ptr<Messages::MessageLog> m_log;
    const QString m_path = SingleInstance::lockFilePathFor(QStringLiteral("KAVIRO"));

private slots:
    void init()
    {
        QFile::remove(m_path);
        m_log = std::make_unique<Messages::MessageLog>();
    }
    void cleanup()
    {
        QFile(m_path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        QFile::remove(m_path);
        QDir(m_path).removeRecursively();
        m_log.reset();
    }

    void leftOverLockNeverBlocksTheStart_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("unreadable");
        QTest::addColumn<bool>("recent");
        const QByteArray host = QSysInfo::machineHostName().toUtf8();
        const QByteArray self = QByteArray::number(QCoreApplication::applicationPid()) + '\n' +
                                QFileInfo(QCoreApplication::applicationFilePath()).fileName().toUtf8() + '\n' + host +
                                '\n';
        QTest::newRow("empty") << QByteArray() << false << false;
        QTest::newRow("not a lock's text") << QByteArray("\x01\xff\xfe garbage\n\n\n\n", 16) << false << false;
        QTest::newRow("unreadable") << QByteArray("12345\nKAVIRO\n\n") << true << false;
        QTest::newRow("another host") << QByteArray("4242\nKAVIRO\nshop-laptop\n") << false << false;
        QTest::newRow("process gone") << QByteArray("999999999\nKAVIRO\n" + host + "\n") << false << false;
        // The number now belongs to a running program (this test), which holds no lock.
        QTest::newRow("number of a running program") << self << false << false;
        QTest::newRow("written a moment ago") << QByteArray() << false << true;
    }

    void leftOverLockNeverBlocksTheStart()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, unreadable);
        QFETCH(bool, recent);
        leaveLockFile(m_path, text, recent ? 0 : 60);
        if (unreadable)
            QVERIFY(QFile(m_path).setPermissions(QFileDevice::Permissions()));

        SingleInstance instance;
        QVERIFY(ensureSingleCopy(instance));
        QVERIFY(instance.isLocked());
        QVERIFY(m_log->shown().isEmpty());

        // The file taken over is this copy's lock now: the next start is refused.
        SingleInstance next;
        QCOMPARE(next.lock(), SingleInstance::Result::HeldByRunningCopy);
    }

    void aRunningCopyIsRefusedUntilItIsGone()
    {
        OtherCopy other;
        QVERIFY(other.start());
        QVERIFY(QFile::exists(m_path));

        SingleInstance instance;
        QVERIFY(!ensureSingleCopy(instance));
        QCOMPARE(m_log->shown().size(), 1);
        QCOMPARE(m_log->shown().first().icon, Messages::Icon::Critical);
        QCOMPARE(m_log->lastText(), Running);
        QVERIFY(!instance.isLocked());

        // Killed, it leaves its file behind, and the next start takes it over.
        other.kill();
        QVERIFY(QFile::exists(m_path));
        m_log->clear();
        QVERIFY(ensureSingleCopy(instance));
        QVERIFY(m_log->shown().isEmpty());
    }

    // A lock that cannot be made is said as it is, not as a copy that runs.
    void aLockThatCannotBeMadeIsNamed()
    {
        // A folder where the file belongs can be neither opened as a lock nor removed, even by root.
        QVERIFY(QDir().mkpath(m_path));
        SingleInstance instance;
        QVERIFY(!ensureSingleCopy(instance));
        QCOMPARE(m_log->shown().size(), 1);
        QCOMPARE(m_log->shown().first().icon, Messages::Icon::Critical);
        QVERIFY(m_log->lastText() != Running);
        QVERIFY(m_log->lastText().contains(m_path));
    }
};

int main(int argc, char* argv[])
{
    if (argc == 2 && std::strcmp(argv[1], HoldLock) == 0) {
        QCoreApplication app(argc, argv);
        SingleInstance instance;
        if (!instance.tryLock())
            return 2;
        std::puts("locked");
        std::fflush(stdout);
        for (;;)
            QThread::sleep(60);
    }
    QApplication app(argc, argv);
    TestSingleCopy test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_single_copy.moc"
