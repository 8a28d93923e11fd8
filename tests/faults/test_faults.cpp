// Faults on the way of every file the program writes: a full disk (a file-size limit, which
// stops the superuser too, and where it can be made a small file system of its own), a write
// killed midway, files that are not a register of this program, a damaged register. Each
// write runs in a child process, so that the fault it meets never reaches the test program.
#include "backup/backup_window.h"
#include "backup/restore_window.h"
#include "cheques/main_window.h"
#include "data/cheque_export.h"
#include "data/cheque_queries.h"
#include "data/complete_file.h"
#include "data/data_control.h"
#include "data/database.h"
#include "data/database_copy.h"
#include "data/integrity_check.h"
#include "settings/autostart.h"
#include "settings/settings_store.h"
#include "startup/damage_warning.h"
#include "startup/start_cleanup.h"
#include "ui/messages.h"

#include "backup/backup_testing.h"
#include "testing.h"

#include <QCheckBox>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QUuid>
#include <QtTest>

#include <memory>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/statvfs.h>

namespace {

constexpr qint64 KiB = 1024;
constexpr qint64 MiB = 1024 * KiB;
// Below this size QFileDevice keeps a write in its buffer and writes it out only at the end.
constexpr qint64 BufferedWrite = 16 * KiB;

enum class Fault
{
    FileSizeLimit,
    SmallDisk
};

// What a child process found wrong, sent back as its report; "ok" when nothing was.
struct Findings
{
    QStringList problems;

    void expect(bool ok, const QString& what)
    {
        if (!ok)
            problems << what;
    }
    QByteArray report() const { return problems.isEmpty() ? QByteArray("ok") : problems.join('\n').toUtf8(); }
};

QStringList entriesOf(const QString& folder)
{
    QStringList names =
        QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::Dirs | QDir::NoDotAndDotDot);
    names.sort();
    return names;
}

bool isArabicScript(QChar c)
{
    return c.unicode() >= 0x0600 && c.unicode() <= 0x06FF;
}

// A write that did not happen was said to have failed, in a Persian sentence naming the file.
void expectRefused(Findings& found, bool done, const QString& error, const QString& target)
{
    found.expect(!done, QStringLiteral("reported as done"));
    const QString firstLine = error.section(QLatin1Char('\n'), 0, 0);
    found.expect(!firstLine.isEmpty() && isArabicScript(firstLine.at(0)),
                 QStringLiteral("not a Persian sentence: ") + error);
    found.expect(firstLine.contains(QDir::toNativeSeparators(target)),
                 QStringLiteral("does not name ") + target + QStringLiteral(": ") + error);
}

void expectUntouched(Findings& found, const QString& path, const QByteArray& before)
{
    found.expect(bytesOf(path) == before, path + QStringLiteral(" was changed"));
}

void expectOnly(Findings& found, const QString& folder, const QStringList& names)
{
    const QStringList there = entriesOf(folder);
    found.expect(there == names, QStringLiteral("left in the folder: ") + there.join(QLatin1String(", ")));
}

// In a child: folder becomes a file system of its own, which only this process sees and which
// goes with it.
QByteArray mountSmallDisk(const QString& folder)
{
    const QByteArray path = QFile::encodeName(folder);
    if (unshare(CLONE_NEWNS) != 0 || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        mount("tmpfs", path.constData(), "tmpfs", 0, "size=64m") != 0)
        return QByteArray("skip: no file system can be mounted here: ") + std::strerror(errno);
    return QByteArray();
}

// Shrinks the file system at folder to what it holds now and room bytes more (whole pages).
bool leaveRoom(const QString& folder, qint64 room)
{
    const QByteArray path = QFile::encodeName(folder);
    struct statvfs fs
    {
    };
    if (statvfs(path.constData(), &fs) != 0)
        return false;
    const qint64 page = qint64(fs.f_frsize);
    const qint64 used = qint64(fs.f_blocks - fs.f_bfree) * page;
    const QByteArray size = "size=" + QByteArray::number(used + room / page * page);
    return mount("tmpfs", path.constData(), "tmpfs", MS_REMOUNT, size.constData()) == 0;
}

// In a child process: setup, then the fault with room bytes left, then act, which reports.
QByteArray underFault(Fault fault, const QString& folder, qint64 room, const std::function<void()>& setup,
                      const std::function<QByteArray()>& act)
{
    const ChildEnd end = inChild([&]() -> QByteArray {
        if (fault == Fault::SmallDisk) {
            const QByteArray refused = mountSmallDisk(folder);
            if (!refused.isEmpty())
                return refused;
        }
        setup();
        if (fault == Fault::SmallDisk) {
            if (!leaveRoom(folder, room))
                return QByteArray("the file system was not shrunk");
            return act();
        }
        FileSizeLimit limit(room);
        return act();
    });
    if (!end.exited)
        return QByteArray("the child process died of signal ") + QByteArray::number(end.signal);
    return end.output;
}

qint64 lastWriteOf(qint64 size)
{
    const qint64 rest = size % DatabaseCopy::ChunkSize;
    return rest == 0 ? DatabaseCopy::ChunkSize : rest;
}

int modeOf(const QString& path)
{
    struct stat st
    {
    };
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 07777) : -1;
}

Fields cheque(const QString& description, double amount)
{
    return {{QStringLiteral("TCH"), QStringLiteral("1403/01/01")},
            {QStringLiteral("SH"), description},
            {QStringLiteral("Mab"), amount}};
}

// Runs sql on a connection of its own to path.
bool execOn(const QString& path, const QStringList& statements)
{
    const QString name = QUuid::createUuid().toString();
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        ok = db.open();
        for (const QString& sql : statements)
            ok = ok && QSqlQuery(db).exec(sql);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

} // namespace

Q_DECLARE_METATYPE(Fault)

class TestFaults : public QObject
{
    Q_OBJECT

    TestEnvironment environment;
    QTemporaryDir m_sources;

    // Registers whose size puts the last write of a copy below and above the buffered size.
    QString m_smallLast;
    QString m_largeLast;
    // The program's register with two cheques, as a file.
    QString m_live;
    // Registers whose workbooks are written in one write below and above the buffered size.
    QString m_fewCheques;
    QString m_manyCheques;
    qint64 m_fewBytes = 0;
    qint64 m_manyBytes = 0;

    QString sourceDir(const QString& name) const { return m_sources.filePath(name); }

    // A register in its own folder, grown with cheques of long descriptions until the file has
    // at least minimum bytes. Returns the file.
    static QString makeRegister(const QString& dir, qint64 minimum, int cheques = 0)
    {
        Database db(dir);
        if (db.open() != Database::OpenResult::Created)
            return QString();
        DataControl list(db);
        list.setRecordSource(ChequeQueries::all());
        const QString text(1000, QLatin1Char('x'));
        db.inTransaction([&] {
            for (int i = 0; i < cheques; ++i)
                list.addRow(cheque(QStringLiteral("چک %1").arg(i), 1000.0 * (i + 1)));
            QSqlQuery pages(db.connection());
            auto size = [&pages] {
                pages.exec(QStringLiteral("SELECT page_count * page_size FROM pragma_page_count, pragma_page_size"));
                return pages.next() ? pages.value(0).toLongLong() : 0;
            };
            while (size() < minimum)
                list.addRow(cheque(text, 1));
            return true;
        });
        return db.filePath();
    }

    QString register_(bool largeLast) const { return largeLast ? m_largeLast : m_smallLast; }

private slots:
    void initTestCase()
    {
        m_smallLast = makeRegister(sourceDir(QStringLiteral("small")), 4 * MiB + 4 * KiB);
        m_largeLast = makeRegister(sourceDir(QStringLiteral("large")), 4 * MiB + 60 * KiB);
        QVERIFY(lastWriteOf(QFileInfo(m_smallLast).size()) < BufferedWrite);
        QVERIFY(lastWriteOf(QFileInfo(m_largeLast).size()) > BufferedWrite);
        QVERIFY(QFileInfo(m_smallLast).size() > DatabaseCopy::ChunkSize);

        m_live = makeRegister(sourceDir(QStringLiteral("live")), 0, 2);
        m_fewCheques = makeRegister(sourceDir(QStringLiteral("few")), 0, 0);
        m_manyCheques = makeRegister(sourceDir(QStringLiteral("many")), 0, 3000);
        for (auto [file, bytes] : {std::pair{m_fewCheques, &m_fewBytes}, std::pair{m_manyCheques, &m_manyBytes}}) {
            Database db(QFileInfo(file).absolutePath());
            QVERIFY(db.open() == Database::OpenResult::Opened);
            const QString probe = m_sources.filePath(QStringLiteral("probe.xlsx"));
            QVERIFY(ChequeExport::write(db, probe));
            *bytes = QFileInfo(probe).size();
            QFile::remove(probe);
        }
        QVERIFY(m_fewBytes < BufferedWrite);
        QVERIFY(m_manyBytes > BufferedWrite);
    }

    void fullDiskLeavesTheOlderFileAndSaysSo_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("largeLast");
        QTest::addColumn<Fault>("fault");
        for (const char* path : {"backup", "restore", "export", "autostart", "settings"}) {
            for (const bool large : {false, true}) {
                for (const Fault fault : {Fault::FileSizeLimit, Fault::SmallDisk}) {
                    const QByteArray name = QByteArray(path) + (large ? ", last write large" : ", last write small") +
                                            (fault == Fault::SmallDisk ? ", small disk" : ", size limit");
                    QTest::newRow(name.constData()) << QString::fromLatin1(path) << large << fault;
                }
            }
        }
    }

    void fullDiskLeavesTheOlderFileAndSaysSo()
    {
        QFETCH(QString, path);
        QFETCH(bool, largeLast);
        QFETCH(Fault, fault);
        QTemporaryDir place;
        QString folder = place.path();
        qint64 room = 0;
        std::function<void()> setup;
        std::function<QByteArray()> act;

        if (path == QLatin1String("backup")) {
            const QString source = register_(largeLast);
            room = QFileInfo(source).size() - 4 * KiB;
            const QString target = place.filePath(QStringLiteral("x.bak"));
            setup = [target] { writeFile(target, "old backup"); };
            act = [source, target, folder] {
                Findings found;
                Database db(QFileInfo(source).absolutePath());
                db.open();
                QString error;
                expectRefused(found, DatabaseCopy::backup(db, target, &error), error, target);
                expectUntouched(found, target, "old backup");
                expectOnly(found, folder, {QStringLiteral("x.bak")});
                return found.report();
            };
        } else if (path == QLatin1String("restore")) {
            const QString backup = register_(largeLast);
            room = QFileInfo(backup).size() - 4 * KiB;
            const QString target = place.filePath(QStringLiteral("dbase.mdb"));
            const QByteArray live = bytesOf(m_live);
            setup = [target, live] { writeFile(target, live); };
            act = [backup, target, folder, live] {
                Findings found;
                Database db(folder);
                db.open();
                QString error;
                expectRefused(found, DatabaseCopy::restore(db, backup, &error), error, target);
                expectUntouched(found, target, live);
                QSqlQuery count(db.connection());
                found.expect(db.isOpen() && count.exec(QStringLiteral("SELECT count(*) FROM T1")) && count.next() &&
                                 count.value(0).toInt() == 2,
                             QStringLiteral("the old register is not open with its two cheques"));
                expectOnly(found, folder, {QStringLiteral("dbase.mdb")});
                return found.report();
            };
        } else if (path == QLatin1String("export")) {
            const QString source = largeLast ? m_manyCheques : m_fewCheques;
            room = (largeLast ? m_manyBytes : m_fewBytes) - 2 * KiB;
            const QString target = place.filePath(QStringLiteral("list.xlsx"));
            setup = [target] { writeFile(target, "old export"); };
            act = [source, target, folder] {
                Findings found;
                Database db(QFileInfo(source).absolutePath());
                db.open();
                QString error;
                expectRefused(found, ChequeExport::write(db, target, &error), error, target);
                expectUntouched(found, target, "old export");
                expectOnly(found, folder, {QStringLiteral("list.xlsx")});
                return found.report();
            };
        } else if (path == QLatin1String("autostart")) {
            // Only a long path makes the entry larger than the buffer.
            const QString exe =
                largeLast ? QStringLiteral("/opt/") + QString(20000, QLatin1Char('k')) + QStringLiteral("/KAVIRO")
                          : QStringLiteral("/opt/kaviro/KAVIRO");
            room = largeLast ? 16 * KiB : 40;
            folder = place.filePath(QStringLiteral("autostart"));
            QVERIFY(QDir().mkpath(folder));
            const QString config = place.path();
            setup = [config] {
                qputenv("XDG_CONFIG_HOME", QFile::encodeName(config));
                writeFile(Autostart::entryPath(), "old entry");
            };
            act = [exe, folder] {
                Findings found;
                QString error;
                expectRefused(found, Autostart::setStartAtLogon(true, folder, exe, &error), error,
                              Autostart::entryPath());
                expectUntouched(found, Autostart::entryPath(), "old entry");
                expectOnly(found, folder, {QStringLiteral("KAVIRO.desktop")});
                return found.report();
            };
        } else {
            const QString owner = largeLast ? QString(20000, QLatin1Char('n')) : QStringLiteral("فروشگاه");
            const QString password = QString(largeLast ? 20000 : 300, QLatin1Char('p'));
            room = largeLast ? 30000 : 100;
            const QString config = place.path();
            setup = [config, owner] {
                qputenv("XDG_CONFIG_HOME", QFile::encodeName(config));
                SettingsStore::write(QStringLiteral("1"), QStringLiteral("2"), owner);
            };
            act = [owner, password, folder] {
                Findings found;
                const QString file = SettingsStore::filePath();
                const QByteArray before = bytesOf(file);
                found.expect(!before.isEmpty(), QStringLiteral("no settings to begin with"));
                QString error;
                expectRefused(found, SettingsStore::write(QStringLiteral("1"), QStringLiteral("3"), password, &error),
                              error, file);
                expectUntouched(found, file, before);
                found.expect(SettingsStore::read(QStringLiteral("1"), QStringLiteral("3")).isEmpty(),
                             QStringLiteral("a password that never reached the file is read back"));
                found.expect(SettingsStore::read(QStringLiteral("1"), QStringLiteral("2")) == owner,
                             QStringLiteral("the owner name was lost"));
                expectOnly(found, folder, {QFileInfo(file).fileName()});
                return found.report();
            };
        }

        const QByteArray report = underFault(fault, folder, room, setup, act);
        if (report.startsWith("skip: "))
            QSKIP(report.constData());
        QVERIFY2(report == "ok", report.constData());
    }

    void wholeWritesStillSucceedWithRoomEnough_data()
    {
        QTest::addColumn<Fault>("fault");
        QTest::newRow("size limit") << Fault::FileSizeLimit;
        QTest::newRow("small disk") << Fault::SmallDisk;
    }

    // The same limits with a page more room: the checks refuse only what really did not fit.
    void wholeWritesStillSucceedWithRoomEnough()
    {
        QFETCH(Fault, fault);
        QTemporaryDir place;
        const QString source = m_smallLast;
        const qint64 size = QFileInfo(source).size();
        const QString target = place.filePath(QStringLiteral("x.bak"));
        auto setup = [target] { writeFile(target, "old backup"); };
        auto act = [source, target] {
            Findings found;
            Database db(QFileInfo(source).absolutePath());
            db.open();
            QString error;
            found.expect(DatabaseCopy::backup(db, target, &error), error);
            found.expect(bytesOf(target) == bytesOf(source), QStringLiteral("the backup is not the register"));
            return found.report();
        };
        const QByteArray report = underFault(fault, place.path(), size, setup, act);
        if (report.startsWith("skip: "))
            QSKIP(report.constData());
        QVERIFY2(report == "ok", report.constData());
    }

    void interruptedRestoreIsCleanedUpAtTheNextStart()
    {
        QTemporaryDir data;
        const QString target = data.filePath(QStringLiteral("dbase.mdb"));
        const QByteArray live = bytesOf(m_live);
        QVERIFY(writeFile(target, live));
        // The user's own files beside the register, and what an earlier version left there.
        QVERIFY(writeFile(data.filePath(QStringLiteral("dbase.mdb.backup")), "mine"));
        QVERIFY(writeFile(data.filePath(QStringLiteral(".notes")), "mine"));
        QVERIFY(writeFile(data.filePath(QStringLiteral(".x.kaviro-part-ABCDEF")), "mine"));
        const QString previous =
            QStringLiteral(".dbase-previous-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
        QVERIFY(writeFile(data.filePath(previous), live));

        // The process is killed by the first write past 1 MiB, in the middle of the copy.
        const QString backup = m_smallLast;
        const ChildEnd end = inChild([&] {
            std::signal(SIGXFSZ, SIG_DFL);
            rlimit none{0, 0};
            setrlimit(RLIMIT_CORE, &none);
            rlimit limit{};
            getrlimit(RLIMIT_FSIZE, &limit);
            limit.rlim_cur = rlim_t(MiB);
            setrlimit(RLIMIT_FSIZE, &limit);
            Database db(data.path());
            db.open();
            DatabaseCopy::restore(db, backup, nullptr);
            return QByteArray("not interrupted");
        });
        QCOMPARE(end.signal, SIGXFSZ);
        int leftovers = 0;
        for (const QString& name : entriesOf(data.path()))
            leftovers += CompleteFile::isLeftoverName(name) ? 1 : 0;
        QCOMPARE(leftovers, 2); // the working copy and the second name of the register

        QCOMPARE(removeLeftoversOfEarlierRuns(data.path()), 3);
        QCOMPARE(entriesOf(data.path()),
                 QStringList({".notes", ".x.kaviro-part-ABCDEF", "dbase.mdb", "dbase.mdb.backup"}));
        QCOMPARE(bytesOf(target), live);
        Database db(data.path());
        QCOMPARE(db.open(), Database::OpenResult::Opened);
        QCOMPARE(scalar(db, QStringLiteral("SELECT count(*) FROM T1")).toInt(), 2);
    }

    void interruptedBackupIsCleanedUpOnceNoOneWrites()
    {
        QTemporaryDir backups;
        QTemporaryDir data;
        const QString target = backups.filePath(QStringLiteral("x.bak"));
        QVERIFY(writeFile(target, "old backup"));
        const QString source = m_smallLast;
        const ChildEnd end = inChild([&] {
            std::signal(SIGXFSZ, SIG_DFL);
            rlimit none{0, 0};
            setrlimit(RLIMIT_CORE, &none);
            rlimit limit{};
            getrlimit(RLIMIT_FSIZE, &limit);
            limit.rlim_cur = rlim_t(MiB);
            setrlimit(RLIMIT_FSIZE, &limit);
            Database db(QFileInfo(source).absolutePath());
            db.open();
            DatabaseCopy::backup(db, target, nullptr);
            return QByteArray("not interrupted");
        });
        QCOMPARE(end.signal, SIGXFSZ);
        QCOMPARE(entriesOf(backups.path()).size(), 2);
        QVERIFY(SettingsStore::write(QStringLiteral("DIR"), QStringLiteral("1"), backups.path()));

        // The folder of backups may be shared: a working file that is still fresh may be a backup
        // under way on another computer.
        removeLeftoversOfEarlierRuns(data.path());
        QCOMPARE(entriesOf(backups.path()).size(), 2);
        for (const QString& name : entriesOf(backups.path())) {
            if (CompleteFile::isLeftoverName(name)) {
                QFile part(backups.filePath(name));
                QVERIFY(part.open(QIODevice::ReadWrite));
                QVERIFY(
                    part.setFileTime(QDateTime::currentDateTime().addSecs(-7200), QFileDevice::FileModificationTime));
            }
        }
        removeLeftoversOfEarlierRuns(data.path());
        QCOMPARE(entriesOf(backups.path()), QStringList{QStringLiteral("x.bak")});
        QCOMPARE(bytesOf(target), QByteArray("old backup"));
    }

    void secondNameIsKeptWhenItIsTheOnlyCopy()
    {
        QTemporaryDir data;
        const QString previous =
            QStringLiteral(".dbase-previous-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
        QVERIFY(writeFile(data.filePath(previous), bytesOf(m_live)));
        QVERIFY(writeFile(data.filePath(QStringLiteral(".settings.ini.kaviro-keep-abc123")), "only copy"));
        QCOMPARE(removeLeftoversOfEarlierRuns(data.path()), 0);
        QCOMPARE(entriesOf(data.path()).size(), 2);
    }

    void restoreTakesOnlyARegister_data()
    {
        QTest::addColumn<QStringList>("change");
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<int>("rows");
        QTest::newRow("T1 without Mab") << QStringList{"DROP TABLE T1",
                                                       "CREATE TABLE T1 (PD, TV, TCH, Num, NBank, SH, Prd, V, Shh)"}
                                        << QStringLiteral("جدول T1 ستون‌های Mab را ندارد") << 0;
        QStringList oneColumn;
        for (const char* table : {"T1", "T2", "T3", "T4", "T5", "T6"})
            oneColumn << QStringLiteral("DROP TABLE %1").arg(QLatin1String(table))
                      << QStringLiteral("CREATE TABLE %1 (Name TEXT)").arg(QLatin1String(table));
        QTest::newRow("one-column tables")
            << oneColumn << QStringLiteral("جدول T1 ستون‌های PD, TV, TCH") << 0;
        QTest::newRow("an extra column") << QStringList{"ALTER TABLE T1 ADD COLUMN Extra TEXT"} << QString() << 2;
        QTest::newRow("columns in other letters")
            << QStringList{"DROP TABLE T1", "CREATE TABLE t1 (pd, tv, tch, num, nbank, mab, sh, prd, v, shh)",
                           "INSERT INTO t1 (tch, sh, mab) VALUES ('1403/02/02', 'from the backup', 7)"}
            << QString() << 1;
    }

    void restoreTakesOnlyARegister()
    {
        QFETCH(QStringList, change);
        QFETCH(QString, refusal);
        QFETCH(int, rows);
        TestDatabase live;
        live.addCheque(cheque(QStringLiteral("اجاره"), 100));
        live.addCheque(cheque(QStringLiteral("قسط"), 200));
        QTemporaryDir backups;
        const QString backup = backups.filePath(QStringLiteral("other.bak"));
        QVERIFY(QFile::copy(m_live, backup));
        QVERIFY(execOn(backup, change));
        const QByteArray liveBytes = bytesOf(live.db().filePath());

        DataControl list(live.db());
        list.setRecordSource(ChequeQueries::all());
        RestoreWindow window(live.db());
        window.setPacingInterval(0);
        QObject::connect(&window, &RestoreWindow::restored, &list, [&list] { list.refresh(); });
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.setFolder(backups.path()));
        Messages::MessageLog log;
        auto* files = window.findChild<QListWidget*>(QStringLiteral("File1"));
        QCOMPARE(files->count(), 1);
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualItemRect(files->item(0)).center());
        control<QPushButton>(window, "Command1")->click();

        if (refusal.isEmpty()) {
            QTRY_COMPARE(log.shown().size(), 1);
            QCOMPARE(log.lastText(), QStringLiteral("بازيابي نسخه پشتيبان با موفقيت به پايان رسيد"));
            QCOMPARE(bytesOf(live.db().filePath()), bytesOf(backup));
            QCOMPARE(list.recordCount(), rows);
            return;
        }
        QCOMPARE(log.shown().size(), 1);
        QCOMPARE(log.shown().first().icon, Messages::Icon::Critical);
        QVERIFY2(log.lastText().contains(backup), qPrintable(log.lastText()));
        QVERIFY2(log.lastText().contains(refusal), qPrintable(log.lastText()));
        QTest::qWait(20);
        QCOMPARE(log.shown().size(), 1);
        QCOMPARE(bytesOf(live.db().filePath()), liveBytes);
        QVERIFY(list.refresh());
        QCOMPARE(list.recordCount(), 2);
        QCOMPARE(entriesOf(live.dir()), QStringList{QStringLiteral("dbase.mdb")});
    }

    void registerWithoutItsColumnsIsRefusedAtStart()
    {
        QTemporaryDir data;
        const QString file = data.filePath(QStringLiteral("dbase.mdb"));
        QVERIFY(QFile::copy(m_live, file));
        QVERIFY(execOn(file, {"DROP TABLE T4", "CREATE TABLE T4 (R, ID, Date, shomreh, bed, bes)"}));
        Database db(data.path());
        QCOMPARE(db.open(), Database::OpenResult::Failed);
        QVERIFY2(db.errorText().contains(file), qPrintable(db.errorText()));
        QVERIFY2(db.errorText().contains(QStringLiteral("جدول T4 ستون‌های sharh, sum را ندارد")),
                 qPrintable(db.errorText()));
    }

    void deleteRemovesThePickedFileOnly_data()
    {
        QTest::addColumn<QString>("picked");
        QTest::addColumn<bool>("yes");
        QTest::newRow("x.txt") << QStringLiteral("x.txt") << true;
        QTest::newRow("x.bak") << QStringLiteral("x.bak") << true;
        QTest::newRow("x.txt, answered No") << QStringLiteral("x.txt") << false;
    }

    void deleteRemovesThePickedFileOnly()
    {
        QFETCH(QString, picked);
        QFETCH(bool, yes);
        TestDatabase data;
        QTemporaryDir folder;
        QVERIFY(writeFile(folder.filePath(QStringLiteral("x.bak")), "backup"));
        QVERIFY(writeFile(folder.filePath(QStringLiteral("x.txt")), "notes"));
        BackupWindow window(data.db());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.setFolder(folder.path()));
        control<QCheckBox>(window, "Chkall")->click();
        auto* files = window.findChild<QListWidget*>(QStringLiteral("File1"));
        QCOMPARE(files->count(), 2);
        const QList<QListWidgetItem*> items = files->findItems(picked, Qt::MatchExactly);
        QCOMPARE(items.size(), 1);
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualItemRect(items.first()).center());

        Messages::MessageLog log;
        log.answer(yes);
        auto* remove = window.findChild<QPushButton*>(QStringLiteral("Command4"));
        remove->setFocus();
        QTest::keyClick(remove, Qt::Key_Space);
        QCOMPARE(log.unusedAnswers(), 0);
        QCOMPARE(log.shown().size(), 1);
        QCOMPARE(log.lastText(), QStringLiteral("آيا مايل به حذف اين فايل ") + picked + QStringLiteral(" هستيد؟ "));
        QStringList left = {QStringLiteral("x.bak"), QStringLiteral("x.txt")};
        if (yes)
            left.removeOne(picked);
        QCOMPARE(entriesOf(folder.path()), left);
        QCOMPARE(files->count(), left.size());
    }

    void filesArePrivateToTheirOwner()
    {
        // Whatever the umask lets through, the program's files are its owner's alone.
        const mode_t oldMask = ::umask(0);
        QTemporaryDir data;
        Database db(data.path());
        QCOMPARE(db.open(), Database::OpenResult::Created);
        QCOMPARE(modeOf(db.filePath()), 0600);
        DataControl list(db);
        list.setRecordSource(ChequeQueries::all());
        QVERIFY(list.addRow(cheque(QStringLiteral("اجاره"), 100)));

        // A backup stays private even of a register that others may read.
        QVERIFY(::chmod(QFile::encodeName(db.filePath()).constData(), 0644) == 0);
        QTemporaryDir backups;
        const QString backup = backups.filePath(QStringLiteral("x.bak"));
        QString error;
        QVERIFY2(DatabaseCopy::backup(db, backup, &error), qPrintable(error));
        QCOMPARE(modeOf(backup), 0600);
        QVERIFY2(DatabaseCopy::restore(db, backup, &error), qPrintable(error));
        QCOMPARE(modeOf(db.filePath()), 0600);

        const QString exported = backups.filePath(QStringLiteral("list.xlsx"));
        QVERIFY(ChequeExport::write(db, exported, &error));
        QCOMPARE(modeOf(exported), 0600);

        // The settings hold the password: a file left readable by an older version is closed too.
        QVERIFY(writeFile(SettingsStore::filePath(), "[1]\n2=x\n"));
        QVERIFY(::chmod(QFile::encodeName(SettingsStore::filePath()).constData(), 0644) == 0);
        QVERIFY(SettingsStore::write(QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("رمز")));
        QCOMPARE(modeOf(SettingsStore::filePath()), 0600);
        QCOMPARE(SettingsStore::read(QStringLiteral("1"), QStringLiteral("2")), QStringLiteral("x"));
        QVERIFY(Autostart::setStartAtLogon(true, QStringLiteral("/tmp"), QStringLiteral("/opt/kaviro/KAVIRO")));
        QCOMPARE(modeOf(Autostart::entryPath()), 0600);
        ::umask(oldMask);
    }

    void damagedRegisterIsReportedWhileTheListIsShown()
    {
        TestDatabase data;
        for (int i = 0; i < 30; ++i)
            data.addCheque(cheque(QStringLiteral("چک %1").arg(i), 1000));
        QVERIFY(data.db().inTransaction([&] {
            QSqlQuery fill(data.db().connection());
            for (int i = 0; i < 400; ++i)
                fill.exec(QStringLiteral("INSERT INTO T2 (Name, MB) VALUES ('%1', %2)")
                              .arg(QString(200, QLatin1Char('a' + i % 26)))
                              .arg(i));
            return true;
        }));
        const int archiveRoot =
            scalar(data.db(), QStringLiteral("SELECT rootpage FROM sqlite_master WHERE name = 'T2'")).toInt();
        QVERIFY(archiveRoot > 1);
        data.db().close();
        {
            // The inner page of the archive goes bad; the pages of the main list stay sound.
            QFile file(QDir(data.dir()).filePath(QStringLiteral("dbase.mdb")));
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.seek(qint64(archiveRoot - 1) * 4096));
            QCOMPARE(file.write(QByteArray(64, '\xee')), qint64(64));
        }
        QCOMPARE(data.db().open(), Database::OpenResult::Opened);
        QVERIFY(!IntegrityCheck::findDamage(data.db().filePath()).isEmpty());

        // A backup of a damaged register says which file is damaged and what to do.
        QTemporaryDir backups;
        QString error;
        QVERIFY(!DatabaseCopy::backup(data.db(), backups.filePath(QStringLiteral("x.bak")), &error));
        QVERIFY2(error.contains(QStringLiteral("خود آسیب دیده است")), qPrintable(error));
        QCOMPARE(entriesOf(backups.path()), QStringList());

        Messages::MessageLog log;
        MainWindow window(data.db());
        QCOMPARE(window.cheques().recordCount(), 30);
        DamageWarning::watch(data.db(), &window);
        QTRY_COMPARE(log.shown().size(), 1);
        QCOMPARE(log.shown().first().icon, Messages::Icon::Critical);
        QVERIFY(log.lastText().startsWith(DamageWarning::text(data.db().filePath(), QString())));
        QVERIFY(log.lastText().contains(QStringLiteral("بازيابي اطلاعات")));
        QVERIFY(log.lastText().contains(data.db().filePath()));
    }

    void soundRegisterSaysNothing()
    {
        TestDatabase data;
        data.addCheque(cheque(QStringLiteral("اجاره"), 100));
        Messages::MessageLog log;
        MainWindow window(data.db());
        DamageWarning::watch(data.db(), &window);
        auto* check = window.findChild<IntegrityCheck*>();
        QVERIFY(check);
        QSignalSpy finished(check, &IntegrityCheck::finished);
        QVERIFY(finished.wait(5000));
        QCOMPARE(finished.first().first().toString(), QString());
        QVERIFY(log.shown().isEmpty());
    }
};

QTEST_MAIN(TestFaults)
#include "test_faults.moc"
