#include "data/complete_file.h"
#include "data/failure_text.h"
#include "testing.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <sys/stat.h>

namespace {

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QStringList namesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

int modeOf(const QString& path)
{
    struct stat st
    {
    };
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 07777) : -1;
}

} // namespace

class TestFiles : public QObject
{
    Q_OBJECT

private slots:
    void replacesTheWholeFileAndLeavesNothingBeside()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("list.xlsx"));
        QVERIFY(CompleteFile::writeAll(path, "older and longer content"));
        const QByteArray large(200 * 1024, 'k');
        QString error;
        QVERIFY2(CompleteFile::writeAll(path, large, &error), qPrintable(error));
        QCOMPARE(bytesOf(path), large);
        QCOMPARE(modeOf(path), 0600);
        QCOMPARE(namesIn(dir.path()), QStringList{QStringLiteral("list.xlsx")});
    }

    void writesThroughALinkToTheFileBehindIt()
    {
        QTemporaryDir dir;
        const QString real = dir.filePath(QStringLiteral("real.ini"));
        const QString link = dir.filePath(QStringLiteral("link.ini"));
        QVERIFY(CompleteFile::writeAll(real, "old"));
        QVERIFY(QFile::link(real, link));
        QVERIFY(CompleteFile::writeAll(link, "new"));
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(bytesOf(real), QByteArray("new"));
    }

    void refusalsNameTheFileAndKeepIt_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("a folder of that name") << "folder";
        QTest::newRow("no such folder") << "no folder";
        QTest::newRow("the check refuses") << "check";
        QTest::newRow("written short") << "short";
    }

    void refusalsNameTheFileAndKeepIt()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        QString path = dir.filePath(QStringLiteral("x.bak"));
        if (kind == QLatin1String("folder"))
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("x.bak")));
        else if (kind == QLatin1String("no folder"))
            path = dir.filePath(QStringLiteral("gone/x.bak"));
        else
            QVERIFY(CompleteFile::writeAll(path, "old backup"));

        CompleteFile file(path);
        bool done = false;
        if (kind == QLatin1String("check")) {
            done = file.open() && file.write("new") && file.commit([](const QString& working, QString* reason) {
                *reason = FailureText::withDetail(QStringLiteral("نسخه سالم نبود"), QStringLiteral("page 3"));
                return bytesOf(working) == "something else";
            });
        } else if (kind == QLatin1String("short")) {
            // Bytes that reach the file past the writer's count: its size on the disk decides.
            done = file.open() && file.write("new") && writeFile(file.workingPath(), "more than was written") &&
                   file.commit();
        } else {
            done = file.open() && file.write("new") && file.commit();
        }
        QVERIFY(!done);
        const QString error = file.errorText();
        QVERIFY2(error.startsWith(QStringLiteral("فایل %1 نوشته نشد: ").arg(FailureText::quotedPath(path))),
                 qPrintable(error));
        if (kind == QLatin1String("check")) {
            // The check's reason goes into the sentence, its detail under it.
            QVERIFY2(error.contains(QStringLiteral(
                         "نوشته نشد: نسخه سالم نبود. فایلی که پیش‌تر")),
                     qPrintable(error));
            QVERIFY2(error.endsWith(QStringLiteral("\nجزئیات: page 3")), qPrintable(error));
        }
        if (kind != QLatin1String("folder") && kind != QLatin1String("no folder"))
            QCOMPARE(bytesOf(path), QByteArray("old backup"));
        QVERIFY(file.workingPath().isEmpty());
        for (const QString& name : namesIn(dir.path()))
            QVERIFY2(!CompleteFile::isLeftoverName(name), qPrintable(name));
    }

    void readOnlyFileIsNotReplaced()
    {
        if (geteuid() == 0)
            QSKIP("the superuser writes into any file");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("kept.bak"));
        QVERIFY(CompleteFile::writeAll(path, "old"));
        QVERIFY(::chmod(QFile::encodeName(path).constData(), 0400) == 0);
        QString error;
        QVERIFY(!CompleteFile::writeAll(path, "new", &error));
        QVERIFY(error.contains(QStringLiteral("فقط خواندنی")));
        QCOMPARE(bytesOf(path), QByteArray("old"));
    }

    void keptCopyGivesTheOldContentBack()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("dbase.mdb"));
        QVERIFY(CompleteFile::writeAll(path, "old register"));
        {
            KeptCopy kept(path);
            QVERIFY(kept.isKept());
            QVERIFY(CompleteFile::writeAll(path, "bad register"));
            QVERIFY(kept.putBack());
        }
        QCOMPARE(bytesOf(path), QByteArray("old register"));
        {
            KeptCopy kept(path);
            QCOMPARE(namesIn(dir.path()).size(), 2);
        }
        // Not put back: the second name goes, the file stays as it is.
        QCOMPARE(namesIn(dir.path()), QStringList{QStringLiteral("dbase.mdb")});
    }

    void leftoverNamesAreOnlyThoseOfTheProgram_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("leftover");
        QTest::newRow("working copy") << ".x.bak.kaviro-part-a1b2c3" << true;
        QTest::newRow("second name") << ".dbase.mdb.kaviro-keep-0z9y8x" << true;
        QTest::newRow("not hidden") << "x.bak.kaviro-part-a1b2c3" << false;
        QTest::newRow("capitals") << ".x.bak.kaviro-part-A1B2C3" << false;
        QTest::newRow("longer tail") << ".x.bak.kaviro-part-a1b2c3d" << false;
        QTest::newRow("a user's copy") << "dbase.mdb.backup" << false;
        QTest::newRow("another program's") << ".x.bak.part-a1b2c3" << false;
    }

    void leftoverNamesAreOnlyThoseOfTheProgram()
    {
        QFETCH(QString, name);
        QFETCH(bool, leftover);
        QCOMPARE(CompleteFile::isLeftoverName(name), leftover);
    }

    void longNamesGetAWorkingFileToo()
    {
        QTemporaryDir dir;
        const QString name = QString(240, QLatin1Char('n')) + QStringLiteral(".bak");
        QString error;
        QVERIFY2(CompleteFile::writeAll(dir.filePath(name), "backup", &error), qPrintable(error));
        QCOMPARE(namesIn(dir.path()), QStringList{name});
    }
};

QTEST_GUILESS_MAIN(TestFiles)
#include "test_files.moc"
