#include "backup/restore_window.h"
#include "data/cheque_queries.h"
#include "data/data_control.h"
#include "data/database.h"
#include "data/database_copy.h"
#include "data/tables.h"
#include "ui/messages.h"

#include "backup/backup_testing.h"
#include "testing.h"

#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

const QString Caption = QStringLiteral("بازيابي نسخه پشتيبان بانک اطلاعات");
const QString Success = QStringLiteral("بازيابي نسخه پشتيبان با موفقيت به پايان رسيد");
constexpr int SearchDescription = 4;

Fields cheque(const QString& description, int amount)
{
    return {{QStringLiteral("SH"), description}, {QStringLiteral("Mab"), amount}};
}

// The program's database with two cheques and the main list on it, a backup with three
// cheques in a folder of backups, and the restore window on that folder.
struct Desk
{
    Desk()
    {
        live.addCheque(cheque(QStringLiteral("اجاره"), 100));
        live.addCheque(cheque(QStringLiteral("قسط"), 200));
        for (int i = 1; i <= 3; ++i)
            other.addCheque(cheque(QStringLiteral("پشتيبان %1").arg(i), 1000 * i));
        good = backups.filePath(QStringLiteral("good.bak"));
        QString error;
        QVERIFY2(DatabaseCopy::backup(other.db(), good, &error), qPrintable(error));
        list = std::make_unique<DataControl>(live.db());
        list->setRecordSource(ChequeQueries::all());
        list->setTotal(ChequeTable::Amount);
        QVERIFY(list->refresh());
        liveBytes = bytesOf(live.db().filePath());
    }

    void openWindow()
    {
        window = std::make_unique<RestoreWindow>(live.db());
        window->setPacingInterval(0);
        // What the main window does when told: its list reads the database again.
        QObject::connect(window.get(), &RestoreWindow::restored, list.get(), [this] { list->refresh(); });
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QVERIFY(window->setFolder(backups.path()));
    }

    template <typename T> T* find(QAnyStringView name) const { return control<T>(window.get(), name); }

    void choose(const QString& name) const
    {
        auto* files = find<QListWidget>("File1");
        const QList<QListWidgetItem*> items = files->findItems(name, Qt::MatchExactly);
        QCOMPARE(items.size(), 1);
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualItemRect(items.first()).center());
    }

    void restore() const { find<QPushButton>("Command1")->click(); }

    // The old data is there, open, and takes writes.
    void verifyOldDataKept()
    {
        QCOMPARE(bytesOf(live.db().filePath()), liveBytes);
        QVERIFY(list->refresh());
        QCOMPARE(list->recordCount(), 2);
        QCOMPARE(list->total(), 300.0);
        QVERIFY(list->addRow(cheque(QStringLiteral("پس از آن"), 5)));
        QCOMPARE(QDir(live.dir()).entryList(QDir::Files | QDir::Hidden), QStringList{"dbase.mdb"});
    }

    TestDatabase live;
    TestDatabase other;
    QTemporaryDir backups;
    QString good;
    QByteArray liveBytes;
    std::unique_ptr<DataControl> list;
    std::unique_ptr<RestoreWindow> window;
};

} // namespace

class TestRestore : public QObject
{
    Q_OBJECT

    TestEnvironment environment;

private slots:
    void goodBackupShowsInTheListAtOnce()
    {
        Desk desk;
        desk.openWindow();
        Messages::MessageLog log;
        QSignalSpy restored(desk.window.get(), &RestoreWindow::restored);
        desk.choose(QStringLiteral("good.bak"));
        QCOMPARE(desk.find<QLineEdit>("Text1")->text(), desk.good);
        desk.restore();
        QCOMPARE(restored.count(), 1);
        QCOMPARE(desk.list->recordCount(), 3);
        QCOMPARE(desk.list->total(), 6000.0);
        QCOMPARE(desk.list->value(QStringLiteral("SH")).toString(), QStringLiteral("پشتيبان 1"));
        QCOMPARE(bytesOf(desk.live.db().filePath()), bytesOf(desk.good));
        QCOMPARE(QDir(desk.live.dir()).entryList(QDir::Files | QDir::Hidden), QStringList{"dbase.mdb"});

        QVERIFY(log.shown().isEmpty());
        QTRY_COMPARE(log.shown().size(), 1);
        QCOMPARE(log.lastText(), Success);
        QCOMPARE(log.shown().first().title, Caption);
        QVERIFY(desk.window->isVisible());

        // The restored file is the one written to from now on.
        QVERIFY(desk.list->addRow(cheque(QStringLiteral("تازه"), 7)));
        QVERIFY(desk.list->refresh());
        QCOMPARE(desk.list->recordCount(), 4);
    }

    void searchReadsTheRestoredFile()
    {
        Desk desk;
        // Fresh connections on both files: their change counters agree, so only dropping the
        // snapshot of the old file keeps the search from answering with the old rows.
        desk.live.db().suspend();
        QVERIFY(desk.live.db().resume());
        DataControl search(desk.live.db());
        search.setTotal(ChequeTable::Amount);
        const RecordSource source = ChequeQueries::textSearch(SearchDescription, QString());
        search.warmSearch(source);
        desk.live.db().searchIndex().wait();
        search.setRecordSource(source);
        QVERIFY(search.refresh());
        QCOMPARE(search.recordCount(), 2);

        QString error;
        QVERIFY2(DatabaseCopy::restore(desk.live.db(), desk.good, &error), qPrintable(error));
        search.warmSearch(source);
        desk.live.db().searchIndex().wait();
        QVERIFY(search.refresh());
        QCOMPARE(search.recordCount(), 3);
        QCOMPARE(search.total(), 6000.0);
    }

    void notADatabaseRefused_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("text") << "text";
        QTest::newRow("empty") << "empty";
        QTest::newRow("other tables") << "other tables";
        QTest::newRow("cut short") << "cut short";
    }

    void notADatabaseRefused()
    {
        QFETCH(QString, kind);
        Desk desk;
        const QString path = desk.backups.filePath(QStringLiteral("bad.bak"));
        if (kind == QLatin1String("text")) {
            QVERIFY(writeFile(path, "not a database at all"));
        } else if (kind == QLatin1String("empty")) {
            QVERIFY(writeFile(path, QByteArray()));
        } else if (kind == QLatin1String("cut short")) {
            const QByteArray whole = bytesOf(desk.good);
            QVERIFY(writeFile(path, whole.left(whole.size() / 2)));
        } else {
            const QString name = QStringLiteral("other-tables");
            {
                QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
                db.setDatabaseName(path);
                QVERIFY(db.open());
                QVERIFY(QSqlQuery(db).exec(QStringLiteral("CREATE TABLE T1 (SH TEXT)")));
                db.close();
            }
            QSqlDatabase::removeDatabase(name);
        }
        desk.openWindow();
        Messages::MessageLog log;
        QSignalSpy restored(desk.window.get(), &RestoreWindow::restored);
        desk.choose(QStringLiteral("bad.bak"));
        desk.restore();
        QCOMPARE(log.shown().size(), 1);
        QVERIFY(log.shown().first().icon == Messages::Icon::Critical);
        QVERIFY(log.lastText().contains(QStringLiteral("bad.bak")));
        QTest::qWait(20);
        QCOMPARE(log.shown().size(), 1);
        QCOMPARE(restored.count(), 0);
        QVERIFY(!desk.find<QWidget>("ProgressBar1")->isVisible());
        desk.verifyOldDataKept();
    }

    void failedCopyKeepsTheOldDatabase()
    {
        Desk desk;
        desk.openWindow();
        Messages::MessageLog log;
        QSignalSpy restored(desk.window.get(), &RestoreWindow::restored);
        desk.choose(QStringLiteral("good.bak"));
        {
            DiskFull full;
            desk.restore();
        }
        QCOMPARE(log.shown().size(), 1);
        QVERIFY(log.shown().first().icon == Messages::Icon::Critical);
        QTest::qWait(20);
        QCOMPARE(log.shown().size(), 1);
        QCOMPARE(restored.count(), 0);
        desk.verifyOldDataKept();
    }

    void aBackupMustBeChosen()
    {
        Desk desk;
        QVERIFY(writeFile(desk.backups.filePath(QStringLiteral("second.bak")), "x"));
        QVERIFY(QDir(desk.backups.path()).mkdir(QStringLiteral("inner")));
        desk.openWindow();
        Messages::MessageLog log;
        auto* path = desk.find<QLineEdit>("Text1");
        auto* files = desk.find<QListWidget>("File1");
        QCOMPARE(files->count(), 2);
        QCOMPARE(files->currentRow(), 0);
        desk.choose(QStringLiteral("good.bak"));
        QVERIFY(!path->text().isEmpty());

        // Another folder clears the choice, so a restore right after it asks for a file.
        QVERIFY(desk.window->setFolder(desk.backups.filePath(QStringLiteral("inner"))));
        QVERIFY(path->text().isEmpty());
        QCOMPARE(files->count(), 0);
        desk.restore();
        QCOMPARE(log.lastText(), QStringLiteral("مسير فايل نسخه پشتيبان انتخاب نشده است"));
        QCOMPARE(log.shown().first().title, Caption);
        desk.verifyOldDataKept();
    }
};

QTEST_MAIN(TestRestore)
#include "test_restore.moc"
