#include "calendar/jalali.h"
#include "data/clock.h"
#include "numtype.h"
#include "settings/autostart.h"
#include "settings/settings_store.h"
#include "startup/list_font_window.h"
#include "startup/owner_name_window.h"
#include "startup/preferences_window.h"
#include "testing.h"
#include "ui/messages.h"
#include "ui/persian_keyboard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextEdit>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>

namespace {

const QString Saved = QStringLiteral("اطاعلات درخواستي ثبت شد");

// Types text the way a keyboard would; Persian characters go one key event each.
void type(QWidget* box, const QString& text)
{
    for (const QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

QString setting(const char* section, const char* key)
{
    return SettingsStore::read(QLatin1String(section), QLatin1String(key));
}

void store(const char* section, const char* key, const QString& value)
{
    QVERIFY(SettingsStore::write(QLatin1String(section), QLatin1String(key), value));
}

QString autostartEntry()
{
    QFile file(Autostart::entryPath());
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

// A folder where the settings file belongs makes every write fail, even for root.
void makeSettingsUnwritable()
{
    QFile::remove(SettingsStore::filePath());
    QVERIFY(QDir().mkpath(SettingsStore::filePath()));
}

QString textOf(QWidget* box)
{
    if (auto* line = qobject_cast<QLineEdit*>(box))
        return line->text();
    if (auto* plain = qobject_cast<QPlainTextEdit*>(box))
        return plain->toPlainText();
    if (auto* rich = qobject_cast<QTextEdit*>(box))
        return rich->toPlainText();
    if (auto* combo = qobject_cast<QComboBox*>(box))
        return combo->currentText();
    return QString();
}

} // namespace

class TestPreferences : public QObject
{
    Q_OBJECT

private:
    TestEnvironment m_env;
    // The data folder in use, which a start at logon must open.
    QTemporaryDir m_data;
    std::unique_ptr<Messages::MessageLog> m_log;
    PersianKeyboard& m_keyboard = PersianKeyboard::instance();

private slots:
    void initTestCase() { m_keyboard.install(*qApp); }

    void init()
    {
        QDir(SettingsStore::filePath()).removeRecursively();
        QFile::remove(SettingsStore::filePath());
        QFile::remove(Autostart::entryPath());
        m_keyboard.setEnabled(false);
        m_log = std::make_unique<Messages::MessageLog>();
    }

    void cleanup()
    {
        QCOMPARE(m_log->unusedAnswers(), 0);
        m_log.reset();
        Clock::set(QDateTime());
    }

    // Advanced settings.

    void dayCountShowsWithTheReminder_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("shown");
        QTest::newRow("reminder on") << "1" << true;
        QTest::newRow("reminder off") << "0" << false;
        QTest::newRow("first run") << "" << false;
    }

    void dayCountShowsWithTheReminder()
    {
        QFETCH(QString, stored);
        QFETCH(bool, shown);
        store("Set", "3", stored);
        PreferencesWindow window(m_data.path());
        window.show();
        auto* reminder = control<QCheckBox>(window, "Check3");
        auto* group = control<QGroupBox>(window, "AeroGroupBox1");
        QCOMPARE(reminder->isChecked(), shown);
        QCOMPARE(group->isVisible(), shown);
        const QSize size = window.size();
        reminder->click();
        QCOMPARE(group->isVisible(), !shown);
        QCOMPARE(window.size(), size);
        QCOMPARE(setting("Set", "3"), stored);
    }

    void optionsAreSavedAndReadBack_data()
    {
        QTest::addColumn<bool>("keyboard");
        QTest::addColumn<bool>("reminder");
        QTest::addColumn<int>("dayIndex");
        QTest::addColumn<QString>("days");
        QTest::newRow("all on, three days") << true << true << 2 << "3";
        QTest::newRow("all off, five days") << false << false << 4 << "5";
        QTest::newRow("no day count chosen") << false << true << -1 << "";
    }

    void optionsAreSavedAndReadBack()
    {
        QFETCH(bool, keyboard);
        QFETCH(bool, reminder);
        QFETCH(int, dayIndex);
        QFETCH(QString, days);
        {
            PreferencesWindow window(m_data.path());
            window.show();
            control<QCheckBox>(window, "Check1")->setChecked(keyboard);
            control<QCheckBox>(window, "Check3")->setChecked(reminder);
            control<QComboBox>(window, "Combo1")->setCurrentIndex(dayIndex);
            control<QPushButton>(window, "AeroButton1")->click();
            QVERIFY(window.isVisible());
        }
        QCOMPARE(m_log->shown().size(), 1);
        QCOMPARE(m_log->shown().first().icon, Messages::Icon::Information);
        QCOMPARE(m_log->lastText(), Saved);
        QCOMPARE(setting("Set", "1"), QString(keyboard ? "1" : "0"));
        QCOMPARE(setting("Set", "2"), QStringLiteral("0"));
        QCOMPARE(setting("Set", "3"), QString(reminder ? "1" : "0"));
        QCOMPARE(setting("set", "4"), days);

        PreferencesWindow again(m_data.path());
        QCOMPARE(control<QCheckBox>(again, "Check1")->isChecked(), keyboard);
        QCOMPARE(control<QCheckBox>(again, "Check2")->isChecked(), false);
        QCOMPARE(control<QCheckBox>(again, "Check3")->isChecked(), reminder);
        QCOMPARE(control<QComboBox>(again, "Combo1")->currentText(), days);
    }

    void savingOtherOptionsKeepsTheDayCount()
    {
        store("Set", "4", QStringLiteral("4"));
        PreferencesWindow window(m_data.path());
        control<QCheckBox>(window, "Check1")->click();
        control<QPushButton>(window, "AeroButton1")->click();
        QCOMPARE(setting("Set", "4"), QStringLiteral("4"));
        QCOMPARE(setting("Set", "1"), QStringLiteral("1"));
    }

    void startAtLogonFollowsTheBoxAtOnce()
    {
        PreferencesWindow window(m_data.path());
        window.show();
        auto* box = control<QCheckBox>(window, "Check2");
        QVERIFY(!QFile::exists(Autostart::entryPath()));

        box->click();
        QVERIFY(Autostart::isEnabled());
        const QString on = autostartEntry();
        QVERIFY(on.contains(QStringLiteral("\nExec=") +
                            Autostart::execLine(QCoreApplication::applicationFilePath(), m_data.path()) +
                            QLatin1Char('\n')));
        QVERIFY(on.contains(QStringLiteral("\nHidden=false")));
        // The setting itself waits for the save.
        QCOMPARE(setting("Set", "2"), QString());

        box->click();
        QVERIFY(QFile::exists(Autostart::entryPath()));
        QVERIFY(!Autostart::isEnabled());
        QVERIFY(autostartEntry().contains(QStringLiteral("\nHidden=true")));
        QVERIFY(m_log->shown().isEmpty());
    }

    void openingRewritesAStoredStartAtLogon_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("written");
        QTest::newRow("on") << "1" << true;
        QTest::newRow("off") << "0" << false;
    }

    void openingRewritesAStoredStartAtLogon()
    {
        QFETCH(QString, stored);
        QFETCH(bool, written);
        store("Set", "2", stored);
        PreferencesWindow window(m_data.path());
        QCOMPARE(control<QCheckBox>(window, "Check2")->isChecked(), written);
        QCOMPARE(QFile::exists(Autostart::entryPath()), written);
        QCOMPARE(Autostart::isEnabled(), written);
    }

    void unwritableSettingsAreNotReportedAsSaved()
    {
        PreferencesWindow window(m_data.path());
        control<QCheckBox>(window, "Check3")->click();
        makeSettingsUnwritable();
        control<QPushButton>(window, "AeroButton1")->click();
        QCOMPARE(m_log->shown().size(), 1);
        QCOMPARE(m_log->shown().first().icon, Messages::Icon::Critical);
        QVERIFY(m_log->lastText() != Saved);
        QCOMPARE(setting("Set", "3"), QString());
    }

    // Owner name.

    void ownerNameIsSavedAndAnnounced()
    {
        store("1", "2", QStringLiteral("قديم"));
        Clock::set(QDateTime(QDate(2026, 12, 7), QTime(10, 0)));
        OwnerNameWindow window;
        window.show();
        auto* box = control<QLineEdit>(window, "Text1");
        QCOMPARE(box->text(), QStringLiteral("قديم"));
        QCOMPARE(control<QPushButton>(window, "Command1")->toolTip(), QStringLiteral("ثبت اطلاعات"));

        QSignalSpy changed(&window, &OwnerNameWindow::ownerNameChanged);
        box->clear();
        type(box, QStringLiteral("فروشگاه ' نمونه"));
        control<QPushButton>(window, "Command1")->click();
        QCOMPARE(setting("1", "2"), QStringLiteral("فروشگاه ' نمونه"));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.first().first().toString(), QStringLiteral("فروشگاه ' نمونه"));
        QCOMPARE(m_log->shown().size(), 1);
        QCOMPARE(m_log->shown().first().icon, Messages::Icon::None);
        QCOMPARE(m_log->lastText(), QStringLiteral("ثبت شد"));
        QCOMPARE(OwnerNameWindow::mainWindowTitle(QStringLiteral("فروشگاه")),
                 QStringLiteral("فروشگاه     ") + JalaliDateString(QDate(2026, 12, 7), 3));

        control<QPushButton>(window, "F")->click();
        QVERIFY(!window.isVisible());
    }

    void ownerNameNotSavedIsNotAnnounced()
    {
        OwnerNameWindow window;
        QSignalSpy changed(&window, &OwnerNameWindow::ownerNameChanged);
        control<QLineEdit>(window, "Text1")->setText(QStringLiteral("new"));
        makeSettingsUnwritable();
        control<QPushButton>(window, "Command1")->click();
        QCOMPARE(changed.count(), 0);
        QCOMPARE(m_log->shown().size(), 1);
        QCOMPARE(m_log->shown().first().icon, Messages::Icon::Critical);
    }

    // List font.

    void fontIsStoredAndReadBack()
    {
        QFont listFont(QStringLiteral("Noto Sans Arabic"), 10);
        ListFontWindow window(listFont);
        window.show();
        auto* family = control<QComboBox>(window, "Combo1");
        auto* size = control<QComboBox>(window, "Combo2");
        auto* sample = control<QLabel>(window, "Label1");
        QCOMPARE(family->count(), int(QFontDatabase::families().size()));
        QStringList sizes;
        for (int i = 0; i < size->count(); ++i)
            sizes << size->itemText(i);
        QCOMPARE(sizes, ListFontWindow::sizes());
        QCOMPARE(sizes.size(), 16);
        QVERIFY(!sizes.contains(QStringLiteral("28")));

        const int chosen = family->findText(QStringLiteral("DejaVu Sans")) >= 0 ? family->findText("DejaVu Sans") : 0;
        const QString chosenFamily = family->itemText(chosen);
        QVERIFY(chosenFamily != listFont.family());
        family->setCurrentIndex(chosen);
        size->setCurrentIndex(sizes.indexOf(QStringLiteral("14")));
        QCOMPARE(sample->font().family(), chosenFamily);
        QCOMPARE(sample->font().pointSize(), 14);

        QSignalSpy changed(&window, &ListFontWindow::fontChanged);
        control<QPushButton>(window, "AeroButton2")->click();
        QCOMPARE(setting("CD", "Font"), chosenFamily);
        QCOMPARE(setting("CD", "FontSize"), QStringLiteral("14"));
        QCOMPARE(changed.count(), 1);
        const QFont taken = changed.first().first().value<QFont>();
        QCOMPARE(taken.family(), chosenFamily);
        QCOMPARE(taken.pointSize(), 14);
        QVERIFY(m_log->shown().isEmpty());

        ListFontWindow again(listFont);
        QCOMPARE(control<QComboBox>(again, "Combo1")->currentText(), chosenFamily);
        QCOMPARE(control<QComboBox>(again, "Combo2")->currentText(), QStringLiteral("14"));
        QCOMPARE(control<QLabel>(again, "Label1")->font().family(), chosenFamily);
    }

    void typedTextsAreStoredAsTyped_data()
    {
        QTest::addColumn<QString>("typedFamily");
        QTest::addColumn<QString>("typedSize");
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("pointSize");
        QTest::newRow("name in another case") << "dejavu sans"
                                              << "28"
                                              << "DejaVu Sans" << 28;
        QTest::newRow("unknown name keeps the family") << "No Such Font"
                                                       << "12"
                                                       << "Noto Sans Arabic" << 12;
        QTest::newRow("size that is no number") << "No Such Font"
                                                << "big"
                                                << "Noto Sans Arabic" << 10;
    }

    void typedTextsAreStoredAsTyped()
    {
        QFETCH(QString, typedFamily);
        QFETCH(QString, typedSize);
        QFETCH(QString, family);
        QFETCH(int, pointSize);
        if (!QFontDatabase::families().contains(QStringLiteral("DejaVu Sans")))
            QSKIP("DejaVu Sans is not installed");
        ListFontWindow window(QFont(QStringLiteral("Noto Sans Arabic"), 10));
        window.show();
        control<QComboBox>(window, "Combo1")->setEditText(typedFamily);
        control<QComboBox>(window, "Combo2")->setEditText(typedSize);
        QSignalSpy changed(&window, &ListFontWindow::fontChanged);
        control<QPushButton>(window, "AeroButton2")->click();
        QCOMPARE(setting("CD", "Font"), typedFamily);
        QCOMPARE(setting("CD", "FontSize"), typedSize);
        QCOMPARE(changed.count(), 1);
        const QFont taken = changed.first().first().value<QFont>();
        QCOMPARE(taken.family(), family);
        QCOMPARE(taken.pointSize(), pointSize);
        QCOMPARE(control<QLabel>(window, "Label1")->font(), taken);
    }

    // Persian keyboard.

    void keyboardTypesPersian_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("line edit") << "line";
        QTest::newRow("plain text edit") << "plain";
        QTest::newRow("text edit") << "rich";
        QTest::newRow("editable combo box") << "combo";
    }

    void keyboardTypesPersian()
    {
        QFETCH(QString, kind);
        QWidget window;
        QWidget* box = nullptr;
        if (kind == QLatin1String("line"))
            box = new QLineEdit(&window);
        else if (kind == QLatin1String("plain"))
            box = new QPlainTextEdit(&window);
        else if (kind == QLatin1String("rich"))
            box = new QTextEdit(&window);
        else {
            auto* combo = new QComboBox(&window);
            combo->setEditable(true);
            box = combo;
        }
        window.show();
        box->setFocus();

        m_keyboard.setEnabled(true);
        QTest::keyClicks(box, QStringLiteral(";jhf sdf"));
        QTest::keyClick(box, Qt::Key_D, Qt::ShiftModifier);
        QTest::keyClick(box, Qt::Key_C, Qt::ShiftModifier);
        // The Persian yeh and keheh, not the Arabic forms; Shift gives the Arabic yeh and zhe.
        QCOMPARE(textOf(box), QStringLiteral("\u06A9\u062A\u0627\u0628 \u0633\u06CC\u0628\u064A\u0698"));

        m_keyboard.setEnabled(false);
        QTest::keyClicks(box, QStringLiteral(" ;jhf"));
        QVERIFY(textOf(box).endsWith(QStringLiteral(" ;jhf")));
    }

    void layoutCoversTheLetterKeys()
    {
        QSet<QString> unshifted;
        for (char c = 'a'; c <= 'z'; ++c) {
            const QString persian = PersianKeyboard::persianFor(QLatin1Char(c), false);
            QCOMPARE(persian.size(), 1);
            QVERIFY(persian.at(0).unicode() >= 0x600);
            unshifted << persian;
            QVERIFY(!PersianKeyboard::persianFor(QLatin1Char(c), true).isEmpty());
            // Caps lock alone does not shift the layout.
            QCOMPARE(PersianKeyboard::persianFor(QChar(QLatin1Char(c)).toUpper(), false), persian);
        }
        QCOMPARE(unshifted.size(), 26);
        QCOMPARE(PersianKeyboard::persianFor(QLatin1Char(' '), true), QStringLiteral("\u200C"));
        QVERIFY(PersianKeyboard::persianFor(QLatin1Char(' '), false).isEmpty());
        QVERIFY(PersianKeyboard::persianFor(QLatin1Char('5'), false).isEmpty());
    }

    void shortcutSwitchesTheKeyboard()
    {
        QLineEdit box;
        box.show();
        QSignalSpy switched(&m_keyboard, &PersianKeyboard::enabledChanged);
        const QString off = m_keyboard.stateText();

        QTest::keyClick(&box, Qt::Key_K, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(m_keyboard.isEnabled());
        QCOMPARE(switched.count(), 1);
        QCOMPARE(switched.last().first().toBool(), true);
        QVERIFY(m_keyboard.stateText() != off);
        QVERIFY(box.text().isEmpty());

        QTest::keyClick(&box, Qt::Key_K, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(!m_keyboard.isEnabled());
        QCOMPARE(switched.count(), 2);
        QCOMPARE(m_keyboard.stateText(), off);
        QVERIFY(m_keyboard.toolTipText().contains(PersianKeyboard::shortcut().toString(QKeySequence::NativeText)));
    }

    void otherBoxesKeepTheirKeys()
    {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* number = new NumType(&window);
        auto* readOnly = new QLineEdit(QStringLiteral("abc"), &window);
        readOnly->setReadOnly(true);
        auto* masked = new QLineEdit(&window);
        masked->setInputMask(QStringLiteral("9999/99/99;_"));
        auto* latin = new QLineEdit(&window);
        PersianKeyboard::keepLatin(latin);
        auto* plain = new QLineEdit(&window);
        for (QWidget* w : {static_cast<QWidget*>(number), static_cast<QWidget*>(readOnly),
                           static_cast<QWidget*>(masked), static_cast<QWidget*>(latin), static_cast<QWidget*>(plain)})
            layout->addWidget(w);
        window.show();
        m_keyboard.setEnabled(true);

        // The number box sees the keys themselves.
        QList<short> seen;
        connect(number, &NumType::KeyPress, this, [&seen](short& key) { seen << key; });
        QWidget* numberEdit = control<QLineEdit>(number, "txtUse");
        QVERIFY(numberEdit);
        QTest::keyClicks(numberEdit, QStringLiteral("1d2"));
        QCOMPARE(seen, (QList<short>{'1', 'd', '2'}));
        QCOMPARE(number->value(), 12.0);

        QTest::keyClicks(latin, QStringLiteral("abc"));
        QCOMPARE(latin->text(), QStringLiteral("abc"));
        QTest::keyClicks(masked, QStringLiteral("14050101"));
        QCOMPARE(masked->text(), QStringLiteral("1405/01/01"));

        // Keys held with Ctrl stay commands.
        QTest::keyClicks(plain, QStringLiteral("sd"));
        QTest::keyClick(plain, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(plain->selectedText(), QStringLiteral("\u0633\u06CC"));
    }

    void startPreferenceSwitchesOn_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("before");
        QTest::addColumn<bool>("after");
        QTest::newRow("asked for") << "1" << false << true;
        QTest::newRow("not asked for") << "0" << false << false;
        QTest::newRow("first run") << "" << false << false;
        QTest::newRow("never switched back") << "0" << true << true;
    }

    void startPreferenceSwitchesOn()
    {
        QFETCH(QString, stored);
        QFETCH(bool, before);
        QFETCH(bool, after);
        store("Set", "1", stored);
        m_keyboard.setEnabled(before);
        PersianKeyboard::applyStartPreference();
        QCOMPARE(m_keyboard.isEnabled(), after);
    }
};

QTEST_MAIN(TestPreferences)
#include "test_preferences.moc"
