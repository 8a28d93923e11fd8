#include "settings/autostart.h"
#include "settings/settings_store.h"
#include "testing.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

class TestSettings : public QObject
{
    Q_OBJECT

private:
    TestEnvironment m_env;

    static QString readEntry()
    {
        QFile file(Autostart::entryPath());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll());
    }

private slots:
    void firstRunReadsEmpty()
    {
        QCOMPARE(SettingsStore::read(QStringLiteral("1"), QStringLiteral("2")), QString());
        QCOMPARE(SettingsStore::read(QStringLiteral("CD"), QStringLiteral("Font")), QString());
    }

    void sectionsAndKeysIgnoreCase_data()
    {
        QTest::addColumn<QString>("writeSection");
        QTest::addColumn<QString>("writeKey");
        QTest::addColumn<QString>("readSection");
        QTest::addColumn<QString>("readKey");
        QTest::newRow("Set/set") << "Set"
                                 << "4"
                                 << "set"
                                 << "4";
        QTest::newRow("Backcolor/BackColor") << "CD"
                                             << "Backcolor"
                                             << "CD"
                                             << "BackColor";
        QTest::newRow("DataGird/datagird") << "DataGird"
                                           << "Row"
                                           << "datagird"
                                           << "ROW";
    }
    void sectionsAndKeysIgnoreCase()
    {
        QFETCH(QString, writeSection);
        QFETCH(QString, writeKey);
        QFETCH(QString, readSection);
        QFETCH(QString, readKey);
        const QString value = QStringLiteral("مقدار ") + QString::fromLatin1(QTest::currentDataTag());
        QVERIFY(SettingsStore::write(writeSection, writeKey, value));
        QCOMPARE(SettingsStore::read(readSection, readKey), value);
    }

    void valuesKeepTheirText()
    {
        // A password is stored as typed: blanks, Persian letters and signs that INI files treat specially.
        const QString password = QStringLiteral("  رمز;=,\"x\" ");
        QVERIFY(SettingsStore::write(QStringLiteral("1"), QStringLiteral("3"), password));
        QCOMPARE(SettingsStore::read(QStringLiteral("1"), QStringLiteral("3")), password);
        QVERIFY(SettingsStore::filePath().endsWith(QStringLiteral("/KAVIRO . 5.1.ini")));
        QVERIFY(SettingsStore::filePath().startsWith(m_env.configDir()));
    }

    void numberReadersKeepOldValueOnBadText()
    {
        int width = 1234;
        SettingsStore::write(QStringLiteral("DataGird"), QStringLiteral("3"), QString());
        QVERIFY(!SettingsStore::readInt(QStringLiteral("DataGird"), QStringLiteral("3"), width));
        QCOMPARE(width, 1234);
        SettingsStore::write(QStringLiteral("DataGird"), QStringLiteral("3"), QStringLiteral("wide"));
        QVERIFY(!SettingsStore::readInt(QStringLiteral("DataGird"), QStringLiteral("3"), width));
        QCOMPARE(width, 1234);
        SettingsStore::write(QStringLiteral("DataGird"), QStringLiteral("3"), QStringLiteral("1500"));
        QVERIFY(SettingsStore::readInt(QStringLiteral("DataGird"), QStringLiteral("3"), width));
        QCOMPARE(width, 1500);
        double height = 1;
        QVERIFY(SettingsStore::readDouble(QStringLiteral("datagird"), QStringLiteral("3"), height));
        QCOMPARE(height, 1500.0);
    }

    void severalValuesAreWrittenTogether()
    {
        QString error;
        QVERIFY2(SettingsStore::write({{QStringLiteral("CD"), QStringLiteral("Font"), QStringLiteral("Nazli")},
                                       {QStringLiteral("CD"), QStringLiteral("FontSize"), QStringLiteral("12")}},
                                      &error),
                 qPrintable(error));
        QCOMPARE(SettingsStore::read(QStringLiteral("cd"), QStringLiteral("font")), QStringLiteral("Nazli"));
        QCOMPARE(SettingsStore::read(QStringLiteral("cd"), QStringLiteral("fontsize")), QStringLiteral("12"));
        // The other values of the file stay.
        QVERIFY(SettingsStore::write(QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("فروشگاه")));
        QVERIFY(SettingsStore::write(QStringLiteral("CD"), QStringLiteral("Font"), QStringLiteral("Titr")));
        QCOMPARE(SettingsStore::read(QStringLiteral("1"), QStringLiteral("2")), QStringLiteral("فروشگاه"));
        QCOMPARE(SettingsStore::read(QStringLiteral("CD"), QStringLiteral("FontSize")), QStringLiteral("12"));
    }

    void autostartEntryOnAndOff()
    {
        const QString exe = QStringLiteral("/opt/my apps/KAVIRO");
        const QString data = QStringLiteral("/home/shop/.local/share/KAVIRO");
        QVERIFY(Autostart::setStartAtLogon(true, data, exe));
        QString entry = readEntry();
        QCOMPARE(desktopEntryValue(entry, QStringLiteral("Exec")),
                 QStringLiteral("\"/opt/my apps/KAVIRO\" --data-dir \"/home/shop/.local/share/KAVIRO\""));
        QVERIFY(entry.contains(QStringLiteral("Hidden=false\n")));
        QVERIFY(Autostart::isEnabled());

        // Switching off keeps the entry and disables it.
        QVERIFY(Autostart::setStartAtLogon(false, data, exe));
        entry = readEntry();
        QCOMPARE(execArguments(desktopEntryValue(entry, QStringLiteral("Exec"))),
                 QStringList({exe, QStringLiteral("--data-dir"), data}));
        QVERIFY(entry.contains(QStringLiteral("Hidden=true\n")));
        QVERIFY(!Autostart::isEnabled());
    }

    // What a desktop runs at logon is the program on the register it was switched on in,
    // whatever the folders are called.
    void autostartStartsTheSameFolders_data()
    {
        QTest::addColumn<QString>("exe");
        QTest::addColumn<QString>("data");
        QTest::newRow("plain") << "/usr/bin/KAVIRO"
                               << "/home/ali/.local/share/KAVIRO";
        QTest::newRow("blanks") << "/opt/my apps/KAVIRO"
                                << "/home/ali/My Documents/cheques 1405";
        QTest::newRow("Persian") << "/usr/bin/KAVIRO" << QStringLiteral("/home/علی/دفتر چك ها");
        QTest::newRow("quotes") << "/opt/\"q\"/KAVIRO"
                                << "/home/ali/it's \"mine\"";
        QTest::newRow("shell characters") << "/usr/bin/KAVIRO"
                                          << "/home/ali/$HOME `date` ;|&<>*?#~()";
        QTest::newRow("backslashes") << "/opt/a\\b/KAVIRO"
                                     << "/home/ali/c:\\data\\";
        QTest::newRow("percent") << "/opt/100%/KAVIRO"
                                 << "/home/ali/%f %U %%";
        QTest::newRow("tab and newline") << "/usr/bin/KAVIRO"
                                         << "/home/ali/a\tb\nc";
    }

    void autostartStartsTheSameFolders()
    {
        QFETCH(QString, exe);
        QFETCH(QString, data);
        QVERIFY(Autostart::setStartAtLogon(true, data, exe));
        const QString entry = readEntry();
        const QString exec = desktopEntryValue(entry, QStringLiteral("Exec"));
        // One line: the entry's other keys stay keys.
        QVERIFY(!exec.contains(QLatin1Char('\n')));
        QCOMPARE(execArguments(exec), QStringList({exe, QStringLiteral("--data-dir"), data}));
        QCOMPARE(desktopEntryValue(entry, QStringLiteral("Hidden")), QStringLiteral("false"));
    }

    // The desktop's own checker reads the entry as desktops do.
    void autostartEntryPassesTheDesktopChecker()
    {
        const QString validator = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
        if (validator.isEmpty())
            QSKIP("desktop-file-validate is not installed (scripts/setup installs it)");
        QVERIFY(Autostart::setStartAtLogon(true, QStringLiteral("/home/ali/My \"cheques\" $1 100%\\"),
                                           QStringLiteral("/usr/bin/KAVIRO")));
        QProcess check;
        check.setProcessChannelMode(QProcess::MergedChannels);
        check.start(validator, {Autostart::entryPath()});
        QVERIFY(check.waitForFinished());
        const QString said = QString::fromUtf8(check.readAll());
        QVERIFY2(check.exitCode() == 0 && !said.contains(QLatin1String("error")), qPrintable(said));
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
