#include "testing.h"

#include "calendar/jalali.h"
#include "data/clock.h"
#include "settings/settings_store.h"
#include "startup/login_window.h"
#include "startup/password_window.h"
#include "startup/single_instance.h"
#include "ui/messages.h"
#include "ui/persian_keyboard.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

const QString WrongPassword = QStringLiteral(" .رمز عبور وارد شده معتبر نيست ");
const QString NoAccess = QStringLiteral(" !غير قابل دسترس ");

// Types text the way a keyboard would; Persian characters go one key event each.
void type(QWidget* box, const QString& text)
{
    for (const QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

void storePassword(const QString& password)
{
    QVERIFY(SettingsStore::write(QStringLiteral("1"), QStringLiteral("3"), password));
}

} // namespace

class StartupTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void loginComparesExactly_data();
    void loginComparesExactly();
    void threeWrongPasswordsEndTheProgram();
    void enterKeyWalksToTheButton();
    void exitEndsAtOnce();
    void passwordIsMasked();
    void ownerAndDateShown();
    void clockFollowsTheTimer();
    void savedPasswordOpensTheLogin_data();
    void savedPasswordOpensTheLogin();
    void unwritableSettingsAreReported();
    void backClosesThePasswordWindow();
    void passwordsTakeLatinKeysWithThePersianKeyboardOn();
    void secondCopyIsRefused();
    void lockOfADeadCopyIsTakenOver();

private:
    TestEnvironment m_environment;
    std::unique_ptr<Messages::MessageLog> m_log;
};

void StartupTest::init()
{
    // Every case starts as on a first run: no settings file, no password.
    QDir(SettingsStore::filePath()).removeRecursively();
    QFile::remove(SettingsStore::filePath());
    m_log = std::make_unique<Messages::MessageLog>();
}

void StartupTest::cleanup()
{
    m_log.reset();
    Clock::set(QDateTime());
}

void StartupTest::loginComparesExactly_data()
{
    QTest::addColumn<bool>("hasPassword");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("none set, empty box") << false << QString() << QString() << true;
    QTest::newRow("none set, any text") << false << QString() << "x" << false;
    QTest::newRow("same text") << true << "Secret1"
                               << "Secret1" << true;
    QTest::newRow("letter case differs") << true << "Secret1"
                                         << "secret1" << false;
    QTest::newRow("prefix only") << true << "Secret1"
                                 << "Secret" << false;
    QTest::newRow("stored blanks count") << true << " ab "
                                         << "ab" << false;
    QTest::newRow("blanks typed as stored") << true << " ab "
                                            << " ab " << true;
    QTest::newRow("empty box, password set") << true << "Secret1" << QString() << false;
}

void StartupTest::loginComparesExactly()
{
    QFETCH(bool, hasPassword);
    QFETCH(QString, stored);
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    if (hasPassword)
        storePassword(stored);

    LoginWindow login;
    login.show();
    QSignalSpy finished(&login, &QDialog::finished);
    auto* box = control<QLineEdit>(login, "Text4");
    QTest::keyClicks(box, typed);
    control<QPushButton>(login, "Command2")->click();

    if (accepted) {
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.first().first().toInt(), int(QDialog::Accepted));
        QVERIFY(m_log->shown().isEmpty());
        return;
    }
    QCOMPARE(finished.count(), 0);
    QCOMPARE(m_log->shown().size(), 1);
    QCOMPARE(m_log->shown().first().icon, Messages::Icon::Information);
    QCOMPARE(m_log->lastText(), WrongPassword);
    QVERIFY(box->text().isEmpty());
    QCOMPARE(login.focusWidget(), box);
}

void StartupTest::threeWrongPasswordsEndTheProgram()
{
    storePassword(QStringLiteral("right"));
    LoginWindow login;
    login.show();
    QSignalSpy finished(&login, &QDialog::finished);
    auto* box = control<QLineEdit>(login, "Text4");
    auto* enter = control<QPushButton>(login, "Command2");

    for (int attempt = 1; attempt <= 2; ++attempt) {
        QTest::keyClicks(box, QStringLiteral("wrong"));
        enter->click();
        QCOMPARE(m_log->shown().size(), attempt);
        QCOMPARE(finished.count(), 0);
    }
    QTest::keyClicks(box, QStringLiteral("Right"));
    enter->click();

    const QList<Messages::Shown> shown = m_log->shown();
    QCOMPARE(shown.size(), 4);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(shown[i].icon, Messages::Icon::Information);
        QCOMPARE(shown[i].text, WrongPassword);
    }
    QCOMPARE(shown[3].icon, Messages::Icon::Critical);
    QCOMPARE(shown[3].text, NoAccess);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.first().first().toInt(), int(QDialog::Rejected));
    QVERIFY(!login.isVisible());
}

void StartupTest::enterKeyWalksToTheButton()
{
    storePassword(QStringLiteral("pw"));
    LoginWindow login;
    login.show();
    QVERIFY(QTest::qWaitForWindowActive(&login));
    auto* box = control<QLineEdit>(login, "Text4");
    QCOMPARE(QApplication::focusWidget(), box);

    QSignalSpy finished(&login, &QDialog::finished);
    QTest::keyClicks(box, QStringLiteral("pw"));
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(finished.count(), 0);
    auto* enter = control<QPushButton>(login, "Command2");
    QCOMPARE(QApplication::focusWidget(), enter);
    QTest::keyClick(enter, Qt::Key_Return);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(login.result(), int(QDialog::Accepted));
}

void StartupTest::exitEndsAtOnce()
{
    LoginWindow login;
    login.show();
    QSignalSpy finished(&login, &QDialog::finished);
    QTest::mouseClick(control<QPushButton>(login, "Command1"), Qt::LeftButton);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(login.result(), int(QDialog::Rejected));
    QVERIFY(m_log->shown().isEmpty());
}

void StartupTest::passwordIsMasked()
{
    LoginWindow login;
    login.show();
    auto* box = control<QLineEdit>(login, "Text4");
    QTest::keyClicks(box, QStringLiteral("abc"));
    type(box, QStringLiteral("رمز"));
    QCOMPARE(box->text(), QStringLiteral("abcرمز"));
    QCOMPARE(box->displayText(), QStringLiteral("******"));
}

void StartupTest::ownerAndDateShown()
{
    QVERIFY(SettingsStore::write(QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("فروشگاه نمونه")));
    const QDate day(2026, 12, 7);
    Clock::set(QDateTime(day, QTime(8, 0)));

    LoginWindow login;
    auto* owner = control<QLineEdit>(login, "Text1");
    auto* date = control<QLineEdit>(login, "Text2");
    QCOMPARE(owner->text(), QStringLiteral("فروشگاه نمونه"));
    QCOMPARE(date->text(), JalaliDateString(day, 3));
    QVERIFY(!date->text().isEmpty());
    QVERIFY(owner->isReadOnly());
    QVERIFY(date->isReadOnly());
    QVERIFY(control<QLineEdit>(login, "Text3")->isReadOnly());
}

void StartupTest::clockFollowsTheTimer()
{
    const QDate day(2026, 3, 21);
    Clock::set(QDateTime(day, QTime(9, 41)));
    LoginWindow login;
    login.show();
    auto* time = control<QLineEdit>(login, "Text3");
    QCOMPARE(time->text(), QLocale().toString(QTime(9, 41), QLocale::ShortFormat));

    auto* timer = control<QTimer>(login, "Timer1");
    QVERIFY(timer);
    QVERIFY(timer->isActive());
    QVERIFY(timer->interval() <= 1000);

    Clock::set(QDateTime(day, QTime(17, 5)));
    QTRY_COMPARE_WITH_TIMEOUT(time->text(), QLocale().toString(QTime(17, 5), QLocale::ShortFormat), 2000);
}

void StartupTest::savedPasswordOpensTheLogin_data()
{
    QTest::addColumn<QString>("password");
    QTest::newRow("blanks kept") << QStringLiteral("  Pass Word ");
    QTest::newRow("persian letters") << QStringLiteral("کلید ۱۲");
    QTest::newRow("empty removes it") << QString();
}

void StartupTest::savedPasswordOpensTheLogin()
{
    QFETCH(QString, password);
    storePassword(QStringLiteral("old"));

    PasswordWindow window;
    window.show();
    type(control<QLineEdit>(window, "Text1"), password);
    control<QPushButton>(window, "Command1")->click();

    QCOMPARE(SettingsStore::read(QStringLiteral("1"), QStringLiteral("3")), password);
    QCOMPARE(m_log->shown().size(), 1);
    QCOMPARE(m_log->shown().first().icon, Messages::Icon::None);
    QCOMPARE(m_log->lastText(), QStringLiteral("ثبت شد"));
    QVERIFY(window.isVisible());
    m_log->clear();

    // The same text opens the login; the text with its blanks trimmed does not.
    LoginWindow refused;
    refused.show();
    QSignalSpy refusedSpy(&refused, &QDialog::finished);
    type(control<QLineEdit>(refused, "Text4"), password.trimmed() == password ? password + "x" : password.trimmed());
    control<QPushButton>(refused, "Command2")->click();
    QCOMPARE(refusedSpy.count(), 0);
    QCOMPARE(m_log->lastText(), WrongPassword);

    LoginWindow login;
    login.show();
    QSignalSpy finished(&login, &QDialog::finished);
    type(control<QLineEdit>(login, "Text4"), password);
    control<QPushButton>(login, "Command2")->click();
    QCOMPARE(finished.count(), 1);
    QCOMPARE(login.result(), int(QDialog::Accepted));
}

void StartupTest::unwritableSettingsAreReported()
{
    storePassword(QStringLiteral("old"));
    // A folder where the settings file belongs makes every write fail, even for root.
    QFile::remove(SettingsStore::filePath());
    QVERIFY(QDir().mkpath(SettingsStore::filePath()));

    PasswordWindow window;
    window.show();
    QTest::keyClicks(control<QLineEdit>(window, "Text1"), QStringLiteral("new"));
    control<QPushButton>(window, "Command1")->click();

    QCOMPARE(m_log->shown().size(), 1);
    QCOMPARE(m_log->shown().first().icon, Messages::Icon::Critical);
    QVERIFY(m_log->lastText() != QStringLiteral("ثبت شد"));
    QVERIFY(window.isVisible());

    // The password that was not saved is not the one the program goes on with.
    QVERIFY(SettingsStore::read(QStringLiteral("1"), QStringLiteral("3")) != QStringLiteral("new"));
    QVERIFY(QDir(SettingsStore::filePath()).removeRecursively());
    storePassword(QString());
}

void StartupTest::backClosesThePasswordWindow()
{
    storePassword(QStringLiteral("kept"));
    PasswordWindow window;
    window.show();
    QTest::keyClicks(control<QLineEdit>(window, "Text1"), QStringLiteral("unsaved"));
    control<QPushButton>(window, "Command2")->click();
    QVERIFY(!window.isVisible());
    QCOMPARE(SettingsStore::read(QStringLiteral("1"), QStringLiteral("3")), QStringLiteral("kept"));
    QVERIFY(m_log->shown().isEmpty());
}

void StartupTest::secondCopyIsRefused()
{
    auto first = std::make_unique<SingleInstance>();
    QVERIFY(ensureSingleCopy(*first));
    QVERIFY(first->tryLock());
    QVERIFY(QFile::exists(first->lockFilePath()));
    QVERIFY(m_log->shown().isEmpty());

    SingleInstance second;
    QCOMPARE(second.lockFilePath(), first->lockFilePath());
    QVERIFY(!ensureSingleCopy(second));
    QCOMPARE(m_log->shown().size(), 1);
    QCOMPARE(m_log->shown().first().icon, Messages::Icon::Critical);
    QCOMPARE(m_log->lastText(), QStringLiteral(" .نرم افزار کاويرو فعال ميباشد "));

    first.reset();
    QVERIFY(!QFile::exists(second.lockFilePath()));
    QVERIFY(second.tryLock());
}

void StartupTest::lockOfADeadCopyIsTakenOver()
{
    const QString path = SingleInstance::lockFilePathFor(QStringLiteral("KAVIRO"));
    QFile lock(path);
    QVERIFY(lock.open(QIODevice::WriteOnly | QIODevice::Truncate));
    // No process can have this number; the host line is left empty, meaning this machine.
    lock.write("999999999\nKAVIRO\n\n");
    lock.close();

    SingleInstance instance;
    QVERIFY(instance.tryLock());
    QVERIFY(m_log->shown().isEmpty());
}

QTEST_MAIN(StartupTest)
#include "test_startup.moc"

void StartupTest::passwordsTakeLatinKeysWithThePersianKeyboardOn()
{
    PersianKeyboard& keyboard = PersianKeyboard::instance();
    keyboard.install(*qApp);
    keyboard.setEnabled(true);
    struct Off
    {
        ~Off() { PersianKeyboard::instance().setEnabled(false); }
    } off;

    // The keyboard is on: a plain box types Persian letters for the same keys.
    QLineEdit plain;
    plain.show();
    QTest::keyClicks(&plain, QStringLiteral("abc"));
    QCOMPARE(plain.text(), QStringLiteral("شذز"));

    PasswordWindow window;
    window.show();
    auto* box = control<QLineEdit>(window, "Text1");
    box->setFocus();
    QTest::keyClicks(box, QStringLiteral("Gol12"));
    // Enter in the box saves, and so does Enter on the save button.
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(SettingsStore::read(QStringLiteral("1"), QStringLiteral("3")), QStringLiteral("Gol12"));
    box->clear();
    QTest::keyClicks(box, QStringLiteral("Gol12"));
    auto* save = control<QPushButton>(window, "Command1");
    save->setFocus();
    QTest::keyClick(save, Qt::Key_Return);
    QCOMPARE(SettingsStore::read(QStringLiteral("1"), QStringLiteral("3")), QStringLiteral("Gol12"));
    m_log->clear();

    // The login reads the same keys the same way, through the whole keyboard path.
    LoginWindow login;
    login.show();
    QVERIFY(QTest::qWaitForWindowActive(&login));
    QSignalSpy finished(&login, &QDialog::finished);
    auto* password = control<QLineEdit>(login, "Text4");
    password->setFocus();
    QTest::keyClicks(password, QStringLiteral("Gol12"));
    QTest::keyClick(password, Qt::Key_Return);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(login.result(), int(QDialog::Accepted));
    QVERIFY(m_log->shown().isEmpty());
}
