#include "calendar/jalali.h"
#include "cheque_fixtures.h"
#include "cheques/main_window.h"
#include "data/clock.h"
#include "numtype.h"
#include "settings/settings_store.h"
#include "testing.h"
#include "ui/date_box.h"
#include "ui/messages.h"
#include "words/amount_words.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QtTest>

class TestCheques : public QObject
{
    Q_OBJECT

private:
    TestEnvironment m_env;
    std::unique_ptr<TestDatabase> m_data;
    std::unique_ptr<MainWindow> m_window;

    template <typename T> T* child(QAnyStringView name) { return control<T>(m_window.get(), name); }
    int count() { return child<QLabel>("Label6")->text().toInt(); }
    double total() { return child<NumType>("NumType1")->value(); }
    QString words() { return child<QLabel>("Label4")->text(); }
    QString cell(int row, int column)
    {
        auto* grid = child<QTableView>("DataGrid1");
        return grid->model()->index(row, column).data().toString();
    }

    void open()
    {
        m_window = std::make_unique<MainWindow>(m_data->db());
        m_window->show();
        m_window->activate();
    }

    void typeSearch(int column, const QString& text)
    {
        auto* combo = child<QComboBox>("Combo1");
        combo->setCurrentIndex(column);
        emit combo->activated(column);
        auto* box = child<QLineEdit>("Text1");
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }

private slots:
    void init()
    {
        Clock::set(QDateTime(QDate(2026, 12, 7), QTime(10, 0)));
        m_data = std::make_unique<TestDatabase>();
    }
    void cleanup()
    {
        m_window.reset();
        m_data.reset();
    }

    void emptyListShowsZeroFigures()
    {
        Messages::MessageLog log;
        SettingsStore::write(QStringLiteral("1"), QStringLiteral("2"), QString());
        open();
        QCOMPARE(count(), 0);
        QCOMPARE(total(), 0.0);
        QCOMPARE(words(), QStringLiteral("صفر"));
        QCOMPARE(m_window->windowTitle(), QStringLiteral("     ") + JalaliDateString(Clock::today(), 3));
        child<QPushButton>("AeroButton5")->click();
        QCOMPARE(log.lastText(), QStringLiteral(" .اطلاعاتي جهت مشاهده و چاب در بانک اطلاعاتي موجود نمي باشد "));
    }

    void listInChequeDateOrderWithFigures()
    {
        SettingsStore::write(QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("فروشگاه نمونه"));
        m_data->addCheque(cheque(QStringLiteral("1403/05/01"), QStringLiteral("دوم"), 2500));
        m_data->addCheque(cheque(QStringLiteral("1403/01/20"), QStringLiteral("اول"), 1000000));
        m_data->addCheque(cheque(QStringLiteral("1404/01/01"), QStringLiteral("سوم"), 1234567, Paid));
        open();
        QCOMPARE(count(), 3);
        QCOMPARE(total(), 2237067.0);
        QCOMPARE(words(), QStringLiteral("دو ميليون و دويست و سي و هفت هزار و شصت و هفت"));
        QCOMPARE(child<QLineEdit>("Text2")->text(), QStringLiteral("2,237,067"));
        QVERIFY(m_window->windowTitle().startsWith(QStringLiteral("فروشگاه نمونه     ")));
        // Columns in their order: key, type, date, number, bank, amount (grouped), description.
        QCOMPARE(cell(0, 2), QStringLiteral("1403/01/20"));
        QCOMPARE(cell(0, 5), QStringLiteral("1,000,000"));
        QCOMPARE(cell(0, 6), QStringLiteral("اول"));
        QCOMPARE(cell(2, 1), Paid);
        auto* grid = child<QTableView>("DataGrid1");
        QCOMPARE(grid->model()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("تاريخ چك"));
        QCOMPARE(grid->columnWidth(0), 0);
    }

    void searchEachColumn_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("found");
        QTest::addColumn<double>("sum");
        QTest::newRow("date") << 0 << "1403/0" << 2 << 1002500.0;
        QTest::newRow("bank") << 1 << "صادرات" << 1 << 500.0;
        QTest::newRow("number") << 2 << "77" << 1 << 5000.0;
        QTest::newRow("amount digits") << 3 << "500" << 4 << 9500.0;
        QTest::newRow("description with a quote") << 4 << "O'" << 1 << 1500.0;
        QTest::newRow("description with percent") << 4 << "%" << 1 << 5000.0;
        QTest::newRow("status") << 5 << "پاس" << 1 << 1000000.0;
        QTest::newRow("type") << 6 << "پرداخت" << 2 << 6500.0;
        QTest::newRow("remarks") << 7 << "فوري" << 1 << 2500.0;
    }
    void searchEachColumn()
    {
        QFETCH(int, column);
        QFETCH(QString, text);
        QFETCH(int, found);
        QFETCH(double, sum);
        m_data->addCheque(with(cheque(QStringLiteral("1403/05/01"), QStringLiteral("دوم"), 2500), QStringLiteral("Shh"),
                               QStringLiteral("فوري")));
        m_data->addCheque(with(cheque(QStringLiteral("1403/01/20"), QStringLiteral("اول"), 1000000),
                               QStringLiteral("V"), QStringLiteral("پاس شد")));
        m_data->addCheque(cheque(QStringLiteral("1404/01/01"), QStringLiteral("O'Brien"), 1500, Paid));
        m_data->addCheque(with(cheque(QStringLiteral("1404/02/01"), QStringLiteral("100% نقد"), 5000, Paid),
                               QStringLiteral("Num"), QStringLiteral("7788")));
        m_data->addCheque(
            cheque(QStringLiteral("1405/02/01"), QStringLiteral("ديگر"), 500, Received, QStringLiteral("صادرات")));
        open();
        typeSearch(column, text);
        QCOMPARE(count(), found);
        QCOMPARE(total(), sum);
        QCOMPARE(words(), AmountToWords(sum));
    }

    void amountSearchOrdersByAmount()
    {
        for (double amount : {5000.0, 1500.0, 500.0, 4200.0})
            m_data->addCheque(cheque(QStringLiteral("1403/05/01"), QStringLiteral("x"), amount));
        open();
        typeSearch(3, QStringLiteral("500"));
        QCOMPARE(count(), 3);
        QCOMPARE(cell(0, 5), QStringLiteral("500"));
        QCOMPARE(cell(1, 5), QStringLiteral("1,500"));
        QCOMPARE(cell(2, 5), QStringLiteral("5,000"));
        // With no column chosen, typing keeps every row.
        auto* combo = child<QComboBox>("Combo1");
        combo->setCurrentIndex(-1);
        child<QLineEdit>("Text1")->setText(QStringLiteral("zzz"));
        QCOMPARE(count(), 4);
    }

    void dateRangeBoxesAndRange()
    {
        m_data->addCheque(cheque(QStringLiteral("1391/01/01"), QStringLiteral("a"), 1));
        m_data->addCheque(cheque(QStringLiteral("1391/02/01"), QStringLiteral("b"), 2));
        m_data->addCheque(cheque(QStringLiteral("1391/2/1"), QStringLiteral("c"), 4));
        m_data->addCheque(cheque(QStringLiteral("1391/12/29"), QStringLiteral("d"), 8));
        m_data->addCheque(cheque(QStringLiteral("1392/01/01"), QStringLiteral("e"), 16));
        open();
        auto* combo = child<QComboBox>("Combo1");
        combo->setCurrentIndex(8);
        emit combo->activated(8);
        QVERIFY(!child<QLineEdit>("Text1")->isVisible());
        auto* from = child<DateBox>("MaskEdBox1");
        auto* to = child<DateBox>("MaskEdBox2");
        QVERIFY(from->isVisible() && to->isVisible());
        QCOMPARE(from->text(), QStringLiteral("____/__/__"));
        QCOMPARE(to->text(), QStringLiteral("____/__/__"));
        from->setText(QStringLiteral("1391/01/01"));
        to->setText(QStringLiteral("1391/12/29"));
        // Both ends count; the date written without zeros sorts outside the range.
        QCOMPARE(count(), 3);
        QCOMPARE(total(), 11.0);
        combo->setCurrentIndex(4);
        emit combo->activated(4);
        QVERIFY(child<QLineEdit>("Text1")->isVisible());
        QVERIFY(!from->isVisible());
    }

    void quickFilters()
    {
        const QString today = JalaliDateString(Clock::today(), 0);
        m_data->addCheque(cheque(today, QStringLiteral("امروزي"), 700, Paid));
        m_data->addCheque(cheque(QStringLiteral("1400/01/01"), QStringLiteral("قديمي"), 300));
        m_data->addCheque(cheque(QStringLiteral("1400/01/02"), QStringLiteral("قديمي"), 100, Paid));
        open();
        auto* filter = child<QComboBox>("Combo2");
        filter->setCurrentIndex(1);
        emit filter->activated(1);
        QCOMPARE(count(), 1);
        QCOMPARE(total(), 700.0);
        child<QLineEdit>("Text1")->setText(Paid);
        filter->setCurrentIndex(2);
        emit filter->activated(2);
        QCOMPARE(count(), 2);
        QCOMPARE(total(), 800.0);
        filter->setCurrentIndex(0);
        emit filter->activated(0);
        QCOMPARE(count(), 3);
        Clock::set(QDateTime(QDate(2030, 1, 1), QTime(9, 0)));
        filter->setCurrentIndex(1);
        emit filter->activated(1);
        QCOMPARE(count(), 0);
        QCOMPARE(total(), 0.0);
    }

    // The lists of the main window answer the keyboard as every list does: opened with nothing
    // chosen nothing is highlighted, Down highlights the first item and Enter takes it.
    void searchColumnListFromTheKeyboard()
    {
        m_data->addCheque(cheque(QStringLiteral("1400/01/01"), QStringLiteral("قديمي"), 300));
        open();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        auto* column = child<QComboBox>("Combo1");
        QCOMPARE(column->currentIndex(), -1);
        column->setFocus(Qt::TabFocusReason);
        QTest::keyClick(column, Qt::Key_F4);
        QTRY_VERIFY(column->view()->isVisible());
        QVERIFY(!column->view()->currentIndex().isValid());
        QTest::keyClick(column->view(), Qt::Key_Down);
        QCOMPARE(column->view()->currentIndex().row(), 0);
        QTest::keyClick(column->view(), Qt::Key_Return);
        QVERIFY(!column->view()->isVisible());
        QCOMPARE(column->currentIndex(), 0);
        // Chosen, the search goes to its box.
        QTRY_VERIFY(child<QLineEdit>("Text1")->hasFocus());

        // The last item from the keyboard opens the date range.
        column->setFocus(Qt::TabFocusReason);
        QTest::keyClick(column, Qt::Key_F4);
        QTRY_VERIFY(column->view()->isVisible());
        QCOMPARE(column->view()->currentIndex().row(), 0);
        QTest::keyClick(column->view(), Qt::Key_End);
        QTest::keyClick(column->view(), Qt::Key_Return);
        QCOMPARE(column->currentIndex(), 8);
        QVERIFY(child<QWidget>("MaskEdBox1")->isVisible());
    }

    void headerClicksToggleAndActivationRestoresDateOrder()
    {
        m_data->addCheque(cheque(QStringLiteral("1403/01/02"), QStringLiteral("b"), 300));
        m_data->addCheque(cheque(QStringLiteral("1403/01/01"), QStringLiteral("c"), 100));
        m_data->addCheque(cheque(QStringLiteral("1403/01/03"), QStringLiteral("a"), 200));
        open();
        QHeaderView* header = child<QTableView>("DataGrid1")->horizontalHeader();
        const QStringList expected[] = {{"100", "200", "300"}, {"300", "200", "100"}, {"100", "200", "300"}};
        for (const QStringList& order : expected) {
            emit header->sectionClicked(5);
            QCOMPARE((QStringList{cell(0, 5), cell(1, 5), cell(2, 5)}), order);
            QCOMPARE(count(), 3);
        }
        m_window->activate();
        QCOMPARE(cell(0, 2), QStringLiteral("1403/01/01"));

        // The sort panel orders without changing the rows or their figures.
        child<QRadioButton>("AeroOptionButton4")->setChecked(true);
        child<QGroupBox>("AeroGroupBox2")->show();
        child<QPushButton>("AeroButton10")->click();
        QVERIFY(!child<QGroupBox>("AeroGroupBox2")->isVisible());
        QCOMPARE(cell(0, 6), QStringLiteral("c"));
        QCOMPARE(cell(2, 6), QStringLiteral("b"));
        QCOMPARE(total(), 600.0);
    }

    void deleteAsksWithTheDescription()
    {
        m_data->addCheque(cheque(QStringLiteral("1403/01/01"), QStringLiteral("علي"), 100));
        m_data->addCheque(cheque(QStringLiteral("1403/01/02"), QStringLiteral("رضا"), 200));
        open();
        Messages::MessageLog log;
        child<QTableView>("DataGrid1")->selectRow(1);
        log.answer(false);
        child<QPushButton>("AeroButton3")->click();
        QCOMPARE(log.shown().last().title, QStringLiteral("رضا"));
        QCOMPARE(log.shown().last().text, QStringLiteral(" آيا مطمئن به حذف اين گزينه از ليست هستيد! "));
        QCOMPARE(count(), 2);
        child<QTableView>("DataGrid1")->selectRow(1);
        log.answer(true);
        control<QAction>(child<QMenu>("t"), "h")->trigger();
        QCOMPARE(log.shown().last().text, QStringLiteral(" آيا مطمئن به حذف اين گزينه از ليست هستيد؟ "));
        QCOMPARE(count(), 1);
        QCOMPARE(total(), 100.0);
        QCOMPARE(words(), QStringLiteral("يكصد"));
        QCOMPARE(log.unusedAnswers(), 0);
    }

    void columnWidthsAndRowHeightFromTheSettings()
    {
        SettingsStore::write(QStringLiteral("DataGird"), QStringLiteral("6"), QStringLiteral("3000"));
        SettingsStore::write(QStringLiteral("DataGird"), QStringLiteral("Row"), QStringLiteral("450"));
        SettingsStore::write(QStringLiteral("DataGird"), QStringLiteral("7"), QStringLiteral("wide"));
        m_data->addCheque(cheque(QStringLiteral("1403/01/01"), QStringLiteral("a"), 1));
        open();
        auto* grid = child<QTableView>("DataGrid1");
        QCOMPARE(grid->columnWidth(6), 200);
        QCOMPARE(grid->columnWidth(7), 85); // unreadable: the designed width stays
        QCOMPARE(grid->rowHeight(0), 30);
        typeSearch(4, QStringLiteral("a")); // a search keeps the widths and the height
        QCOMPARE(grid->columnWidth(6), 200);
        QCOMPARE(grid->rowHeight(0), 30);
        grid->setColumnWidth(3, 100);
        QCOMPARE(SettingsStore::read(QStringLiteral("datagird"), QStringLiteral("3")), QStringLiteral("1500"));
        QCOMPARE(SettingsStore::read(QStringLiteral("DataGird"), QStringLiteral("6")), QStringLiteral("3000"));
    }

    void addingThroughTheEntryWindowUpdatesTheList()
    {
        m_data->addCheque(cheque(QStringLiteral("1403/01/01"), QStringLiteral("a"), 100));
        open();
        QString title;
        whenModal([&](QWidget* dialog) {
            title = dialog->windowTitle();
            QCOMPARE(dialog->objectName(), QStringLiteral("Form2"));
            control<DateBox>(dialog, "MaskEdBox1")->setText(QStringLiteral("1402/12/29"));
            control<NumType>(dialog, "NumType1")->setValue(2500);
            control<QPushButton>(dialog, "AeroButton2")->click();
            // The list and its figures follow the save while the dialog is still open.
            QCOMPARE(count(), 2);
            QCOMPARE(total(), 2600.0);
            control<QPushButton>(dialog, "AeroButton1")->click();
        });
        child<QPushButton>("AeroButton1")->click();
        QCOMPARE(title, QStringLiteral(" اضافه کردن چک ..."));
        // Back in the main window: cheque-date order, so the new cheque comes first.
        QCOMPARE(cell(0, 2), QStringLiteral("1402/12/29"));
        QCOMPARE(cell(0, 8), QStringLiteral("----"));
        QCOMPARE(words(), QStringLiteral("دو هزار و ششصد"));

        // Editing the current cheque keeps its place as the target of the save.
        child<QTableView>("DataGrid1")->selectRow(1);
        whenModal([&](QWidget* dialog) {
            title = dialog->windowTitle();
            control<NumType>(dialog, "NumType1")->setValue(400);
            control<QPushButton>(dialog, "AeroButton2")->click();
            control<QPushButton>(dialog, "AeroButton1")->click();
        });
        child<QPushButton>("AeroButton2")->click();
        QCOMPARE(title, QStringLiteral("ويرايش چک ..."));
        QCOMPARE(count(), 2);
        QCOMPARE(total(), 2900.0);
        QCOMPARE(cell(1, 5), QStringLiteral("400"));
    }

    void statusPanelsShowAndHide()
    {
        open();
        auto* panel = child<QGroupBox>("AeroGroupBox4");
        QVERIFY(!panel->isVisible());
        child<QPushButton>("AeroButton13")->click();
        QVERIFY(panel->isVisible());
        child<QPushButton>("AeroButton11")->click();
        QVERIFY(child<QGroupBox>("AeroGroupBox3")->isVisible());
        child<QPushButton>("AeroButton12")->click();
        QVERIFY(!panel->isVisible());
    }
};

QTEST_MAIN(TestCheques)
#include "test_cheques.moc"
