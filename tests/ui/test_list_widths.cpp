// The lists of the windows that scale with the resizer: columns follow the window, the widths
// kept in the settings stay those of the designed size, and a fifteen-digit amount is shown
// whole in every list.
#include "banks/statement_window.h"
#include "cheques/archive_window.h"
#include "cheques/main_window.h"
#include "data/cheque_status.h"
#include "data/clock.h"
#include "expenses/expense_register.h"
#include "settings/settings_store.h"
#include "ui/data_grid.h"
#include "words/number_format.h"

#include "testing.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QtTest>

#include <memory>

namespace {

constexpr double Longest = 999999999999999.0;

// The column of a grid that shows field.
int columnOf(const DataGrid* grid, const QString& field)
{
    for (int column = 0; column < grid->model()->columnCount(); ++column)
        if (grid->fieldOf(column).compare(field, Qt::CaseInsensitive) == 0)
            return column;
    return -1;
}

// Whether the text of a cell fits its column, with the margins the style draws around it.
bool showsWhole(const DataGrid* grid, int row, int column)
{
    const QString text = grid->model()->index(row, column).data().toString();
    return grid->columnWidth(column) >= grid->fontMetrics().horizontalAdvance(text) + 8;
}

} // namespace

class TestListWidths : public QObject
{
    Q_OBJECT

    TestEnvironment m_environment;
    std::unique_ptr<TestDatabase> m_data;

private slots:
    void initTestCase() { qApp->setLayoutDirection(Qt::RightToLeft); }

    void init()
    {
        Clock::set(QDateTime(QDate(2026, 12, 7), QTime(10, 0)));
        m_data = std::make_unique<TestDatabase>();
    }
    void cleanup() { m_data.reset(); }

    void columnsFollowTheMainWindow()
    {
        m_data->addCheque({{ChequeTable::Date, QStringLiteral("1395/04/12")},
                           {ChequeTable::Amount, Longest},
                           {ChequeTable::Description, QStringLiteral("فروشگاه نور")}});
        MainWindow window(m_data->db());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.activate();
        auto* grid = control<DataGrid>(&window, "DataGrid1");
        const int dateColumn = columnOf(grid, ChequeTable::Date);
        const int amountColumn = columnOf(grid, ChequeTable::Amount);
        const int designedDate = grid->columnWidth(dateColumn);
        const int designedGrid = grid->width();
        QTRY_VERIFY(showsWhole(grid, 0, amountColumn));

        window.resize(1366, 768);
        QTRY_VERIFY(grid->width() > designedGrid);
        const double factor = double(grid->width()) / designedGrid;
        QVERIFY(qAbs(grid->columnWidth(dateColumn) - designedDate * factor) <= 1.0);
        QVERIFY(showsWhole(grid, 0, dateColumn));
        QTRY_VERIFY(showsWhole(grid, 0, amountColumn));
        // The hidden bank key stays hidden.
        QCOMPARE(grid->columnWidth(columnOf(grid, ChequeTable::BankKey)), 0);

        // A width the user drags at the large size is kept as its designed width.
        grid->horizontalHeader()->resizeSection(dateColumn, qRound(200 * factor));
        double twips = 0;
        QVERIFY(SettingsStore::readDouble(QStringLiteral("DataGird"), QString::number(dateColumn), twips));
        QVERIFY(qAbs(twips / 15.0 - 200) <= 1.0);
        window.resize(window.minimumSizeHint().expandedTo(QSize(1000, 700)));
        QTRY_VERIFY(grid->width() < qRound(designedGrid * factor));
        window.activate();
        const double now = double(grid->width()) / designedGrid;
        QVERIFY(qAbs(grid->columnWidth(dateColumn) - 200 * now) <= 1.5);
    }

    void aNarrowAmountColumnStillShowsFifteenDigits()
    {
        m_data->addCheque({{ChequeTable::Amount, Longest}});
        // A width stored narrow, as earlier versions let it be.
        QVERIFY(SettingsStore::write(QStringLiteral("DataGird"), QStringLiteral("5"), QStringLiteral("600")));
        MainWindow window(m_data->db());
        window.show();
        window.activate();
        auto* grid = control<DataGrid>(&window, "DataGrid1");
        const int amountColumn = columnOf(grid, ChequeTable::Amount);
        QCOMPARE(grid->model()->index(0, amountColumn).data().toString(), GroupedNumber(Longest));
        QTRY_VERIFY(showsWhole(grid, 0, amountColumn));
        // Dragged narrower, it comes back to the width of the amount.
        grid->horizontalHeader()->resizeSection(amountColumn, 30);
        QTRY_VERIFY(showsWhole(grid, 0, amountColumn));
    }

    // In a right-to-left list the slider stands where the part shown stands: at the right at
    // the start, at the left at the end, where the list shows its left-hand columns.
    void theScrollBarOfARightToLeftListMovesWithItsContent()
    {
        for (int i = 0; i < 3; ++i)
            m_data->addCheque({{ChequeTable::Amount, Longest}, {ChequeTable::Description, QString(80, QChar(0x0628))}});
        MainWindow window(m_data->db());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.activate();
        auto* grid = control<DataGrid>(&window, "DataGrid1");
        QScrollBar* bar = grid->horizontalScrollBar();
        QTRY_VERIFY(bar->maximum() > bar->minimum());
        QVERIFY(bar->isRightToLeft());
        const int first = 1; // the type, the first column shown
        const int y = bar->height() / 2;
        bar->setValue(bar->minimum());
        QVERIFY(grid->columnViewportPosition(first) > grid->viewport()->width() / 2);
        // At the start the slider stands at the right: a click at the left is beside it and pages
        // on towards the end (a slider drawn at the left would take the click and stay).
        QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 10, y));
        QVERIFY(bar->value() > bar->minimum());
        // The content moved with it: the first column went right, out of the view.
        bar->setValue(bar->maximum());
        QVERIFY(grid->columnViewportPosition(first) > grid->viewport()->width());
        QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() * 9 / 10, y));
        QVERIFY(bar->value() < bar->maximum());

        // And it is drawn there. The slider's colour is that of the middle of a bar that is
        // nearly all slider; at the start it shows at the right, at the end at the left.
        const int left = bar->width() / 10;
        const int right = bar->width() * 9 / 10;
        const auto colourAt = [bar, y](int x) { return bar->grab().toImage().pixelColor(x, y); };
        bar->setValue(bar->minimum());
        const QColor startLeft = colourAt(left);
        const QColor startRight = colourAt(right);
        QVERIFY(startLeft != startRight);
        const int page = bar->pageStep();
        bar->setPageStep(1000);
        const QColor slider = colourAt(bar->width() / 2);
        bar->setPageStep(page);
        QCOMPARE(startRight, slider);
        bar->setValue(bar->maximum());
        QCOMPARE(colourAt(left), slider);
    }

    // A cheque saved with its date untouched keeps "____/__/__"; the right-to-left list shows it
    // in that order, not mirrored as "__/__/____": the slashes stand right of the middle.
    void theEmptyDateReadsInItsOwnOrder()
    {
        m_data->addCheque({{ChequeTable::Date, QStringLiteral("____/__/__")}});
        MainWindow window(m_data->db());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.activate();
        auto* grid = control<DataGrid>(&window, "DataGrid1");
        QFont big = grid->font();
        big.setPixelSize(24);
        grid->setFont(big);
        grid->verticalHeader()->setDefaultSectionSize(40);
        const int column = columnOf(grid, ChequeTable::Date);
        grid->setColumnWidth(column, 260);
        grid->clearSelection();
        QCoreApplication::processEvents();
        const QRect cell = grid->visualRect(grid->model()->index(0, column)).adjusted(3, 3, -3, -3);
        const QImage shot = grid->viewport()->grab(cell).toImage();
        int left = shot.width();
        int right = 0;
        int lowest = 0;
        for (int x = 0; x < shot.width(); ++x)
            for (int y = 0; y < shot.height(); ++y)
                if (qGray(shot.pixel(x, y)) < 100) {
                    left = qMin(left, x);
                    right = qMax(right, x);
                    lowest = qMax(lowest, y);
                }
        // The slashes are the dark pixels well above the underscores.
        double sum = 0;
        int count = 0;
        for (int x = 0; x < shot.width(); ++x)
            for (int y = 0; y < lowest - 6; ++y)
                if (qGray(shot.pixel(x, y)) < 100) {
                    sum += x;
                    ++count;
                }
        QVERIFY(count > 0);
        QVERIFY2(sum / count > (left + right) / 2.0,
                 qPrintable(QStringLiteral("slashes at %1 in %2..%3").arg(sum / count).arg(left).arg(right)));
        // Still where the column has its dates: at its right.
        QVERIFY(right > shot.width() / 2);
    }

    void fifteenDigitsShowWholeInEveryList()
    {
        Database& db = m_data->db();
        qint64 bank = 0;
        TableWriter(db, BankTable::Name).insert({{BankTable::BankName, QStringLiteral("ملت")}}, &bank);
        TableWriter(db, ArchiveTable::Name).insert({{ArchiveTable::Amount, Longest}});
        TableWriter(db, LedgerTable::Name).insert({{LedgerTable::BankId, bank}, {LedgerTable::Debit, Longest}});
        TableWriter(db, ExpenseTable::Name).insert({{ExpenseTable::Amount, Longest}});

        ArchiveWindow archive(db);
        StatementWindow statement(db, bank, QStringLiteral("ملت"));
        ExpenseRegister expenses(db);
        const QList<QPair<QWidget*, QStringList>> lists = {
            {&archive, {ArchiveTable::Amount}},
            {&statement, {LedgerTable::Debit}},
            {&expenses, {ExpenseTable::Amount}},
        };
        for (const auto& [window, amounts] : lists) {
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
            auto* grid = control<DataGrid>(window, "DataGrid1");
            for (const QString& field : amounts) {
                const int column = columnOf(grid, field);
                QVERIFY2(column >= 0, qPrintable(window->objectName() + QLatin1Char(' ') + field));
                QCOMPARE(grid->model()->index(0, column).data().toString(), GroupedNumber(Longest));
                QTRY_VERIFY2(showsWhole(grid, 0, column), qPrintable(window->objectName()));
            }
            // Larger, with the resizer's larger font, still whole.
            window->resize(window->size() * 1.4);
            QTRY_VERIFY(grid->width() > 0);
            QCoreApplication::processEvents();
            for (const QString& field : amounts)
                QTRY_VERIFY2(showsWhole(grid, 0, columnOf(grid, field)), qPrintable(window->objectName()));
            window->hide();
        }
    }
};

QTEST_MAIN(TestListWidths)
#include "test_list_widths.moc"
