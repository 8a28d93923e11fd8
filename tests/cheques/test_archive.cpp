#include "cheques/archive_window.h"
#include "data/data_control.h"
#include "numtype.h"
#include "settings/settings_store.h"
#include "testing.h"
#include "ui/data_grid.h"
#include "ui/date_box.h"
#include "ui/messages.h"
#include "words/amount_words.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

namespace {

const QString Received = QStringLiteral("دريافت");
const QString Paid = QStringLiteral("پرداخت");
const QString Passed = QStringLiteral("پاس شد");
const QString Voided = QStringLiteral("باطل شد");

} // namespace

class TestArchive : public QObject
{
    Q_OBJECT

private:
    TestEnvironment m_env;
    std::unique_ptr<TestDatabase> m_data;
    std::unique_ptr<ArchiveWindow> m_window;

    void archive(const QString& date, const QString& name, const QVariant& amount, const QString& bank,
                 const QString& number, const QVariant& type, const QString& status)
    {
        using namespace ArchiveTable;
        QVERIFY(TableWriter(m_data->db(), Name)
                    .insert({{Date, date},
                             {Description, name},
                             {Amount, amount},
                             {Bank, bank},
                             {Number, number},
                             {Status, status},
                             {Type, type}}));
    }
    // Four archived cheques: two passed or voided with their type, one added by hand
    // (empty type) and one whose type was never written (NULL).
    void addFour()
    {
        archive("1405/09/01", QStringLiteral("علي رضايي"), 1500, QStringLiteral("ملت"), "482311", Received, Passed);
        archive("1405/09/10", QStringLiteral("O'Brien"), 5000, QStringLiteral("صادرات"), "771045", Paid, Voided);
        archive("1405/08/20", QStringLiteral("شرکت نور"), 500, QStringLiteral("ملت"), "120988", QStringLiteral(""),
                QStringLiteral("----"));
        archive("1405/10/01", QStringLiteral("قسط"), 4200, QStringLiteral("تجارت"), "9999", QVariant(), Passed);
    }

    template <typename T> T* child(QAnyStringView name) { return control<T>(m_window.get(), name); }
    int count() { return child<QLabel>("Label8")->text().toInt(); }
    double total() { return child<NumType>("NumType1")->value(); }
    QString words() { return child<QLabel>("Label3")->text(); }
    QString cell(int row, int column)
    {
        return child<DataGrid>("DataGrid1")->model()->index(row, column).data().toString();
    }
    QString dates()
    {
        QStringList all;
        for (int row = 0; row < count(); ++row)
            all << cell(row, 0);
        return all.join(QLatin1Char(' '));
    }

    void open()
    {
        m_window = std::make_unique<ArchiveWindow>(m_data->db());
        m_window->show();
    }
    void chooseColumn(int column)
    {
        auto* combo = child<QComboBox>("Combo1");
        combo->setCurrentIndex(column);
        emit combo->activated(column);
    }
    void type(const QString& text)
    {
        auto* box = child<QLineEdit>("Text1");
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    QAction* menuItem(const char* name) { return control<QAction>(child<QMenu>("MMM"), name); }

private slots:
    void init() { m_data = std::make_unique<TestDatabase>(); }
    void cleanup()
    {
        m_window.reset();
        m_data.reset();
    }

    void searchEachColumn_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("found");
        QTest::addColumn<double>("sum");
        QTest::newRow("bank") << 0 << "ملت"
                              << "1405/08/20 1405/09/01" << 2000.0;
        QTest::newRow("cheque number") << 1 << "88"
                                       << "1405/08/20" << 500.0;
        QTest::newRow("description with an apostrophe") << 2 << "O'B"
                                                        << "1405/09/10" << 5000.0;
        QTest::newRow("amount digits") << 3 << "500"
                                       << "1405/08/20 1405/09/01 1405/09/10" << 7000.0;
        QTest::newRow("status") << 4 << "پاس"
                                << "1405/09/01 1405/10/01" << 5700.0;
        QTest::newRow("type") << 5 << "دريافت"
                              << "1405/09/01" << 1500.0;
        // An emptied box lists the rows whose type is there: the one added by hand has none.
        QTest::newRow("type emptied") << 5 << ""
                                      << "1405/09/01 1405/09/10" << 6500.0;
        QTest::newRow("nothing") << 2 << "zzz"
                                 << "" << 0.0;
    }
    void searchEachColumn()
    {
        QFETCH(int, column);
        QFETCH(QString, text);
        QFETCH(QString, found);
        QFETCH(double, sum);
        addFour();
        open();
        QCOMPARE(count(), 4);
        chooseColumn(column);
        type(text.isEmpty() ? QStringLiteral("x") : text);
        if (text.isEmpty())
            QTest::keyClick(child<QLineEdit>("Text1"), Qt::Key_Backspace);
        QCOMPARE(dates(), found);
        QCOMPARE(total(), sum);
        QCOMPARE(words(), AmountToWords(sum));
    }

    void dateRange_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("found");
        QTest::newRow("both ends count") << "1405/08/20"
                                         << "1405/09/10"
                                         << "1405/08/20 1405/09/01 1405/09/10";
        QTest::newRow("from after to") << "1405/10/01"
                                       << "1405/09/01"
                                       << "";
        QTest::newRow("end typed in part") << "1405/09/01"
                                           << "1405/1"
                                           << "1405/09/01 1405/09/10 1405/10/01";
    }
    void dateRange()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, found);
        addFour();
        open();
        auto* panel = child<QGroupBox>("AeroGroupBox1");
        QVERIFY(!panel->isVisible());
        menuItem("SE")->trigger();
        QVERIFY(panel->isVisible());
        child<DateBox>("MaskEdBox1")->setText(from);
        child<DateBox>("MaskEdBox2")->setText(to);
        QCOMPARE(dates(), found);
        const double sum = total();
        QCOMPARE(words(), AmountToWords(sum));
        // Closing the panel keeps the range.
        child<QPushButton>("AeroButton2")->click();
        QVERIFY(!panel->isVisible());
        QCOMPARE(dates(), found);
        QCOMPARE(total(), sum);
    }

    void deleteAsksWithTheName()
    {
        archive("1405/09/01", QStringLiteral("علي"), 100, QStringLiteral("ملت"), "1", Received, Passed);
        archive("1405/09/02", QStringLiteral("رضا"), 200, QStringLiteral("ملت"), "2", Paid, Voided);
        open();
        Messages::MessageLog log;
        child<DataGrid>("DataGrid1")->selectRow(1);
        log.answer(false);
        child<QPushButton>("AeroButton3")->click();
        QCOMPARE(log.shown().size(), 1);
        QCOMPARE(log.shown().last().title, QStringLiteral("رضا"));
        QCOMPARE(log.shown().last().text, QStringLiteral(" آيا مطمئن به حذف اين گزينه از ليست هستيد؟ "));
        QCOMPARE(count(), 2);
        QCOMPARE(total(), 300.0);

        for (int left = 1; left >= 0; --left) {
            log.answer(true);
            child<QPushButton>("AeroButton3")->click();
            QCOMPARE(count(), left);
        }
        QCOMPARE(total(), 0.0);
        QCOMPARE(words(), AmountToWords(0));
        QCOMPARE(cell(0, 0), QString());
        // With nothing left there is nothing to ask.
        child<QPushButton>("AeroButton3")->click();
        QCOMPARE(log.shown().size(), 3);
        QCOMPARE(log.unusedAnswers(), 0);
        QCOMPARE(count(), 0);
    }

    void popupMenuAndPrint()
    {
        open();
        auto* menu = child<QMenu>("MMM");
        QCOMPARE(menu->title(), QStringLiteral("مرتب كردن"));
        QCOMPARE(menuItem("SE")->text(), QStringLiteral("مرتب سازي ليست"));
        QCOMPARE(menuItem("Delete")->text(), QStringLiteral("چاپ ليست"));
        emit child<DataGrid>("DataGrid1")->contextMenuWanted(m_window->mapToGlobal(QPoint(100, 100)));
        QVERIFY(menu->isVisible());
        menu->hide();

        QSignalSpy print(m_window.get(), &ArchiveWindow::printWanted);
        // The print settings come and go; meanwhile a cheque was archived, and the list shows it on return.
        connect(m_window.get(), &ArchiveWindow::printWanted, this,
                [this] { archive("1405/09/05", "x", 700, "b", "1", Received, Passed); });
        menuItem("Delete")->trigger();
        QCOMPARE(print.count(), 1);
        QCOMPARE(count(), 1);
        QCOMPARE(total(), 700.0);
        child<QPushButton>("AeroButton4")->click();
        QCOMPARE(print.count(), 2);
        QCOMPARE(count(), 2);
    }

    void activationSortsByDateAndAddsNumbersOnly()
    {
        archive("1405/09/20", "b", 300, "x", "1", Received, Passed);
        archive("1405/09/01", "a", 100, "x", "2", Received, Passed);
        archive("1405/09/30", "c", QStringLiteral("abc"), "x", "3", Received, Passed);
        m_window = std::make_unique<ArchiveWindow>(m_data->db());
        QCOMPARE(words(), QStringLiteral("مبلغ"));
        m_window->show();
        QCOMPARE(dates(), QStringLiteral("1405/09/01 1405/09/20 1405/09/30"));
        QCOMPARE(count(), 3);
        QCOMPARE(total(), 400.0);
        QCOMPARE(words(), QStringLiteral("چهارصد"));
        // With no column chosen, typing leaves the list as it is.
        type(QStringLiteral("zzz"));
        QCOMPARE(count(), 3);
        QCOMPARE(m_window->windowTitle(), QStringLiteral("ليست بايگاني"));
    }

    void columnWidthsKept()
    {
        SettingsStore::write(QStringLiteral("DataGird8"), QStringLiteral("1"), QStringLiteral("3000"));
        SettingsStore::write(QStringLiteral("DataGird8"), QStringLiteral("4"), QStringLiteral("wide"));
        addFour();
        open();
        auto* grid = child<DataGrid>("DataGrid1");
        QCOMPARE(grid->columnWidth(1), 200);
        QCOMPARE(grid->columnWidth(4), 75); // unreadable: the designed width stays
        chooseColumn(2);
        type(QStringLiteral("ع"));
        QCOMPARE(grid->columnWidth(1), 200);
        grid->setColumnWidth(3, 100);
        QCOMPARE(SettingsStore::read(QStringLiteral("datagird8"), QStringLiteral("3")), QStringLiteral("1500"));
        QCOMPARE(SettingsStore::read(QStringLiteral("DataGird8"), QStringLiteral("1")), QStringLiteral("3000"));
    }
};

QTEST_MAIN(TestArchive)
#include "test_archive.moc"
