#include "banks/banks_window.h"
#include "banks/statement_window.h"
#include "data/bank_ledger.h"
#include "data/clock.h"
#include "numtype.h"
#include "settings/settings_store.h"
#include "testing.h"
#include "ui/date_box.h"
#include "ui/fonts.h"
#include "ui/messages.h"
#include "words/amount_words.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTableView>
#include <QtTest>

#include <memory>

namespace {

const QString Today = QStringLiteral("1403/03/26"); // the clock below
const QString EmptyDate = QStringLiteral("____/__/__");
const QString NotEnteredBank = QStringLiteral(" .اطلاعات به درستي وارد نشده است ");
const QString NotEnteredLine = QStringLiteral(" .اطلاعات به درستي وارد نشده است");
const QString Saved = QStringLiteral("ثبت شد");
const QString HasLines = QStringLiteral("  ابتدا شما بايد وضعيت صورتحساب خود را حذف نمائيد ");
const QString ChequeCredit = QStringLiteral("بابت چک ، اضافه     :");

void typeEach(QWidget* widget, const QString& text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

void pressEnter(QWidget* widget)
{
    QWidget* target = widget->focusProxy() ? widget->focusProxy() : widget;
    if (auto* number = qobject_cast<NumType*>(widget))
        target = control<QLineEdit>(number, "txtUse");
    QTest::keyClick(target, Qt::Key_Return);
}

struct LedgerRow
{
    QVariant id, date, shomreh, bed, bes, sum;
};

} // namespace

class TestBanks : public QObject
{
    Q_OBJECT

    TestEnvironment m_environment;
    std::unique_ptr<TestDatabase> m_data;
    std::unique_ptr<BanksWindow> m_window;

    qint64 addBank(const QString& name)
    {
        DataControl banks(m_data->db());
        banks.setRecordSource(BankLedger::AllBanks);
        qint64 id = -1;
        if (!BankLedger::addBank(banks, {name, QString(), QString()}, &id))
            qFatal("bank not added");
        return id;
    }
    void post(qint64 bank, BankLedger::Side side, double amount, const QString& description = QStringLiteral("سطر"),
              bool fromCheque = false)
    {
        BankLedger::Line line;
        line.bankId = bank;
        line.date = Today;
        line.description = description;
        line.amount = amount;
        line.side = side;
        line.repeatCreditInSum = !fromCheque;
        QVERIFY(BankLedger::postLine(m_data->db(), line));
    }
    QList<LedgerRow> ledger()
    {
        QList<LedgerRow> rows;
        QSqlQuery query(m_data->db().connection());
        query.exec(QStringLiteral("SELECT ID, Date, shomreh, bed, bes, sum FROM T4 ORDER BY R"));
        while (query.next())
            rows << LedgerRow{query.value(0), query.value(1), query.value(2),
                              query.value(3), query.value(4), query.value(5)};
        return rows;
    }
    QStringList bankNames()
    {
        QStringList names;
        QSqlQuery query(m_data->db().connection());
        query.exec(QStringLiteral("SELECT Name, SHh, Mandeh FROM T3 ORDER BY Id"));
        while (query.next())
            names << QStringList{query.value(0).toString(), query.value(1).toString(), query.value(2).toString()}.join(
                QLatin1Char('|'));
        return names;
    }

    BanksWindow* open()
    {
        m_window = std::make_unique<BanksWindow>(m_data->db());
        m_window->show();
        if (!QTest::qWaitForWindowActive(m_window.get()))
            return nullptr;
        return m_window.get();
    }
    template <typename T> T* find(QAnyStringView name) { return control<T>(m_window.get(), name); }
    void click(const char* name) { find<QPushButton>(name)->click(); }
    void selectBank(int row)
    {
        auto* grid = find<QTableView>("DataGrid1");
        grid->setCurrentIndex(grid->model()->index(row, 0));
    }

    // Opens the entry group and fills it: kind -1 leaves the kind unchosen.
    void fillLine(int kind, const QString& description, const QString& amount)
    {
        click("AeroButton6");
        typeEach(find<QLineEdit>("Text3"), description);
        click("AeroButton11");
        QTest::keyClicks(control<QLineEdit>(find<NumType>("NumType1"), "txtUse"), amount);
        find<QComboBox>("Combo1")->setCurrentIndex(kind);
    }

private slots:
    void initTestCase()
    {
        // The program's Persian font: its widest letters must not widen the narrow columns.
        Fonts::install(*static_cast<QApplication*>(QCoreApplication::instance()));
        qApp->setLayoutDirection(Qt::RightToLeft);
    }
    void init()
    {
        Clock::set(QDateTime(QDate(2024, 6, 15), QTime(10, 0)));
        m_data = std::make_unique<TestDatabase>();
    }
    void cleanup()
    {
        m_window.reset();
        m_data.reset();
        Clock::set(QDateTime());
    }

    void addEditAndDeleteBanks()
    {
        Messages::MessageLog log;
        QVERIFY(open());
        QCOMPARE(m_window->windowTitle(), QStringLiteral("امور بانکي"));
        auto* group = find<QGroupBox>("AeroGroupBox1");
        QVERIFY(!group->isVisible());
        click("AeroButton1");
        QVERIFY(group->isVisible());
        QTRY_VERIFY(find<QLineEdit>("Text1")->hasFocus());

        // No name, or blanks alone: nothing is stored.
        typeEach(find<QLineEdit>("Text1"), QStringLiteral("   "));
        click("AeroButton4");
        QCOMPARE(log.shown().size(), 1);
        QCOMPARE(log.shown().last().text, NotEnteredBank);
        QCOMPARE(log.shown().last().icon, Messages::Icon::Information);
        QVERIFY(bankNames().isEmpty());

        // The account number takes digits alone, a Persian keyboard's digits as ASCII.
        find<QLineEdit>("Text1")->clear();
        typeEach(find<QLineEdit>("Text1"), QStringLiteral(" ملت "));
        QTest::keyClicks(find<QLineEdit>("Text2"), "12ab-3");
        typeEach(find<QLineEdit>("Text2"), QStringLiteral("۴۵x"));
        QTest::keyClick(find<QLineEdit>("Text2"), Qt::Key_Backspace);
        QCOMPARE(find<QLineEdit>("Text2")->text(), QStringLiteral("1234"));
        typeEach(find<QLineEdit>("Text4"), QStringLiteral("102 مرکزي "));
        click("AeroButton4");
        QCOMPARE(log.lastText(), Saved);
        QCOMPARE(log.shown().last().icon, Messages::Icon::None);
        for (const char* box : {"Text1", "Text2", "Text4"})
            QVERIFY(find<QLineEdit>(box)->text().isEmpty());
        QTRY_VERIFY(find<QLineEdit>("Text1")->hasFocus());
        typeEach(find<QLineEdit>("Text1"), QStringLiteral("صادرات"));
        click("AeroButton4");
        QCOMPARE(bankNames(), QStringList({QStringLiteral("ملت|1234|102 مرکزي"), QStringLiteral("صادرات||")}));
        QCOMPARE(m_window->banks().recordCount(), 2);
        QCOMPARE(find<QTableView>("DataGrid1")->model()->index(0, 1).data().toString(), QStringLiteral("1234"));

        // Edit goes to the bank it was opened on, even when the list moves meanwhile.
        selectBank(0);
        click("AeroButton2");
        QCOMPARE(find<QLineEdit>("Text1")->text(), QStringLiteral("ملت"));
        QCOMPARE(find<QLineEdit>("Text4")->text(), QStringLiteral("102 مرکزي"));
        find<QLineEdit>("Text1")->setText(QStringLiteral("ملت ايران"));
        selectBank(1);
        click("AeroButton4");
        QCOMPARE(log.lastText(), QStringLiteral("ويرايش گرديد"));
        QCOMPARE(bankNames(), QStringList({QStringLiteral("ملت ايران|1234|102 مرکزي"), QStringLiteral("صادرات||")}));
        click("AeroButton5");
        QVERIFY(!group->isVisible());

        // Delete asks; No keeps the bank, Yes removes it.
        selectBank(1);
        log.answer(false);
        click("AeroButton3");
        QCOMPARE(log.shown().last().text, QStringLiteral(" بانک مورد نظر از ليست حذف شود ؟ "));
        QCOMPARE(log.shown().last().title, QStringLiteral("Delete"));
        QCOMPARE(log.shown().last().icon, Messages::Icon::Question);
        QCOMPARE(bankNames().size(), 2);
        log.answer(true);
        click("AeroButton3");
        QCOMPARE(bankNames(), QStringList({QStringLiteral("ملت ايران|1234|102 مرکزي")}));
        QCOMPARE(m_window->banks().recordCount(), 1);
        QCOMPARE(log.unusedAnswers(), 0);
    }

    void bankWithLinesIsNotDeleted_data()
    {
        QTest::addColumn<bool>("fromCheque");
        QTest::newRow("manual line") << false;
        QTest::newRow("line of a passed cheque") << true;
    }
    void bankWithLinesIsNotDeleted()
    {
        QFETCH(bool, fromCheque);
        const qint64 bank = addBank(QStringLiteral("تجارت"));
        post(bank, BankLedger::Side::Credit, 5000, ChequeCredit + QStringLiteral("علي"), fromCheque);
        Messages::MessageLog log;
        QVERIFY(open());
        click("AeroButton3");
        QCOMPARE(log.shown().size(), 1); // no question is asked
        QCOMPARE(log.lastText(), HasLines);
        QCOMPARE(log.shown().last().title, QStringLiteral("Error"));
        QCOMPARE(log.shown().last().icon, Messages::Icon::Critical);
        QCOMPARE(bankNames().size(), 1);
        QCOMPARE(BankLedger::deleteBank(m_data->db(), bank), BankLedger::DeleteOutcome::HasLines);
        QCOMPARE(bankNames().size(), 1);
    }

    void emptyListDeletesAndEditsNothing()
    {
        Messages::MessageLog log;
        QVERIFY(open());
        click("AeroButton3");
        click("AeroButton2");
        QVERIFY(!find<QGroupBox>("AeroGroupBox1")->isVisible());
        QVERIFY(log.shown().isEmpty());
    }

    void postingNeedsDescriptionKindAndBank_data()
    {
        QTest::addColumn<bool>("withBank");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("message");
        QTest::newRow("no description") << true << 0 << QString() << NotEnteredLine;
        QTest::newRow("blank description") << true << 1 << QStringLiteral("  ") << NotEnteredLine;
        QTest::newRow("no kind") << true << -1 << QStringLiteral("واريز") << QString();
        QTest::newRow("no bank") << false << 1 << QStringLiteral("واريز")
                                 << QStringLiteral("ابتدا بانک مورد نظر را از فهرست انتخاب کنید.");
    }
    void postingNeedsDescriptionKindAndBank()
    {
        QFETCH(bool, withBank);
        QFETCH(int, kind);
        QFETCH(QString, description);
        QFETCH(QString, message);
        if (withBank)
            addBank(QStringLiteral("ملت"));
        Messages::MessageLog log;
        QVERIFY(open());
        fillLine(kind, description, "1000");
        click("AeroButton10");
        QCOMPARE(log.lastText(), message);
        QVERIFY(ledger().isEmpty());
    }

    void postedLinesLandInTheirColumns_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("debit") << 0;
        QTest::newRow("credit") << 1;
    }
    void postedLinesLandInTheirColumns()
    {
        QFETCH(int, kind);
        addBank(QStringLiteral("ملت"));
        const qint64 bank = addBank(QStringLiteral("صادرات"));
        Messages::MessageLog log;
        QVERIFY(open());
        selectBank(1);
        click("AeroButton6");
        QVERIFY(find<QGroupBox>("AeroGroupBox2")->isVisible());
        QCOMPARE(find<DateBox>("MaskEdBox1")->text(), EmptyDate);
        fillLine(kind, QStringLiteral(" واريز نقدي "), "2500000");
        QCOMPARE(find<DateBox>("MaskEdBox1")->text(), Today);
        click("AeroButton10");
        QCOMPARE(log.lastText(), Saved);

        const QList<LedgerRow> rows = ledger();
        QCOMPARE(rows.size(), 1);
        const LedgerRow& row = rows.first();
        QCOMPARE(row.id.toLongLong(), bank);
        QCOMPARE(row.date.toString(), Today);
        QCOMPARE(row.shomreh.toString(), QStringLiteral("واريز نقدي"));
        QCOMPARE(kind == 0 ? row.bed.toLongLong() : row.bes.toLongLong(), 2500000);
        QVERIFY(kind == 0 ? row.bes.isNull() : row.bed.isNull());
        // Only a credit line repeats its amount in `sum`.
        if (kind == 0)
            QVERIFY(row.sum.isNull());
        else
            QCOMPARE(row.sum.toLongLong(), 2500000);

        // Ready for the next line: the description empty and focused, the rest kept.
        QVERIFY(find<QLineEdit>("Text3")->text().isEmpty());
        QTRY_VERIFY(find<QLineEdit>("Text3")->hasFocus());
        QCOMPARE(find<DateBox>("MaskEdBox1")->text(), Today);
        QCOMPARE(find<NumType>("NumType1")->value(), 2500000.0);
        QCOMPARE(find<QComboBox>("Combo1")->currentIndex(), kind);
        click("AeroButton7");
        QVERIFY(!find<QGroupBox>("AeroGroupBox2")->isVisible());
    }

    void enterMovesAlongTheBoxes()
    {
        addBank(QStringLiteral("ملت"));
        Messages::MessageLog log;
        QVERIFY(open());
        click("AeroButton1");
        click("AeroButton6");
        const QList<QList<const char*>> paths = {{"Text1", "Text2", "Text4", "AeroButton4"},
                                                 {"Text3", "MaskEdBox1", "NumType1", "Combo1", "AeroButton10"}};
        for (const auto& path : paths) {
            find<QWidget>(path.first())->setFocus();
            for (int i = 1; i < path.size(); ++i) {
                pressEnter(find<QWidget>(path.at(i - 1)));
                QWidget* next = find<QWidget>(path.at(i));
                QTRY_VERIFY2(next->hasFocus() || next->isAncestorOf(QApplication::focusWidget()), path.at(i));
            }
        }
        // Enter on the post button posts the line.
        find<QLineEdit>("Text3")->setText(QStringLiteral("کارمزد"));
        find<QComboBox>("Combo1")->setCurrentIndex(0);
        pressEnter(find<QPushButton>("AeroButton10"));
        QCOMPARE(ledger().size(), 1);
    }

    void statementTotalsAndBalance_data()
    {
        QTest::addColumn<QList<double>>("debits");
        QTest::addColumn<QList<double>>("credits");
        QTest::addColumn<QString>("balance");
        QTest::addColumn<QString>("words");
        QTest::newRow("no lines") << QList<double>() << QList<double>() << "0" << AmountToWords(0);
        QTest::newRow("credit exceeds") << QList<double>{750000} << QList<double>{2000000, 1500} << "1,251,500"
                                        << AmountToWords(1251500);
        QTest::newRow("debit exceeds") << QList<double>{3000000, 234567} << QList<double>{1000000} << "-2,234,567"
                                       << QString();
    }
    void statementTotalsAndBalance()
    {
        QFETCH(QList<double>, debits);
        QFETCH(QList<double>, credits);
        QFETCH(QString, balance);
        QFETCH(QString, words);
        const qint64 bank = addBank(QStringLiteral("ملت"));
        const qint64 other = addBank(QStringLiteral("صادرات"));
        post(other, BankLedger::Side::Debit, 99);
        double debit = 0;
        double credit = 0;
        for (double amount : debits) {
            post(bank, BankLedger::Side::Debit, amount);
            debit += amount;
        }
        for (double amount : credits) {
            post(bank, BankLedger::Side::Credit, amount, ChequeCredit + QStringLiteral("شرکت البرز"), true);
            credit += amount;
        }
        StatementWindow statement(m_data->db(), bank, QStringLiteral("ملت"));
        statement.show();
        QCOMPARE(statement.objectName(), QStringLiteral("Form10"));
        QCOMPARE(statement.windowTitle(), QStringLiteral("صورتحساب بانك     ملت"));
        QCOMPARE(statement.lines().recordCount(), int(debits.size() + credits.size()));
        QCOMPARE(control<NumType>(&statement, "NumType3")->value(), debit);
        QCOMPARE(control<NumType>(&statement, "NumType2")->value(), credit);
        auto* text = control<QLineEdit>(&statement, "Text1");
        QCOMPARE(text->text(), balance);
        QCOMPARE(text->toolTip(), words);
        QVERIFY(statement.findChild<QObject*>(QStringLiteral("Tolvan_Resize")));
    }

    void statementShowsTheLinesInEightColumns()
    {
        const qint64 bank = addBank(QStringLiteral("ملت"));
        post(bank, BankLedger::Side::Debit, 1234567, QStringLiteral("کارمزد"));
        post(bank, BankLedger::Side::Credit, 8600000, ChequeCredit + QStringLiteral("مريم احمدي"), true);
        StatementWindow statement(m_data->db(), bank, QStringLiteral("ملت"));
        auto* grid = control<QTableView>(&statement, "DataGrid1");
        const QAbstractItemModel* model = grid->model();
        QCOMPARE(model->columnCount(), 8);
        QCOMPARE(model->headerData(4, Qt::Horizontal).toString(),
                 QString(55, QLatin1Char(' ')) + QStringLiteral("شرح"));
        QCOMPARE(model->headerData(6, Qt::Horizontal).toString(), QStringLiteral("بستانکاري"));
        auto cell = [model](int row, int column) { return model->index(row, column).data().toString(); };
        QCOMPARE(cell(0, 1).toLongLong(), bank);
        QCOMPARE(cell(0, 2), Today);
        QCOMPARE(cell(0, 4), QStringLiteral("کارمزد"));
        QCOMPARE(cell(0, 5), QStringLiteral("1,234,567"));
        QCOMPARE(cell(0, 6), QString());
        QCOMPARE(cell(1, 4), ChequeCredit + QStringLiteral("مريم احمدي"));
        QCOMPARE(cell(1, 5), QString());
        QCOMPARE(cell(1, 6), QStringLiteral("8,600,000"));
        QCOMPARE(cell(1, 7), QString()); // a passed cheque's line has no `sum`
    }

    void deletingALine()
    {
        const qint64 bank = addBank(QStringLiteral("ملت"));
        post(bank, BankLedger::Side::Credit, 5000, QStringLiteral("واريز"));
        post(bank, BankLedger::Side::Debit, 2000, QStringLiteral("برداشت"));
        Messages::MessageLog log;
        StatementWindow statement(m_data->db(), bank, QStringLiteral("ملت"));
        statement.show();
        auto* balance = control<QLineEdit>(&statement, "Text1");
        QCOMPARE(balance->text(), QStringLiteral("3,000"));

        statement.lines().setCurrentRow(1);
        log.answer(false);
        control<QPushButton>(&statement, "AeroButton2")->click();
        QCOMPARE(log.shown().last().text, QStringLiteral(" آيا مطمئن به حذف اين گزينه از ليست هستيد! "));
        QCOMPARE(log.shown().last().title, QStringLiteral("برداشت"));
        QCOMPARE(ledger().size(), 2);

        statement.lines().setCurrentRow(1);
        log.answer(true);
        control<QPushButton>(&statement, "AeroButton2")->click();
        QCOMPARE(ledger().size(), 1);
        QCOMPARE(statement.lines().recordCount(), 1);
        QCOMPARE(control<NumType>(&statement, "NumType3")->value(), 0.0);
        QCOMPARE(balance->text(), QStringLiteral("5,000"));

        // The last line goes too; after it there is nothing to ask about.
        log.answer(true);
        control<QPushButton>(&statement, "AeroButton2")->click();
        QCOMPARE(ledger().size(), 0);
        const int asked = int(log.shown().size());
        control<QPushButton>(&statement, "AeroButton2")->click();
        QCOMPARE(log.shown().size(), asked);
        QCOMPARE(balance->text(), QStringLiteral("0"));
    }

    void escapeAndBackCloseTheStatement()
    {
        const qint64 bank = addBank(QStringLiteral("ملت"));
        StatementWindow statement(m_data->db(), bank, QStringLiteral("ملت"));
        statement.show();
        QTest::keyClick(control<QTableView>(&statement, "DataGrid1"), Qt::Key_Escape);
        QVERIFY(!statement.isVisible());
        statement.show();
        control<QPushButton>(&statement, "AeroButton1")->click();
        QVERIFY(!statement.isVisible());
    }

    void statementOpensForTheSelectedBank()
    {
        addBank(QStringLiteral("ملت"));
        const qint64 second = addBank(QStringLiteral("صادرات"));
        post(second, BankLedger::Side::Debit, 10);
        QVERIFY(open());
        selectBank(1);
        QString title;
        int lines = -1;
        whenModal([&](QWidget* modal) {
            title = modal->windowTitle();
            if (auto* statement = qobject_cast<StatementWindow*>(modal))
                lines = statement->lines().recordCount();
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        click("AeroButton8");
        QCOMPARE(title, QStringLiteral("صورتحساب بانك     صادرات"));
        QCOMPARE(lines, 1);
    }

    void columnWidthsAreKept()
    {
        const qint64 bank = addBank(QStringLiteral("ملت"));
        QVERIFY(open());
        auto* banksGrid = find<QTableView>("DataGrid1");
        banksGrid->horizontalHeader()->resizeSection(2, 260);
        banksGrid->horizontalHeader()->resizeSection(0, 150);
        QCOMPARE(SettingsStore::read(QStringLiteral("DataGirdb"), QStringLiteral("2")), QStringLiteral("3900"));
        QVERIFY(open());
        QCOMPARE(find<QTableView>("DataGrid1")->columnWidth(2), 260);
        // The first column's width is the designed one, never kept.
        QVERIFY(find<QTableView>("DataGrid1")->columnWidth(0) != 150);

        {
            StatementWindow statement(m_data->db(), bank, QStringLiteral("ملت"));
            statement.show();
            QCOMPARE(control<QTableView>(&statement, "DataGrid1")->columnWidth(0), 40);
            control<QTableView>(&statement, "DataGrid1")->horizontalHeader()->resizeSection(4, 410);
            QCOMPARE(SettingsStore::read(QStringLiteral("DataGird5"), QStringLiteral("2")), QStringLiteral("6150"));
        }
        StatementWindow statement(m_data->db(), bank, QStringLiteral("ملت"));
        statement.show();
        QCOMPARE(control<QTableView>(&statement, "DataGrid1")->columnWidth(4), 410);
    }
};

QTEST_MAIN(TestBanks)
#include "test_banks.moc"
