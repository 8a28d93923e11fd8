// Searches typed on a Persian keyboard find what was typed years ago on an Arabic one, in the
// cheque list and in the archive, and the lists of banks come in Persian alphabetical order.
#include "cheque_fixtures.h"
#include "cheques/archive_window.h"
#include "cheques/main_window.h"
#include "data/clock.h"
#include "numtype.h"
#include "testing.h"
#include "words/amount_words.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QtTest>

namespace {

const QString NonJoiner = QString(QChar(0x200C));

// Types into the focused box one key a letter, as a Persian keyboard sends them.
void typeKeys(QWidget* box, const QString& text)
{
    QVERIFY(box->hasFocus());
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// Each search, typed in the Persian form, with what it must find of the rows below: the column
// of the cheque list, that of the archive, and the total of the rows found.
void searchCases()
{
    QTest::addColumn<int>("listColumn");
    QTest::addColumn<int>("archiveColumn");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("found");
    QTest::addColumn<double>("sum");
    QTest::newRow("received, stored with Arabic yeh") << 6 << 5 << QStringLiteral("دریافت") << 3 << 13205.0;
    QTest::newRow("ali in either form") << 4 << 2 << QStringLiteral("علی") << 2 << 15500.0;
    QTest::newRow("ali typed in the Arabic form") << 4 << 2 << QStringLiteral("علي") << 2 << 15500.0;
    QTest::newRow("goods, stored with Arabic kaf") << 4 << 2 << QStringLiteral("کالا") << 1 << 700.0;
    QTest::newRow("persian digits") << 3 << 3 << QStringLiteral("۱۲۵۰") << 1 << 12500.0;
    QTest::newRow("with a non-joiner") << 4 << 2 << QStringLiteral("می") + NonJoiner + QStringLiteral("خواهم") << 1
                                       << 40.0;
    QTest::newRow("latin without case") << 4 << 2 << QStringLiteral("o'BRIEN") << 1 << 5.0;
    QTest::newRow("bank typed in the Arabic form") << 1 << 0 << QStringLiteral("كشاورزي") << 1 << 3000.0;
    QTest::newRow("nothing alike") << 4 << 2 << QStringLiteral("گالا") << 0 << 0.0;
}

struct Row
{
    QString description;
    double amount;
    QString type;
    QString bank;
};

// Stored as they were typed over the years: Arabic forms and Persian ones side by side.
const Row Rows[] = {
    {QStringLiteral("علي رضايي"), 12500, Received, QStringLiteral("ملت")},
    {QStringLiteral("علی کریمی"), 3000, Paid, QStringLiteral("کشاورزی")},
    {QStringLiteral("كالا و خدمات"), 700, Received, QStringLiteral("تجارت")},
    {QStringLiteral("ميخواهم بخرم"), 40, Paid, QStringLiteral("پاسارگاد")},
    {QStringLiteral("O'Brien"), 5, Received, QStringLiteral("آینده")},
};

const QStringList BankOrder = {QStringLiteral("آینده"), QStringLiteral("پاسارگاد"), QStringLiteral("تجارت"),
                               QStringLiteral("کشاورزی"), QStringLiteral("ملت")};

} // namespace

class TestPersianSearch : public QObject
{
    Q_OBJECT

private:
    TestEnvironment m_env;
    std::unique_ptr<TestDatabase> m_data;

    template <typename T> T* child(QWidget* window, QAnyStringView name) { return control<T>(window, name); }

    void addCheques()
    {
        for (const Row& row : Rows)
            QVERIFY(m_data->addCheque(
                        cheque(QStringLiteral("1403/01/01"), row.description, row.amount, row.type, row.bank)) > 0);
    }
    void addArchived()
    {
        using namespace ArchiveTable;
        for (const Row& row : Rows)
            QVERIFY(TableWriter(m_data->db(), Name)
                        .insert({{Date, QStringLiteral("1403/01/01")},
                                 {Description, row.description},
                                 {Amount, row.amount},
                                 {Bank, row.bank},
                                 {Number, QStringLiteral("77")},
                                 {Type, row.type},
                                 {Status, ChequeStatus::Passed}}));
    }
    // Chooses the search column from the keyboard and types the text, as a user does.
    void search(QWidget* window, int column, const QString& text)
    {
        auto* combo = child<QComboBox>(window, "Combo1");
        combo->setCurrentIndex(column);
        emit combo->activated(column);
        typeKeys(child<QLineEdit>(window, "Text1"), text);
    }
    static QStringList column(QTableView* grid, int column)
    {
        QStringList texts;
        for (int row = 0; row < grid->model()->rowCount(); ++row)
            texts << grid->model()->index(row, column).data().toString();
        return texts;
    }

private slots:
    void init()
    {
        Clock::set(QDateTime(QDate(2026, 12, 7), QTime(10, 0)));
        m_data = std::make_unique<TestDatabase>();
    }
    void cleanup() { m_data.reset(); }

    void chequeListFindsEitherForm_data() { searchCases(); }
    void chequeListFindsEitherForm()
    {
        QFETCH(int, listColumn);
        QFETCH(QString, typed);
        QFETCH(int, found);
        QFETCH(double, sum);
        addCheques();
        MainWindow window(m_data->db());
        window.show();
        window.activate();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        search(&window, listColumn, typed);
        QCOMPARE(child<QLabel>(&window, "Label6")->text().toInt(), found);
        QCOMPARE(child<NumType>(&window, "NumType1")->value(), sum);
        QCOMPARE(child<QLabel>(&window, "Label4")->text(), AmountToWords(sum));
        // Once the column is in memory the same keystroke finds the same rows.
        m_data->db().searchIndex().wait();
        auto* box = child<QLineEdit>(&window, "Text1");
        QTest::keyClick(box, Qt::Key_Backspace);
        typeKeys(box, typed.right(1));
        QCOMPARE(child<QLabel>(&window, "Label6")->text().toInt(), found);
        QCOMPARE(child<NumType>(&window, "NumType1")->value(), sum);
    }

    void archiveFindsEitherForm_data() { searchCases(); }
    void archiveFindsEitherForm()
    {
        QFETCH(int, archiveColumn);
        QFETCH(QString, typed);
        QFETCH(int, found);
        QFETCH(double, sum);
        addArchived();
        ArchiveWindow window(m_data->db());
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        search(&window, archiveColumn, typed);
        QCOMPARE(child<QLabel>(&window, "Label8")->text().toInt(), found);
        QCOMPARE(child<NumType>(&window, "NumType1")->value(), sum);
        QCOMPARE(child<QLabel>(&window, "Label3")->text(), AmountToWords(sum));
    }

    // The quick filter by type takes the text of the search box, typed in the Persian form.
    void quickFilterByTypeFolds()
    {
        addCheques();
        MainWindow window(m_data->db());
        window.show();
        window.activate();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* combo = child<QComboBox>(&window, "Combo1");
        combo->setCurrentIndex(-1);
        auto* box = child<QLineEdit>(&window, "Text1");
        box->setFocus();
        typeKeys(box, QStringLiteral("دریافت"));
        QCOMPARE(child<QLabel>(&window, "Label6")->text().toInt(), 5);
        auto* filter = child<QComboBox>(&window, "Combo2");
        filter->setCurrentIndex(2);
        emit filter->activated(2);
        QCOMPARE(child<QLabel>(&window, "Label6")->text().toInt(), 3);
        QCOMPARE(child<NumType>(&window, "NumType1")->value(), 13205.0);
    }

    // The sort panel and a click on the bank's heading list the banks in Persian order; a
    // second click reverses it, and amounts keep the order of numbers.
    void banksSortInPersianOrder()
    {
        addCheques();
        // The Arabic form of a bank sorts with its Persian twin, not after every letter.
        QVERIFY(m_data->addCheque(cheque(QStringLiteral("1403/01/02"), QStringLiteral("x"), 1, Received,
                                         QStringLiteral("كشاورزي"))) > 0);
        MainWindow window(m_data->db());
        window.show();
        window.activate();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* grid = child<QTableView>(&window, "DataGrid1");
        QStringList expected = BankOrder;
        expected.insert(3, QStringLiteral("كشاورزي"));

        child<QRadioButton>(&window, "AeroOptionButton3")->setChecked(true);
        child<QGroupBox>(&window, "AeroGroupBox2")->show();
        auto* sort = child<QPushButton>(&window, "AeroButton10");
        sort->setFocus();
        QTest::keyClick(sort, Qt::Key_Space);
        QCOMPARE(column(grid, 4), expected);

        QHeaderView* header = grid->horizontalHeader();
        emit header->sectionClicked(4);
        QCOMPARE(column(grid, 4), expected);
        emit header->sectionClicked(4);
        std::reverse(expected.begin(), expected.end());
        QCOMPARE(column(grid, 4), expected);
        emit header->sectionClicked(5);
        QCOMPARE(column(grid, 5), (QStringList{"1", "5", "40", "700", "3,000", "12,500"}));
    }
};

QTEST_MAIN(TestPersianSearch)
#include "test_persian_search.moc"
