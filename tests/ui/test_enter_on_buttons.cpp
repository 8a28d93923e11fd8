// Enter on a focused button does that button's job and nothing else, in every window: each
// button is focused in turn and gets a real Enter key, and the rows of T1 to T6 are compared
// before and after with what that button alone should have changed.
#include "backup/backup_window.h"
#include "backup/restore_window.h"
#include "banks/banks_window.h"
#include "banks/statement_window.h"
#include "calendar/jalali.h"
#include "cheques/archive_window.h"
#include "cheques/cheque_entry_dialog.h"
#include "cheques/main_window.h"
#include "data/cheque_queries.h"
#include "data/cheque_status.h"
#include "data/clock.h"
#include "expenses/expense_register.h"
#include "reports/print_settings_dialog.h"
#include "startup/about_window.h"
#include "startup/list_font_window.h"
#include "startup/owner_name_window.h"
#include "startup/password_window.h"
#include "startup/preferences_window.h"
#include "startup/reminder_window.h"
#include "ui/date_box.h"
#include "ui/messages.h"
#include "ui/record_mode.h"

#include "testing.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QtTest>

#include <memory>

namespace {

const QStringList Tables = {QStringLiteral("T1"), QStringLiteral("T2"), QStringLiteral("T3"),
                            QStringLiteral("T4"), QStringLiteral("T5"), QStringLiteral("T6")};

// Every row of a table as one line of text, in the order of the file.
QStringList rowsOf(Database& db, const QString& table)
{
    QStringList rows;
    QSqlQuery query(db.connection());
    if (!query.exec(QStringLiteral("SELECT * FROM ") + table + QStringLiteral(" ORDER BY rowid")))
        return {QStringLiteral("unread: ") + table};
    while (query.next()) {
        QStringList values;
        for (int i = 0; i < query.record().count(); ++i)
            values << query.value(i).toString();
        rows << values.join(QLatin1Char('|'));
    }
    return rows;
}

QMap<QString, QStringList> snapshot(Database& db)
{
    QMap<QString, QStringList> all;
    for (const QString& table : Tables)
        all.insert(table, rowsOf(db, table));
    return all;
}

} // namespace

class TestEnterOnButtons : public QObject
{
    Q_OBJECT

    TestEnvironment m_environment;
    std::unique_ptr<TestDatabase> m_data;
    std::unique_ptr<DataControl> m_cheques;
    qint64 m_bankId = 0;

    std::unique_ptr<QWidget> make(const QString& name)
    {
        Database& db = m_data->db();
        if (name == QLatin1String("Form1"))
            return std::make_unique<MainWindow>(db);
        if (name == QLatin1String("Form2")) {
            NewRecordMode = true;
            return std::make_unique<ChequeEntryDialog>(db, *m_cheques);
        }
        if (name == QLatin1String("Form8"))
            return std::make_unique<ArchiveWindow>(db);
        if (name == QLatin1String("Form9"))
            return std::make_unique<BanksWindow>(db);
        if (name == QLatin1String("Form10"))
            return std::make_unique<StatementWindow>(db, m_bankId, QStringLiteral("ملت"));
        if (name == QLatin1String("expenses"))
            return std::make_unique<ExpenseRegister>(db);
        if (name == QLatin1String("frmdbsave"))
            return std::make_unique<BackupWindow>(db);
        if (name == QLatin1String("restore"))
            return std::make_unique<RestoreWindow>(db);
        if (name == QLatin1String("Form5"))
            return std::make_unique<PasswordWindow>();
        if (name == QLatin1String("owner"))
            return std::make_unique<OwnerNameWindow>();
        if (name == QLatin1String("font"))
            return std::make_unique<ListFontWindow>();
        if (name == QLatin1String("preferences"))
            return std::make_unique<PreferencesWindow>(m_data->dir());
        if (name == QLatin1String("about"))
            return std::make_unique<AboutWindow>();
        if (name == QLatin1String("reminder"))
            return std::make_unique<ReminderWindow>(db);
        if (name == QLatin1String("Form12"))
            return std::make_unique<PrintSettingsDialog>(db);
        return nullptr;
    }

    // What the press should have done, checked on the window after it: "closes", "shows NAME",
    // "hides NAME", "fills NAME" (with today's date).
    static void checkEffect(QWidget* window, const QString& effect)
    {
        const QString verb = effect.section(QLatin1Char(' '), 0, 0);
        const QString name = effect.section(QLatin1Char(' '), 1);
        if (verb == QLatin1String("closes")) {
            QVERIFY2(!window->isVisible(), "the window stayed open");
        } else if (verb == QLatin1String("stays")) {
            QVERIFY2(window->isVisible(), "the window closed");
        } else if (verb == QLatin1String("shows")) {
            QVERIFY2(control<QWidget>(window, name)->isVisible(), qPrintable(name + QStringLiteral(" is hidden")));
        } else if (verb == QLatin1String("hides")) {
            QVERIFY2(!control<QWidget>(window, name)->isVisible(), qPrintable(name + QStringLiteral(" is shown")));
        } else if (verb == QLatin1String("fills")) {
            QCOMPARE(control<DateBox>(window, name)->text(), JalaliDateString(Clock::today(), 0));
        }
    }

private slots:
    void initTestCase() { qApp->setLayoutDirection(Qt::RightToLeft); }

    void init()
    {
        Clock::set(QDateTime(QDate(2026, 12, 7), QTime(10, 0)));
        m_data = std::make_unique<TestDatabase>();
        Database& db = m_data->db();
        TableWriter(db, BankTable::Name).insert({{BankTable::BankName, QStringLiteral("ملت")}}, &m_bankId);
        m_data->addCheque({{ChequeTable::BankKey, m_bankId},
                           {ChequeTable::Date, QStringLiteral("1405/09/16")},
                           {ChequeTable::Number, QStringLiteral("1001")},
                           {ChequeTable::Bank, QStringLiteral("ملت")},
                           {ChequeTable::Type, ChequeStatus::Received},
                           {ChequeTable::Amount, 1250000},
                           {ChequeTable::Description, QStringLiteral("فروشگاه نور")},
                           {ChequeTable::Status, ChequeStatus::Initial}});
        TableWriter(db, ArchiveTable::Name)
            .insert({{ArchiveTable::Description, QStringLiteral("بايگاني شده")}, {ArchiveTable::Amount, 5000}});
        TableWriter(db, LedgerTable::Name).insert({{LedgerTable::BankId, m_bankId}, {LedgerTable::Credit, 700}});
        TableWriter(db, KindTable::Name).insert({{KindTable::KindName, QStringLiteral("اجاره")}});
        TableWriter(db, ExpenseTable::Name)
            .insert({{ExpenseTable::Kind, QStringLiteral("اجاره")}, {ExpenseTable::Amount, 900}});
        m_cheques = std::make_unique<DataControl>(db);
        m_cheques->setRecordSource(ChequeQueries::all());
        QVERIFY(m_cheques->refresh());
    }

    void cleanup()
    {
        m_cheques.reset();
        m_data.reset();
    }

    void enterDoesTheJobOfTheFocusedButton_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("button");
        // "opens NAME" (a modal window that opens and is closed), "asks" (a question, answered
        // No), "tells" (a message), "inputs" (an input box, cancelled), "emits SIGNAL()", or a check of checkEffect;
        // ";" between several.
        QTest::addColumn<QString>("effect");
        // The table the press may change, with how many rows it has after; "" for none.
        QTest::addColumn<QString>("table");
        QTest::addColumn<int>("rows");

        const auto row = [](const char* window, const char* button, const char* effect, const char* table = "",
                            int rows = 0) {
            QTest::addRow("%s %s", window, button) << window << button << effect << table << rows;
        };
        // The main window, its panels and the windows its buttons open.
        row("Form1", "AeroButton1", "opens Form2");
        row("Form1", "AeroButton2", "opens Form2");
        row("Form1", "AeroButton3", "asks");
        row("Form1", "AeroButton13", "shows AeroGroupBox4");
        row("Form1", "AeroButton4", "opens Form8");
        row("Form1", "AeroButton6", "opens Form9");
        row("Form1", "AeroButton5", "opens Form12");
        row("Form1", "AeroButton9", "asks");
        row("Form1", "AeroButton8", "asks");
        row("Form1", "AeroButton7", "asks");
        row("Form1", "AeroButton11", "shows AeroGroupBox3");
        row("Form1", "AeroButton12", "hides AeroGroupBox4");
        row("Form1", "Command1", "hides AeroGroupBox3", "T1", 1);
        row("Form1", "AeroButton10", "hides AeroGroupBox2");
        // The cheque entry dialog: the date button and the way back store nothing.
        row("Form2", "Command1", "fills MaskEdBox1; stays");
        row("Form2", "AeroButton2", "stays", "T1", 2);
        row("Form2", "AeroButton1", "closes");
        // The archive.
        row("Form8", "AeroButton3", "asks");
        // The archive asks the main window for its print settings.
        row("Form8", "AeroButton4", "emits printWanted()");
        row("Form8", "AeroButton1", "closes");
        // Banks and the statement.
        row("Form9", "AeroButton1", "shows AeroGroupBox1");
        row("Form9", "AeroButton2", "shows AeroGroupBox1");
        row("Form9", "AeroButton6", "shows AeroGroupBox2");
        // The groups of the banks window: their way back and the ledger's date button store nothing.
        row("Form9", "AeroButton5", "hides AeroGroupBox1");
        row("Form9", "AeroButton11", "stays");
        row("Form9", "AeroButton7", "hides AeroGroupBox2");
        // The bank has ledger lines, which must go first.
        row("Form9", "AeroButton3", "tells");
        row("Form9", "AeroButton8", "opens Form10");
        row("Form9", "AeroButton9", "closes");
        row("Form10", "AeroButton2", "asks");
        row("Form10", "AeroButton1", "closes");
        // Expenses.
        row("expenses", "AeroButton14", "asks");
        row("expenses", "AeroButton17", "closes");
        row("expenses", "AeroButton1", "shows AeroGroupBox3");
        row("expenses", "AeroButton15", "shows AeroGroupBox3");
        row("expenses", "AeroButton2", "shows AeroGroupBox1");
        row("expenses", "AeroButton3", "shows AeroGroupBox4");
        row("expenses", "AeroButton13", "stays");
        row("expenses", "AeroButton9", "stays");
        row("expenses", "AeroButton8", "stays");
        row("expenses", "AeroButton11", "stays");
        // Backup and restore, and the small windows.
        row("frmdbsave", "Command2", "closes");
        row("frmdbsave", "Command5", "inputs; stays");
        row("restore", "Command2", "closes");
        row("Form5", "Command2", "closes");
        row("Form5", "Command1", "tells; stays");
        row("owner", "F", "closes");
        row("owner", "Command1", "tells; stays");
        row("font", "AeroButton2", "stays");
        row("preferences", "AeroButton1", "tells");
        row("font", "AeroButton1", "closes");
        row("preferences", "AeroButton2", "closes");
        row("about", "closeButton", "closes");
        row("reminder", "AeroButton1", "closes");
        row("Form12", "AeroButton2", "closes");
    }

    void enterDoesTheJobOfTheFocusedButton()
    {
        QFETCH(QString, window);
        QFETCH(QString, button);
        QFETCH(QString, effect);
        QFETCH(QString, table);
        QFETCH(int, rows);

        std::unique_ptr<QWidget> shown = make(window);
        QVERIFY(shown);
        shown->show();
        QVERIFY(QTest::qWaitForWindowActive(shown.get()));
        if (auto* main = qobject_cast<MainWindow*>(shown.get())) {
            main->activate();
            main->cheques().setCurrentRow(0);
        }
        auto* push = control<QPushButton>(shown.get(), button);
        // A button of a panel is reached with its panel open.
        for (QWidget* w = push->parentWidget(); w && w != shown.get(); w = w->parentWidget())
            w->show();
        QMap<QString, QStringList> before = snapshot(m_data->db());

        Messages::MessageLog log;
        const QStringList effects = effect.split(QStringLiteral("; "));
        for (const QString& one : effects) {
            if (one == QLatin1String("asks"))
                log.answer(false);
            else if (one == QLatin1String("inputs"))
                log.answerText(QString());
            else if (one.startsWith(QLatin1String("opens ")))
                whenModal([](QWidget* modal) { Modal::close(modal); }, one.mid(6));
        }
        if (button == QLatin1String("Command1") && window == QLatin1String("Form1"))
            control<QLineEdit>(shown.get(), "Text3")->setText(QStringLiteral("نزد وکيل"));

        std::unique_ptr<QSignalSpy> emitted;
        for (const QString& one : effects) {
            if (one.startsWith(QLatin1String("emits ")))
                emitted = std::make_unique<QSignalSpy>(shown.get(), qPrintable(QLatin1Char('2') + one.mid(6)));
        }
        push->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(push->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCoreApplication::processEvents();
        QVERIFY2(Modal::pending().isEmpty(), "the window the button opens did not open");

        for (const QString& one : effects)
            checkEffect(shown.get(), one);
        if (emitted)
            QCOMPARE(emitted->count(), 1);
        if (effects.contains(QStringLiteral("asks")) || effects.contains(QStringLiteral("tells")) ||
            effects.contains(QStringLiteral("inputs")))
            QCOMPARE(log.shown().size(), 1);
        else
            QVERIFY2(log.shown().isEmpty(), qPrintable(log.lastText()));

        // Only the table of the button changed, and only as it should.
        const QMap<QString, QStringList> after = snapshot(m_data->db());
        for (const QString& name : Tables) {
            if (name == table)
                QCOMPARE(after.value(name).size(), rows);
            else
                QCOMPARE(after.value(name), before.value(name));
        }
        if (!table.isEmpty() && after.value(table).size() == before.value(table).size())
            QVERIFY2(after.value(table) != before.value(table), "the button changed nothing");
    }
};

QTEST_MAIN(TestEnterOnButtons)
#include "test_enter_on_buttons.moc"
