#include "backup/backup_window.h"
#include "data/clock.h"
#include "data/database.h"
#include "data/database_copy.h"
#include "settings/settings_store.h"
#include "ui/messages.h"

#include "backup/backup_testing.h"
#include "testing.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <unistd.h>

namespace {

// 24 March 2012 is 1391/01/05.
const QString TodayName = QStringLiteral("13910105");
const QString Caption = QStringLiteral("ساخت نسخه پشتيبان بانک اطلاعات");
const QString Success = QStringLiteral("ايجاد نسخه پشتيبان با موفقيت به پايان رسيد");

void typeEach(QWidget* widget, const QString& text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// A database with cheques, a folder for backups and the window over them, shown.
struct Desk
{
    Desk()
    {
        QVERIFY(data.opened() == Database::OpenResult::Created);
        // Enough cheques that the file is larger than a full disk lets through (see DiskFull).
        QVERIFY(data.db().inTransaction([this] {
            for (int i = 0; i < 20; ++i)
                data.addCheque(
                    {{QStringLiteral("SH"), QStringLiteral("چک %1").arg(i)}, {QStringLiteral("Mab"), i * 1000}});
            return true;
        }));
        window = std::make_unique<BackupWindow>(data.db());
        window->setPacingInterval(0);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QVERIFY(window->setFolder(folder.path()));
    }

    template <typename T> T* find(QAnyStringView name) const { return control<T>(window.get(), name); }
    QLineEdit* name() const { return find<QLineEdit>("Text2"); }
    QLineEdit* path() const { return find<QLineEdit>("Text1"); }
    void save() const { find<QPushButton>("Command1")->click(); }
    QString target() const { return QDir(folder.path()).filePath(TodayName + QStringLiteral(".bak")); }

    TestDatabase data;
    QTemporaryDir folder;
    std::unique_ptr<BackupWindow> window;
};

} // namespace

class TestBackup : public QObject
{
    Q_OBJECT

    TestEnvironment environment;

private slots:
    void initTestCase() { Clock::set(QDateTime(QDate(2012, 3, 24), QTime(9, 30))); }

    void defaultNameAndFullPath_data()
    {
        QTest::addColumn<bool>("atRoot");
        QTest::newRow("folder") << false;
        QTest::newRow("root folder") << true;
    }

    void defaultNameAndFullPath()
    {
        QFETCH(bool, atRoot);
        Desk desk;
        {
            BackupWindow fresh(desk.data.db());
            fresh.show();
            auto* name = control<QLineEdit>(fresh, "Text2");
            QCOMPARE(name->selectedText(), TodayName);
            QVERIFY(name->hasFocus() || !fresh.isActiveWindow());
        }
        const QString folder = atRoot ? QStringLiteral("/") : desk.folder.path();
        QVERIFY(desk.window->setFolder(folder));
        QCOMPARE(desk.name()->text(), TodayName);
        const QString expected = atRoot ? QStringLiteral("/13910105.bak") : desk.target();
        QCOMPARE(desk.path()->text(), expected);
        QCOMPARE(desk.path()->cursorPosition(), int(expected.size()));

        desk.name()->clear();
        QCOMPARE(desk.path()->text(), folder);
        typeEach(desk.name(), QStringLiteral("شنبه"));
        QCOMPARE(desk.path()->text(), atRoot ? QStringLiteral("/شنبه.bak") : desk.folder.filePath("شنبه.bak"));
    }

    void forbiddenCharactersRefused_data()
    {
        QTest::addColumn<QString>("character");
        for (const QChar c : QStringLiteral("/:\\*|,?"))
            QTest::newRow(qPrintable(QString(c))) << QString(c);
    }

    void forbiddenCharactersRefused()
    {
        QFETCH(QString, character);
        Desk desk;
        Messages::MessageLog log;
        desk.name()->clear();
        typeEach(desk.name(), QStringLiteral("ab") + character + QStringLiteral("c"));
        QCOMPARE(desk.name()->text(), QStringLiteral("abc"));
        QCOMPARE(desk.path()->text(), desk.folder.filePath(QStringLiteral("abc.bak")));
        QCOMPARE(log.shown().size(), 1);
        QCOMPARE(log.shown().first().text,
                 QStringLiteral("کارکتر ") + character +
                     QStringLiteral(" براي نامگذاري معتبر نمي باشد لطفا از کارکترهاي ديگر استفاده کنيد"));
        QCOMPARE(log.shown().first().title, Caption);
        QVERIFY(log.shown().first().icon == Messages::Icon::Information);

        // Pasted text is held to the same rule.
        desk.name()->selectAll();
        desk.name()->insert(QStringLiteral("x") + character + QStringLiteral("y"));
        QCOMPARE(desk.name()->text(), QStringLiteral("abc"));
    }

    void emptyNameRefused()
    {
        Desk desk;
        Messages::MessageLog log;
        QSignalSpy quit(desk.window.get(), &BackupWindow::quitRequested);
        desk.name()->clear();
        desk.save();
        QCOMPARE(log.lastText(), QStringLiteral("نام فايل نسخه پشتيبان را وارد کنيد"));
        QCOMPARE(log.shown().first().title, QStringLiteral("اخطار"));
        QCOMPARE(QDir(desk.folder.path()).entryList(QDir::Files), QStringList());
        QCOMPARE(quit.count(), 0);
    }

    void goodBackupIsTheDatabaseAndEndsTheProgram()
    {
        Desk desk;
        Messages::MessageLog log;
        QSignalSpy quit(desk.window.get(), &BackupWindow::quitRequested);
        desk.save();
        QCOMPARE(bytesOf(desk.target()), bytesOf(desk.data.db().filePath()));
        // The message and the end come only after the progress display has run.
        QCOMPARE(quit.count(), 0);
        QVERIFY(log.shown().isEmpty());
        QTRY_COMPARE(quit.count(), 1);
        QCOMPARE(log.shown().size(), 1);
        QCOMPARE(log.lastText(), Success);
        QCOMPARE(log.shown().first().title, Caption);
        QCOMPARE(desk.window->result(), int(QDialog::Accepted));
        QCOMPARE(QDir(desk.folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{TodayName + ".bak"});

        // The next backup window opens where this one saved.
        QCOMPARE(SettingsStore::read(QStringLiteral("DIR"), QStringLiteral("1")), desk.folder.path());
        QCOMPARE(SettingsStore::read(QStringLiteral("ChDir"), QStringLiteral("1")), desk.folder.path());
        BackupWindow next(desk.data.db());
        next.show();
        QCOMPARE(next.folder(), desk.folder.path());
        QCOMPARE(control<QListWidget>(next, "File1")->count(), 1);
    }

    void replacementAsked()
    {
        Desk desk;
        Messages::MessageLog log;
        QSignalSpy quit(desk.window.get(), &BackupWindow::quitRequested);
        QVERIFY(writeFile(desk.target(), "old backup"));
        desk.window->setFolder(desk.folder.path());
        auto* files = desk.find<QListWidget>("File1");
        QCOMPARE(files->count(), 1);
        desk.name()->clear();
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualItemRect(files->item(0)).center());
        QCOMPARE(desk.name()->text(), TodayName);

        log.answer(false);
        desk.save();
        QCOMPARE(log.lastText(), QStringLiteral("فايلي با نام ") + TodayName +
                                     QStringLiteral(" وجود دارد آيا مايل به جايگزيني اين فايل هستيد؟ "));
        QCOMPARE(log.shown().last().title, Caption);
        QCOMPARE(bytesOf(desk.target()), QByteArray("old backup"));
        QCOMPARE(desk.name()->selectedText(), TodayName);
        QTest::qWait(20);
        QCOMPARE(quit.count(), 0);

        log.answer(true);
        desk.save();
        QCOMPARE(bytesOf(desk.target()), bytesOf(desk.data.db().filePath()));
        QTRY_COMPARE(quit.count(), 1);
    }

    void failingCopyReported_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::newRow("disk full") << "disk full";
        QTest::newRow("folder gone") << "folder gone";
        QTest::newRow("no right to write") << "no right to write";
        QTest::newRow("database missing") << "database missing";
    }

    void failingCopyReported()
    {
        QFETCH(QString, failure);
        Desk desk;
        Messages::MessageLog log;
        QSignalSpy quit(desk.window.get(), &BackupWindow::quitRequested);
        const QString folder = desk.folder.filePath(QStringLiteral("backups"));
        QVERIFY(QDir().mkpath(folder));
        desk.window->setFolder(folder);
        const QString target = desk.path()->text();
        // An older backup of the same name is replaced only by a complete copy.
        QVERIFY(writeFile(target, "old backup"));
        std::unique_ptr<DiskFull> full;
        if (failure == QLatin1String("disk full")) {
            full = std::make_unique<DiskFull>();
        } else if (failure == QLatin1String("folder gone")) {
            QVERIFY(QDir(folder).removeRecursively());
        } else if (failure == QLatin1String("no right to write")) {
            if (geteuid() == 0)
                QSKIP("the superuser writes into any folder");
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
        } else {
            desk.data.db().close();
            QVERIFY(QFile::remove(desk.data.db().filePath()));
        }
        // A backup still in its place is to be replaced, which is asked first.
        const bool replacing = QFileInfo::exists(target);
        if (replacing)
            log.answer(true);
        desk.save();
        full.reset();
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        QCOMPARE(log.shown().size(), replacing ? 2 : 1);
        if (replacing)
            QCOMPARE(log.shown().first().text, QStringLiteral("فايلي با نام ") + TodayName +
                                                   QStringLiteral(" وجود دارد آيا مايل به جايگزيني اين فايل هستيد؟ "));
        QVERIFY(log.shown().last().icon == Messages::Icon::Critical);
        QVERIFY(log.lastText().startsWith(QStringLiteral("نسخه پشتیبان ساخته نشد")));
        QVERIFY(!desk.find<QWidget>("ProgressBar1")->isVisible());
        QTest::qWait(20);
        QCOMPARE(quit.count(), 0);
        QVERIFY(desk.window->isVisible());
        if (QFileInfo::exists(folder)) {
            QCOMPARE(bytesOf(target), QByteArray("old backup"));
            QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{TodayName + ".bak"});
        }
    }

    void backupWaitsForAnOpenTransaction()
    {
        TestDatabase data;
        QTemporaryDir folder;
        const QString target = folder.filePath(QStringLiteral("x.bak"));
        bool copied = true;
        QString error;
        QVERIFY(data.db().inTransaction([&] {
            copied = DatabaseCopy::backup(data.db(), target, &error);
            return true;
        }));
        QVERIFY(!copied);
        QVERIFY(!error.isEmpty());
        QVERIFY(!QFileInfo::exists(target));
        // The transaction of the caller was left alone, and the lock of the copy is gone after it.
        QVERIFY(DatabaseCopy::backup(data.db(), target, &error));
        QVERIFY(data.db().inTransaction([] { return true; }));
    }

    void deleteBackup()
    {
        Desk desk;
        Messages::MessageLog log;
        auto* files = desk.find<QListWidget>("File1");
        auto* remove = desk.find<QPushButton>("Command4");
        QVERIFY(!remove->isEnabled());
        // The pop-up menu of the list says the same when there is nothing to delete.
        desk.find<QAction>("DEL")->trigger();
        QCOMPARE(log.lastText(), QStringLiteral("فايلي براي حذف اطلاعات وجود ندارد"));

        QVERIFY(writeFile(desk.folder.filePath(QStringLiteral("old.bak")), "old"));
        QVERIFY(writeFile(desk.folder.filePath(QStringLiteral("notes.txt")), "notes"));
        desk.find<QCheckBox>("Chkall")->click();
        QCOMPARE(files->count(), 2);
        desk.find<QCheckBox>("Chkall")->click();
        QCOMPARE(files->count(), 1);
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualItemRect(files->item(0)).center());
        QVERIFY(remove->isEnabled());
        QCOMPARE(desk.name()->text(), QStringLiteral("old"));

        log.answer(false);
        remove->click();
        QCOMPARE(log.lastText(),
                 QStringLiteral("آيا مايل به حذف اين فايل ") + QStringLiteral("old.bak") + QStringLiteral(" هستيد؟ "));
        QVERIFY(QFileInfo::exists(desk.folder.filePath(QStringLiteral("old.bak"))));
        log.answer(true);
        remove->click();
        QVERIFY(!QFileInfo::exists(desk.folder.filePath(QStringLiteral("old.bak"))));
        QCOMPARE(files->count(), 0);
        QVERIFY(QFileInfo::exists(desk.folder.filePath(QStringLiteral("notes.txt"))));
    }

    void newFolder()
    {
        Desk desk;
        Messages::MessageLog log;
        auto* button = desk.find<QPushButton>("Command5");
        log.answerText(QString()); // cancelled
        button->click();
        log.answerText(QStringLiteral("نسخه پشتيبان"));
        button->click();
        QCOMPARE(log.shown().last().title, QStringLiteral("نام فولدر جديد"));
        QCOMPARE(log.shown().last().text, QStringLiteral("لطفا نام فولدر جديد را بنويسيد"));
        QCOMPARE(QDir(desk.folder.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{"نسخه پشتيبان"});
        // Asking again for a folder that is there changes nothing and says nothing.
        log.answerText(QStringLiteral("نسخه پشتيبان"));
        button->click();
        QCOMPARE(log.shown().size(), 3);
        QCOMPARE(log.unusedAnswers(), 0);
    }

    void exitButtonEndsTheProgram()
    {
        Desk desk;
        QSignalSpy quit(desk.window.get(), &BackupWindow::quitRequested);
        desk.find<QPushButton>("Command2")->click();
        QCOMPARE(quit.count(), 1);
        QVERIFY(!desk.window->isVisible());
        QVERIFY(!QFileInfo::exists(desk.target()));
    }
};

QTEST_MAIN(TestBackup)
#include "test_backup.moc"
