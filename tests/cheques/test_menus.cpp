#include "backup/restore_window.h"
#include "cheques/main_window.h"
#include "data/clock.h"
#include "data/database_copy.h"
#include "numtype.h"
#include "settings/autostart.h"
#include "settings/settings_store.h"
#include "testing.h"
#include "ui/messages.h"

#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTableView>
#include <QtTest>

class TestMenus : public QObject
{
    Q_OBJECT

private:
    TestEnvironment m_env;
    std::unique_ptr<TestDatabase> m_data;
    std::unique_ptr<MainWindow> m_window;

    QStringList names(const QList<QAction*>& actions)
    {
        QStringList result;
        for (QAction* action : actions)
            result << action->objectName();
        return result;
    }
    QColor listColor(QPalette::ColorRole role)
    {
        return control<QTableView>(m_window.get(), "DataGrid1")->palette().color(role);
    }

private slots:
    void init()
    {
        Clock::set(QDateTime(QDate(2026, 12, 7), QTime(10, 0)));
        m_data = std::make_unique<TestDatabase>();
        m_window = std::make_unique<MainWindow>(m_data->db());
        m_window->show();
    }
    void cleanup()
    {
        m_window.reset();
        m_data.reset();
    }

    void menuBarInItsOrder()
    {
        QStringList top;
        for (QAction* action : m_window->menuBar()->actions())
            top << (action->menu() ? action->menu()->objectName() : action->objectName());
        QCOMPARE(top, QStringList({"SETTing", "Save", "Help", "hhhh", "abiout"}));
        QCOMPARE(names(control<QMenu>(m_window.get(), "SETTing")->actions()),
                 QStringList({"R", "M", "a", "Col", "Font", "CoF", "Fac", "bb", "Set"}));
        // The register's place and its move follow the saving of the data, after a separator.
        QCOMPARE(names(control<QMenu>(m_window.get(), "Save")->actions()),
                 QStringList({"Sa", "Re", "abc", "xcvcxb", "regSep", "regChoose", "regMove"}));
        QVERIFY(control<QAction>(m_window.get(), "a")->isSeparator());
        QVERIFY(!control<QAction>(m_window.get(), "abiout")->menu());
        QCOMPARE(control<QAction>(m_window.get(), "Fac")->text(), QStringLiteral(" \"انتخاب قلم \" چاپ فاکتور "));
        QCOMPARE(names(control<QMenu>(m_window.get(), "t")->actions()),
                 QStringList({"E", "v", "h", "aaa", "Bay", "bbbb", "Sort"}));
    }

    void everyCommandOpensItsWindow_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("window");
        const char* pairs[][2] = {{"R", "Form5"},
                                  {"M", "Form4"},
                                  {"Font", "Form14"},
                                  {"Fac", "Form14"},
                                  {"Set", "Form13"},
                                  {"Sa", "frmdbsave"},
                                  {"Re", "frmrecovery"},
                                  {"Chek", "Form6"},
                                  {"asasas", "Form111"},
                                  {"abiout", "frmAbout"},
                                  {"AeroButton4", "Form8"},
                                  {"AeroButton6", "Form9"},
                                  {"AeroButton5", "Form12"},
                                  {"regChoose", "frmRegister"},
                                  {"regMove", "frmRegister"}};
        for (const auto& pair : pairs)
            QTest::newRow(pair[0]) << QString::fromLatin1(pair[0]) << QString::fromLatin1(pair[1]);
    }
    void everyCommandOpensItsWindow()
    {
        QFETCH(QString, command);
        QFETCH(QString, window);
        m_data->addCheque({{QStringLiteral("TCH"), QStringLiteral("1405/01/01")}, {QStringLiteral("Mab"), 10}});
        m_window->cheques().refresh();
        QString opened;
        whenModal([&](QWidget* modal) {
            opened = modal->objectName();
            modal->close();
        });
        if (auto* action = m_window->findChild<QAction*>(command))
            action->trigger();
        else
            control<QAbstractButton>(m_window.get(), qPrintable(command))->click();
        QCOMPARE(opened, window);
    }

    // Start at logon, switched on from the menu with the keyboard, opens this register again.
    void startAtLogonOpensTheRegisterInUse()
    {
        whenModal(
            [](QWidget* preferences) {
                auto* box = control<QAbstractButton>(preferences, "Check2");
                box->setFocus();
                QTest::keyClick(box, Qt::Key_Space);
                QVERIFY(box->isChecked());
                QTest::keyClick(preferences, Qt::Key_Escape);
            },
            QStringLiteral("Form13"));
        control<QAction>(m_window.get(), "Set")->trigger();

        QFile entry(Autostart::entryPath());
        QVERIFY(entry.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(entry.readAll());
        QCOMPARE(execArguments(desktopEntryValue(text, QStringLiteral("Exec"))),
                 QStringList({QCoreApplication::applicationFilePath(), QStringLiteral("--data-dir"), m_data->dir()}));
        QVERIFY(Autostart::isEnabled());
    }

    void archivePrintsThroughTheArchiveMode()
    {
        QString mode;
        whenModal(
            [&](QWidget* archive) {
                whenModal(
                    [&](QWidget* settings) {
                        mode = control<QLabel>(settings, "Label8")->text();
                        settings->close();
                    },
                    QStringLiteral("Form12"));
                control<QAbstractButton>(archive, "AeroButton4")->click();
                archive->close();
            },
            QStringLiteral("Form8"));
        control<QAbstractButton>(m_window.get(), "AeroButton4")->click();
        QCOMPARE(mode, QStringLiteral("2"));
    }

    void closingPassesThroughTheBackupWindow()
    {
        QString opened;
        whenModal([&](QWidget* modal) {
            opened = modal->objectName();
            modal->close();
        });
        QVERIFY(!m_window->close());
        QCOMPARE(opened, QStringLiteral("frmdbsave"));
    }

    void aRestoreShowsInTheMainListAtOnce()
    {
        TestDatabase other;
        for (int i = 1; i <= 3; ++i)
            other.addCheque(
                {{QStringLiteral("TCH"), QStringLiteral("1405/01/0%1").arg(i)}, {QStringLiteral("Mab"), 100}});
        QTemporaryDir folder;
        QString error;
        QVERIFY2(DatabaseCopy::backup(other.db(), folder.filePath(QStringLiteral("good.bak")), &error),
                 qPrintable(error));
        m_data->addCheque({{QStringLiteral("TCH"), QStringLiteral("1404/01/01")}, {QStringLiteral("Mab"), 5}});
        m_window->cheques().refresh();
        QCOMPARE(control<QLabel>(m_window.get(), "Label6")->text(), QStringLiteral("1"));

        Messages::MessageLog log;
        whenModal(
            [&](QWidget* modal) {
                auto* window = static_cast<RestoreWindow*>(modal);
                window->setPacingInterval(0);
                window->setFolder(folder.path());
                auto* files = control<QListWidget>(window, "File1");
                const QList<QListWidgetItem*> found = files->findItems(QStringLiteral("good.bak"), Qt::MatchExactly);
                if (!found.isEmpty())
                    emit files->itemClicked(found.first());
                control<QAbstractButton>(window, "Command1")->click();
                QTRY_VERIFY(!log.shown().isEmpty());
                window->close();
            },
            QStringLiteral("frmrecovery"));
        control<QAction>(m_window.get(), "Re")->trigger();
        QCOMPARE(control<QLabel>(m_window.get(), "Label6")->text(), QStringLiteral("3"));
        QCOMPARE(control<NumType>(m_window.get(), "NumType1")->value(), 300.0);
    }

    void colourCommandsStoreTheChosenColour()
    {
        Messages::MessageLog log;
        log.answerText(QStringLiteral("#102030"));
        control<QAction>(m_window.get(), "Col")->trigger();
        QCOMPARE(listColor(QPalette::Base), QColor(0x10, 0x20, 0x30));
        // Stored as 0x00BBGGRR in decimal.
        QCOMPARE(SettingsStore::read(QStringLiteral("CD"), QStringLiteral("Backcolor")), QString::number(0x302010));
        log.answerText(QStringLiteral("#0000ff"));
        control<QAction>(m_window.get(), "CoF")->trigger();
        QCOMPARE(listColor(QPalette::Text), QColor(Qt::blue));
        QCOMPARE(SettingsStore::read(QStringLiteral("CD"), QStringLiteral("ForeColor")), QString::number(0xff0000));
        QCOMPARE(log.shown().size(), 2); // the two choosers, nothing else
    }

    void cancellingTheChooserKeepsTheColours()
    {
        const QColor before = listColor(QPalette::Base);
        const QString stored = SettingsStore::read(QStringLiteral("CD"), QStringLiteral("Backcolor"));
        Messages::MessageLog log;
        log.answerText(QString());
        control<QAction>(m_window.get(), "Col")->trigger();
        QCOMPARE(listColor(QPalette::Base), before);
        QCOMPARE(SettingsStore::read(QStringLiteral("CD"), QStringLiteral("Backcolor")), stored);
    }
};

QTEST_MAIN(TestMenus)
#include "test_menus.moc"
