#include "settings/settings_store.h"
#include "startup/register_choice.h"
#include "startup/register_window.h"
#include "testing.h"
#include "ui/messages.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>

class TestRegisterWindow : public QObject
{
    Q_OBJECT

private:
    TestEnvironment m_env;

private slots:
    // The server chosen with the keyboard is stored, as a URI without a password, and named at
    // the next start; a server without a database name is not stored.
    void aServerChosenIsStoredForTheNextStart()
    {
        RegisterWindow window(RegisterWindow::Purpose::Choose, RegisterLocation::localFile());
        window.show();
        auto* server = control<QRadioButton>(window, "optServer");
        auto* database = control<QLineEdit>(window, "txtDatabase");
        QVERIFY(!database->isEnabled());
        server->setFocus();
        QTest::keyClick(server, Qt::Key_Space);
        QVERIFY(database->isEnabled());
        QCOMPARE(control<QLineEdit>(window, "txtHost")->text(), QStringLiteral("localhost"));

        Messages::MessageLog log;
        control<QPushButton>(window, "cmdSave")->click();
        QVERIFY(log.lastText().contains(QStringLiteral("نام بانک اطلاعاتی")));
        QVERIFY(SettingsStore::read(Settings::RegisterServer).isEmpty());

        database->setFocus();
        QTest::keyClicks(database, QStringLiteral("cheques"));
        control<QLineEdit>(window, "txtUser")->setText(QStringLiteral("ali"));
        control<QSpinBox>(window, "txtPort")->setValue(5433);
        QTest::keyClick(database, Qt::Key_Return);
        QVERIFY(!window.isVisible());
        QCOMPARE(SettingsStore::read(Settings::RegisterServer),
                 QStringLiteral("postgresql://ali@localhost:5433/cheques"));

        RegisterLocation chosen;
        QString error;
        QVERIFY(RegisterChoice::chosen(QString(), &chosen, &error));
        QVERIFY(chosen.server);
        QCOMPARE(chosen.port, 5433);
        // The command line comes first, "local" naming this PC's file.
        QVERIFY(RegisterChoice::chosen(QStringLiteral("local"), &chosen, &error));
        QVERIFY(!chosen.server);
        QVERIFY(!RegisterChoice::chosen(QStringLiteral("postgresql://host"), &chosen, &error));
    }
};

QTEST_MAIN(TestRegisterWindow)
#include "test_register_window.moc"
