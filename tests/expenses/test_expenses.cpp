#include "calendar/jalali.h"
#include "data/clock.h"
#include "data/expense_book.h"
#include "data/failure_text.h"
#include "expenses/expense_register.h"
#include "settings/settings_store.h"
#include "testing.h"
#include "ui/date_box.h"
#include "ui/messages.h"
#include "ui/record_mode.h"
#include "words/amount_words.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSqlQuery>
#include <QTableView>
#include <QtTest>

#include <memory>

namespace {

const QString Power = QStringLiteral("برق");
const QString Water = QStringLiteral("آب");
const QString Rent = QStringLiteral("اجاره");
const QString EmptyDate = QStringLiteral("____/__/__");

struct Row
{
    qint64 rowid;
    int id;
    QString date;
    QString kind;
    QString description;
    QString amount;
};

void typeEach(QWidget* widget, const QString& text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

} // namespace

class TestExpenses : public QObject
{
    Q_OBJECT

private:
    TestEnvironment m_env;
    std::unique_ptr<TestDatabase> m_data;
    std::unique_ptr<ExpenseRegister> m_window;

    template <typename T> T* child(QAnyStringView name) { return control<T>(m_window.get(), name); }
    void click(const char* name) { child<QPushButton>(name)->click(); }

    void addKind(const QString& name)
    {
        QVERIFY(TableWriter(m_data->db(), KindTable::Name).insert({{KindTable::KindName, name}}));
    }
    void addEntry(int id, const QString& date, const QString& kind, const QString& description, const QString& amount)
    {
        using namespace ExpenseTable;
        QVERIFY(TableWriter(m_data->db(), Name)
                    .insert({{Number, id}, {Date, date}, {Kind, kind}, {Description, description}, {Amount, amount}}));
    }
    QList<Row> rows()
    {
        QList<Row> found;
        QSqlQuery query(m_data->db().connection());
        query.exec(QStringLiteral("SELECT rowid, ID, Date, Noh, SH, MB FROM T6 ORDER BY rowid"));
        while (query.next())
            found.append({query.value(0).toLongLong(), query.value(1).toInt(), query.value(2).toString(),
                          query.value(3).toString(), query.value(4).toString(), query.value(5).toString()});
        return found;
    }
    QStringList storedKinds()
    {
        QStringList names;
        QSqlQuery query(m_data->db().connection());
        query.exec(QStringLiteral("SELECT Name FROM T5 ORDER BY rowid"));
        while (query.next())
            names << query.value(0).toString();
        return names;
    }
    QStringList listed(const char* listName)
    {
        QStringList items;
        if (auto* list = m_window->findChild<QListWidget*>(QString::fromLatin1(listName))) {
            for (int i = 0; i < list->count(); ++i)
                items << list->item(i)->text();
        } else {
            auto* combo = child<QComboBox>(listName);
            for (int i = 0; i < combo->count(); ++i)
                items << combo->itemText(i);
        }
        return items;
    }
    QTableView* grid() { return child<QTableView>("DataGrid1"); }
    int listCount() { return grid()->model()->rowCount(); }
    QString cell(int row, int column) { return grid()->model()->index(row, column).data().toString(); }
    QStringList column(int column)
    {
        QStringList cells;
        for (int row = 0; row < listCount(); ++row)
            cells << cell(row, column);
        return cells;
    }
    QString total() { return child<QLineEdit>("Text4")->text(); }
    void selectRow(int row) { grid()->setCurrentIndex(grid()->model()->index(row, 0)); }

    void open()
    {
        m_window = std::make_unique<ExpenseRegister>(m_data->db());
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
    // Four entries of three kinds over two months.
    void addBook()
    {
        addKind(Power);
        addKind(Water);
        addKind(Rent);
        addEntry(1, QStringLiteral("1405/02/10"), Power, QStringLiteral("قبض ارديبهشت"), QStringLiteral("850,000"));
        addEntry(2, QStringLiteral("1405/01/05"), Rent, QStringLiteral("اجاره فروردين"), QStringLiteral("45,000,000"));
        addEntry(3, QStringLiteral("1405/01/20"), Power, QStringLiteral("قبض فروردين"), QStringLiteral("920,000"));
        addEntry(4, QStringLiteral("1405/03/01"), Water, QStringLiteral("قبض آب"), QStringLiteral("310,000"));
    }
    void newEntry(const QString& description, const QString& amount)
    {
        click("AeroButton1");
        child<QLineEdit>("Text2")->setText(description);
        child<QLineEdit>("Text3")->setText(amount);
        click("AeroButton10");
    }

private slots:
    void init()
    {
        Clock::set(QDateTime(QDate(2026, 5, 10), QTime(9, 0)));
        m_data = std::make_unique<TestDatabase>();
        NewRecordMode = true;
    }
    void cleanup()
    {
        m_window.reset();
        m_data.reset();
    }

    void kindNameIsStoredTrimmed_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("stored");
        QTest::newRow("blanks around") << QStringLiteral("  برق ") << QStringList{Power};
        QTest::newRow("empty") << QString() << QStringList{};
        QTest::newRow("blanks alone") << QStringLiteral("   ") << QStringList{};
    }
    void kindNameIsStoredTrimmed()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, stored);
        Messages::MessageLog log;
        open();
        click("AeroButton2");
        QVERIFY(child<QGroupBox>("AeroGroupBox1")->isVisible());
        click("AeroButton6");
        auto* name = child<QLineEdit>("Text1");
        QVERIFY(child<QGroupBox>("AeroGroupBox2")->isVisible());
        QTRY_VERIFY(name->hasFocus());
        name->setText(typed);
        click("AeroButton4");

        QCOMPARE(storedKinds(), stored);
        QCOMPARE(listed("List1"), stored);
        QCOMPARE(name->text(), QString());
        QVERIFY(name->hasFocus());
        if (stored.isEmpty()) {
            QCOMPARE(log.shown().size(), 1);
            QCOMPARE(log.shown().first().text, QStringLiteral(" .نوع هزينه وارد نشده است "));
            QCOMPARE(log.shown().first().title, QStringLiteral("Varsin"));
        } else {
            QVERIFY(log.shown().isEmpty());
            // The kind boxes take the new kind at the next load.
            QCOMPARE(listed("Combo1"), QStringList());
            click("AeroButton13");
            QCOMPARE(listed("Combo1"), stored);
            QCOMPARE(listed("Combo2"), stored);
        }
    }

    void deletingAKindRemovesTheChosenRowAndKeepsItsEntries()
    {
        addKind(Water);
        addKind(Power);
        addKind(Power);
        addEntry(1, QStringLiteral("1405/01/01"), Power, QStringLiteral("قبض"), QStringLiteral("100"));
        Messages::MessageLog log;
        open();
        click("AeroButton2");
        auto* list = child<QListWidget>("List1");

        // Nothing chosen: nothing to ask about.
        click("AeroButton7");
        QVERIFY(log.shown().isEmpty());

        list->setCurrentRow(1);
        log.answer(false);
        click("AeroButton7");
        QCOMPARE(storedKinds(), (QStringList{Water, Power, Power}));

        log.answer(true);
        click("AeroButton7");
        QCOMPARE(log.shown().last().text, QStringLiteral(" آيا مطمئن به حذف اين گزينه از ليست هستيد؟ "));
        QCOMPARE(log.shown().last().title, QStringLiteral("Delete"));
        // One of two kinds of one name was chosen, and only that one goes.
        QCOMPARE(storedKinds(), (QStringList{Water, Power}));
        QCOMPARE(listed("List1"), (QStringList{Water, Power}));
        QCOMPARE(rows().first().kind, Power);
        QCOMPARE(listed("Combo1"), (QStringList{Water, Power, Power}));
        click("AeroButton13");
        QCOMPARE(listed("Combo1"), (QStringList{Water, Power}));
        QCOMPARE(listed("List1"), (QStringList{Water, Power}));
        QCOMPARE(log.unusedAnswers(), 0);
    }

    void kindAndDateFiltersExcludeEachOther()
    {
        open();
        auto* byKind = child<QCheckBox>("Check4");
        auto* byDates = child<QCheckBox>("Check3");
        byKind->setChecked(true);
        byDates->setChecked(true);
        QVERIFY(!byKind->isChecked());
        byKind->setChecked(true);
        QVERIFY(!byDates->isChecked());
        // The sorts go with either.
        child<QCheckBox>("Check1")->setChecked(true);
        QVERIFY(byKind->isChecked());
    }

    void filterThenReloadShowsAllAgain_data()
    {
        // The check box and what it filters by: a kind, or the two ends of a date range.
        QTest::addColumn<QStringList>("filter");
        QTest::addColumn<QStringList>("dates");
        QTest::addColumn<QString>("sum");
        QTest::newRow("kind in date order")
            << QStringList{"Check4", Power} << QStringList{"1405/01/20", "1405/02/10"} << "1,770,000";
        QTest::newRow("kind with no entries") << QStringList{"Check4", QStringLiteral("بيمه")} << QStringList{} << "0";
        QTest::newRow("dates, both ends in") << QStringList{"Check3", "1405/01/20", "1405/03/01"}
                                             << QStringList{"1405/01/20", "1405/02/10", "1405/03/01"} << "2,080,000";
        QTest::newRow("dates typed in part") << QStringList{"Check3", "1405/0", "1405/9"} << QStringList{} << "0";
    }
    void filterThenReloadShowsAllAgain()
    {
        QFETCH(QStringList, filter);
        QFETCH(QStringList, dates);
        QFETCH(QString, sum);
        addBook();
        open();
        QCOMPARE(total(), QStringLiteral("47,080,000"));
        click("AeroButton3");
        QVERIFY(child<QGroupBox>("AeroGroupBox4")->isVisible());
        control<QCheckBox>(m_window.get(), filter.at(0))->setChecked(true);
        // A sort asked for with a filter gives way to the filter's date order.
        child<QCheckBox>("Check2")->setChecked(true);
        if (filter.size() == 2) {
            auto* kinds = child<QComboBox>("Combo2");
            if (kinds->findText(filter.at(1)) < 0)
                kinds->addItem(filter.at(1));
            kinds->setCurrentIndex(kinds->findText(filter.at(1)));
        } else {
            child<DateBox>("MaskEdBox3")->edit()->setText(filter.at(1));
            child<DateBox>("MaskEdBox2")->edit()->setText(filter.at(2));
        }
        click("AeroButton12");
        QCOMPARE(column(1), dates);
        QCOMPARE(total(), sum);

        click("AeroButton13");
        QCOMPARE(listCount(), 4);
        QCOMPARE(column(1), (QStringList{"1405/02/10", "1405/01/05", "1405/01/20", "1405/03/01"}));
        QCOMPARE(total(), QStringLiteral("47,080,000"));
    }

    void sortsOrderTheListShown()
    {
        addBook();
        addEntry(5, QStringLiteral("1405/01/01"), Water, QStringLiteral("کم"), QStringLiteral("9,000"));
        open();
        click("AeroButton3");
        child<QCheckBox>("Check2")->setChecked(true);
        click("AeroButton12");
        // Amounts are texts; they are ordered as the numbers they stand for.
        QCOMPARE(column(4), (QStringList{"9,000", "310,000", "850,000", "920,000", "45,000,000"}));

        // The order by date applies to the list as it is, here the entries of one kind.
        child<QCheckBox>("Check2")->setChecked(false);
        child<QCheckBox>("Check4")->setChecked(true);
        auto* kinds = child<QComboBox>("Combo2");
        kinds->setCurrentIndex(kinds->findText(Water));
        click("AeroButton12");
        child<QCheckBox>("Check4")->setChecked(false);
        child<QCheckBox>("Check2")->setChecked(true);
        click("AeroButton12");
        QCOMPARE(column(4), (QStringList{"9,000", "310,000"}));
        QCOMPARE(total(), QStringLiteral("319,000"));
    }

    // Kinds typed years ago on an Arabic layout are the same kinds as their Persian twins: the
    // filter by a kind chosen from the list finds both, and the lists come in Persian order.
    void kindFilterFoldsLetterFormsAndKindsSortInPersianOrder()
    {
        addKind(QStringLiteral("کرایه"));
        addKind(QStringLiteral("آب"));
        addKind(QStringLiteral("پست"));
        addEntry(1, QStringLiteral("1405/01/02"), QStringLiteral("كرايه"), QStringLiteral("old"),
                 QStringLiteral("2,000"));
        addEntry(2, QStringLiteral("1405/01/01"), QStringLiteral("کرایه"), QStringLiteral("new"),
                 QStringLiteral("500"));
        addEntry(3, QStringLiteral("1405/01/03"), QStringLiteral("آب"), QStringLiteral("water"), QStringLiteral("70"));
        open();
        const QStringList persianOrder = {QStringLiteral("آب"), QStringLiteral("پست"), QStringLiteral("کرایه")};
        QCOMPARE(listed("Combo1"), persianOrder);
        QCOMPARE(listed("Combo2"), persianOrder);
        click("AeroButton3");
        child<QCheckBox>("Check4")->setChecked(true);
        auto* kinds = child<QComboBox>("Combo2");
        kinds->setFocus();
        // Down the list to the third kind, from the keyboard.
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(kinds, Qt::Key_Down);
        QCOMPARE(kinds->currentText(), QStringLiteral("کرایه"));
        click("AeroButton12");
        QCOMPARE(column(3), (QStringList{"new", "old"}));
        QCOMPARE(total(), QStringLiteral("2,500"));
        // The stored kinds are as they were typed.
        QCOMPARE(rows().first().kind, QStringLiteral("كرايه"));
    }

    void totalReadsGroupedAmounts_data()
    {
        QTest::addColumn<QStringList>("amounts");
        QTest::addColumn<double>("sum");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("firstCell");
        QTest::newRow("over a million") << QStringList{"2,500,000,000", "1,250,000", "750"} << 2501250750.0
                                        << "2,501,250,750"
                                        << "2,500,000,000";
        QTest::newRow("carry into millions") << QStringList{"999,999", "1"} << 1000000.0 << "1,000,000"
                                             << "999,999";
        QTest::newRow("empty and unreadable add nothing") << QStringList{"", "abc", " 5,000 "} << 5000.0 << "5,000"
                                                          << "";
        QTest::newRow("grouped or not") << QStringList{"1500000", "1,500,000"} << 3000000.0 << "3,000,000"
                                        << "1,500,000";
        QTest::newRow("largest") << QStringList{"999,999,999,999"} << 999999999999.0 << "999,999,999,999"
                                 << "999,999,999,999";
        QTest::newRow("none") << QStringList{} << 0.0 << "0"
                              << "";
    }
    void totalReadsGroupedAmounts()
    {
        QFETCH(QStringList, amounts);
        QFETCH(double, sum);
        QFETCH(QString, shown);
        QFETCH(QString, firstCell);
        int id = 0;
        for (const QString& amount : amounts)
            addEntry(++id, QStringLiteral("1405/01/01"), Power, QStringLiteral("x"), amount);
        open();
        auto* totalBox = child<QLineEdit>("Text4");
        QCOMPARE(totalBox->text(), shown);
        QCOMPARE(totalBox->toolTip(), AmountToWords(sum));
        QCOMPARE(m_window->book().total(), sum);
        // The list shows the amounts grouped, whether they were stored so or not.
        QCOMPARE(cell(0, 4), firstCell);
    }

    void newEntriesAreNumberedByTheCountOfTheBook()
    {
        Messages::MessageLog log;
        addKind(Power);
        open();
        for (const char* description : {"a", "b", "c"})
            newEntry(QString::fromLatin1(description), QStringLiteral("1000"));
        QList<Row> stored = rows();
        QCOMPARE(stored.size(), 3);
        QCOMPARE(stored[0].id, 1);
        QCOMPARE(stored[2].id, 3);
        QCOMPARE(stored[1].amount, QStringLiteral("1,000"));
        QCOMPARE(stored[1].date, JalaliDateString(Clock::today(), 0));
        QCOMPARE(total(), QStringLiteral("3,000"));

        // The group stays open for the next entry, its boxes emptied.
        QVERIFY(child<QGroupBox>("AeroGroupBox3")->isVisible());
        QCOMPARE(child<DateBox>("MaskEdBox1")->text(), EmptyDate);
        QCOMPARE(child<QComboBox>("Combo1")->currentText(), QString());
        QCOMPARE(child<QLineEdit>("Text2")->text(), QString());
        QCOMPARE(child<QLineEdit>("Text3")->text(), QString());

        // After a delete the count repeats a number, as the numbering has always done.
        selectRow(1);
        log.answer(true);
        click("AeroButton14");
        QCOMPARE(log.lastText(), QStringLiteral(" آيا مطمئن به حذف اين گزينه از ليست هستيد! "));
        QCOMPARE(log.shown().last().title, QStringLiteral("b"));
        QCOMPARE(listCount(), 2);
        newEntry(QStringLiteral("d"), QStringLiteral("1"));
        QCOMPARE(rows().last().id, 3);
        // The whole book is counted even while the list shows a part of it.
        ExpenseBook& book = m_window->book();
        QVERIFY(book.showKind(Power));
        QCOMPARE(listCount(), 0);
        QVERIFY(book.addEntry({QStringLiteral("1405/01/01"), Power, QStringLiteral("e"), QStringLiteral("1")}));
        QCOMPARE(rows().last().id, 4);
        QCOMPARE(log.unusedAnswers(), 0);
    }

    void deleteAskedNoKeepsTheEntry()
    {
        addBook();
        Messages::MessageLog log;
        open();
        log.answer(false);
        click("AeroButton14");
        QCOMPARE(rows().size(), 4);
        QCOMPARE(log.shown().last().title, QStringLiteral("قبض ارديبهشت"));
    }

    void editWritesTheRowItWasOpenedOn()
    {
        addBook();
        open();
        selectRow(2);
        click("AeroButton15");
        QVERIFY(!NewRecordMode);
        QVERIFY(child<QGroupBox>("AeroGroupBox3")->isVisible());
        QCOMPARE(child<DateBox>("MaskEdBox1")->text(), QStringLiteral("1405/01/20"));
        QCOMPARE(child<QComboBox>("Combo1")->currentText(), Power);
        QCOMPARE(child<QLineEdit>("Text2")->text(), QStringLiteral("قبض فروردين"));
        QCOMPARE(child<QLineEdit>("Text3")->text(), QStringLiteral("920,000"));

        child<QLineEdit>("Text3")->setText(QStringLiteral("1,920,000"));
        child<QComboBox>("Combo1")->setEditText(QStringLiteral(" گاز "));
        // The list moves on while the group is open; the save still goes to the entry opened.
        selectRow(0);
        click("AeroButton10");

        const QList<Row> stored = rows();
        QCOMPARE(stored.size(), 4);
        QCOMPARE(stored[2].id, 3);
        QCOMPARE(stored[2].amount, QStringLiteral("1,920,000"));
        QCOMPARE(stored[2].kind, QStringLiteral("گاز"));
        QCOMPARE(stored[0].amount, QStringLiteral("850,000"));
        QVERIFY(!child<QGroupBox>("AeroGroupBox3")->isVisible());
        QCOMPARE(total(), QStringLiteral("48,080,000"));
    }

    void failedSaveIsReportedAndKeepsTheBoxes()
    {
        Messages::MessageLog log;
        open();
        click("AeroButton1");
        child<QLineEdit>("Text2")->setText(QStringLiteral("x"));
        QVERIFY(QFile::remove(m_data->db().filePath()));
        click("AeroButton10");
        QCOMPARE(log.shown().size(), 1);
        QCOMPARE(log.shown().first().icon, Messages::Icon::Critical);
        QVERIFY(log.lastText().startsWith(QStringLiteral("هزینه در بانک اطلاعاتی %1 ذخیره نشد.")
                                              .arg(FailureText::quotedPath(m_data->db().filePath()))));
        QCOMPARE(child<QLineEdit>("Text2")->text(), QStringLiteral("x"));
    }

    void enterWalksTheEntryGroupAndSaves()
    {
        addKind(Power);
        open();
        auto focusIsIn = [this](const char* name) {
            const QWidget* box = child<QWidget>(name);
            for (QWidget* widget = QApplication::focusWidget(); widget; widget = widget->parentWidget())
                if (widget == box)
                    return true;
            return false;
        };
        auto enter = [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); };

        click("AeroButton1");
        QTRY_VERIFY(focusIsIn("MaskEdBox1"));
        QCOMPARE(child<DateBox>("MaskEdBox1")->edit()->selectedText(), JalaliDateString(Clock::today(), 0));
        enter();
        QVERIFY(focusIsIn("Combo1"));
        auto* kinds = child<QComboBox>("Combo1");
        QTRY_VERIFY(kinds->view()->isVisible());
        QTest::keyClick(kinds->view(), Qt::Key_Down);
        QTest::keyClick(kinds->view(), Qt::Key_Return);
        QTRY_VERIFY(!kinds->view()->isVisible());
        enter();
        QVERIFY(focusIsIn("Text2"));
        typeEach(QApplication::focusWidget(), QStringLiteral("قبض"));
        enter();
        QVERIFY(focusIsIn("Text3"));
        // Persian digits are taken as the digits they are, grouped as they are typed.
        typeEach(QApplication::focusWidget(), QStringLiteral("۱۲۳۴"));
        QTest::keyClicks(QApplication::focusWidget(), "56x7");
        auto* amount = child<QLineEdit>("Text3");
        QCOMPARE(amount->text(), QStringLiteral("1,234,567"));
        QCOMPARE(amount->cursorPosition(), int(amount->text().size()));
        enter();
        QVERIFY(focusIsIn("AeroButton10"));
        enter();

        const QList<Row> stored = rows();
        QCOMPARE(stored.size(), 1);
        QCOMPARE(stored[0].kind, Power);
        QCOMPARE(stored[0].description, QStringLiteral("قبض"));
        QCOMPARE(stored[0].amount, QStringLiteral("1,234,567"));
        QTRY_VERIFY(focusIsIn("MaskEdBox1"));

        click("AeroButton2");
        click("AeroButton6");
        QTRY_VERIFY(focusIsIn("Text1"));
        enter();
        QVERIFY(focusIsIn("AeroButton4"));
    }

    void columnWidthsAreKept()
    {
        open();
        grid()->setColumnWidth(3, 240);
        QCOMPARE(SettingsStore::read(QStringLiteral("DataGird"), QStringLiteral("33")), QStringLiteral("3600"));
        m_window.reset();
        open();
        QCOMPARE(grid()->columnWidth(3), 240);
    }
};

QTEST_MAIN(TestExpenses)
#include "test_expenses.moc"
