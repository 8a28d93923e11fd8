#include "app_options.h"
#include "data/database.h"
#include "startup/about_window.h"
#include "testing.h"

#include <QDir>
#include <QFile>
#include <QtTest>

class TestOptions : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_root;

    // An unpacked copy: the program in usr/bin, the user's data home elsewhere.
    QString programDir() const { return m_root.filePath(QStringLiteral("usr/bin")); }
    QString dataHome() const { return m_root.filePath(QStringLiteral("home/.local/share")); }

    QString dataDirFor(const QStringList& options) const
    {
        return AppOptions::parse(QStringList{QStringLiteral("KAVIRO")} + options, programDir(), dataHome()).dataDir;
    }

private slots:
    void init()
    {
        QVERIFY(QDir().mkpath(programDir()));
        QFile::remove(QDir(programDir()).filePath(AppOptions::localDataMarker()));
    }

    void anInstalledCopyKeepsTheRegisterInTheUsersFolder()
    {
        QCOMPARE(dataDirFor({}), m_root.filePath(QStringLiteral("home/.local/share/KAVIRO")));
        // Qt's own options are no concern of the program's.
        QCOMPARE(dataDirFor({QStringLiteral("-style"), QStringLiteral("fusion")}),
                 m_root.filePath(QStringLiteral("home/.local/share/KAVIRO")));
    }

    // The register's server and a copy's two registers are values, even when named like options.
    void theRegisterAndACopyAreNamedOnTheCommandLine()
    {
        const QString uri = QStringLiteral("postgresql://ali@db:5433/cheques?sslmode=require");
        auto parse = [&](const QStringList& options) {
            return AppOptions::parse(QStringList{QStringLiteral("KAVIRO")} + options, programDir(), dataHome());
        };
        QCOMPARE(parse({QStringLiteral("--database"), uri}).database, uri);
        QCOMPARE(parse({QStringLiteral("--database=") + uri}).database, uri);
        const AppOptions copy = parse({QStringLiteral("--copy-register"), QStringLiteral("/srv/old"), uri});
        QVERIFY(copy.copyRegister());
        QCOMPARE(copy.copyFrom, QStringLiteral("/srv/old"));
        QCOMPARE(copy.copyTo, uri);
        QVERIFY(!parse({QStringLiteral("--copy-register"), uri}).copyRegister());
        QVERIFY(!AppOptions::terminalText(
            {QStringLiteral("KAVIRO"), QStringLiteral("--database"), QStringLiteral("--help")}));
        QVERIFY(!AppOptions::terminalText({QStringLiteral("KAVIRO"), QStringLiteral("--copy-register"),
                                           QStringLiteral("--version"), QStringLiteral("-h")}));
        QVERIFY(AppOptions::terminalText({QStringLiteral("KAVIRO"), QStringLiteral("--help")})
                    ->contains(QStringLiteral("--database URI")));
    }

    void aCopyWithTheMarkerKeepsItBesideTheProgram()
    {
        QFile marker(QDir(programDir()).filePath(AppOptions::localDataMarker()));
        QVERIFY(marker.open(QIODevice::WriteOnly));
        marker.close();
        QCOMPARE(dataDirFor({}), programDir());
    }

    void theNamedFolderComesFirst_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("expected");
        QTest::newRow("separate") << QStringList{"--data-dir", "/srv/shop"} << "/srv/shop";
        QTest::newRow("joined") << QStringList{"--data-dir=/srv/shop books"} << "/srv/shop books";
        QTest::newRow("relative") << QStringList{"--data-dir", "books"} << QDir::current().filePath("books");
        QTest::newRow("the last one") << QStringList{"--data-dir", "/a", "--data-dir", "/b"} << "/b";
        QTest::newRow("named like an option")
            << QStringList{"--data-dir", "--version"} << QDir::current().filePath("--version");
    }

    void theNamedFolderComesFirst()
    {
        QFETCH(QStringList, options);
        QFETCH(QString, expected);
        QCOMPARE(dataDirFor(options), QDir::cleanPath(expected));
    }

    void aMissingFolderIsNotAnOption()
    {
        QCOMPARE(dataDirFor({QStringLiteral("--data-dir")}),
                 m_root.filePath(QStringLiteral("home/.local/share/KAVIRO")));
    }

    // The first start of an installed copy makes the user's folder and a new register in it.
    void theUsersFolderIsMadeOnFirstStart()
    {
        const QString dir = dataDirFor({});
        QVERIFY(!QDir(dir).exists());
        Database database(dir);
        QCOMPARE(database.open(), Database::OpenResult::Created);
        QVERIFY(QFile::exists(QDir(dir).filePath(QStringLiteral("dbase.mdb"))));
        QVERIFY(!QFile::exists(QDir(programDir()).filePath(QStringLiteral("dbase.mdb"))));
    }

    void versionAndHelpAnswerOnTheTerminal()
    {
        const QString program = QStringLiteral("KAVIRO");
        QCOMPARE(AppOptions::terminalText({program, QStringLiteral("--version")}),
                 std::optional<QString>(QStringLiteral("KAVIRO ") + AboutWindow::version() + QLatin1Char('\n')));
        for (const char* help : {"--help", "-h"}) {
            const std::optional<QString> text = AppOptions::terminalText({program, QLatin1String(help)});
            QVERIFY(text);
            for (const char* option : {"--data-dir DIR", "--version", "--help", ".local/share/KAVIRO"})
                QVERIFY2(text->contains(QLatin1String(option)), option);
        }
        QVERIFY(!AppOptions::terminalText({program}));
        QVERIFY(!AppOptions::terminalText({program, QStringLiteral("--data-dir"), QStringLiteral("/tmp/x")}));
        // A folder called --version is a folder.
        QVERIFY(!AppOptions::terminalText({program, QStringLiteral("--data-dir"), QStringLiteral("--version")}));
    }
};

QTEST_GUILESS_MAIN(TestOptions)
#include "test_options.moc"
