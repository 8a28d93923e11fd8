// One cheque from the bank it is drawn on to the archive and the bank's statement,
// through the windows a user opens for it.
#include "cheque_fixtures.h"
#include "cheques/archive_window.h"
#include "cheques/main_window.h"
#include "data/clock.h"
#include "testing.h"
#include "ui/messages.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

class TestChequeRoad : public QObject
{
    Q_OBJECT

private:
    TestEnvironment m_env;

private slots:
    void aReceivedChequeFromBankToArchiveAndStatement()
    {
        Clock::set(QDateTime(QDate(2026, 12, 7), QTime(10, 0)));
        TestDatabase data;
        MainWindow window(data.db());
        window.show();
        window.activate();
        Messages::MessageLog log;

        // A bank account.
        whenModal(
            [](QWidget* banks) {
                control<QPushButton>(banks, "AeroButton1")->click();
                control<QLineEdit>(banks, "Text1")->setText(QStringLiteral("ملت"));
                control<QPushButton>(banks, "AeroButton4")->click();
                control<QPushButton>(banks, "AeroButton9")->click();
            },
            QStringLiteral("Form9"));
        control<QPushButton>(&window, "AeroButton6")->click();
        const qint64 bank = scalar(data.db(), QStringLiteral("SELECT Id FROM T3")).toLongLong();
        QVERIFY(bank > 0);
        QCOMPARE(log.shown().size(), 1);
        QCOMPARE(log.lastText(), QStringLiteral("ثبت شد"));

        // A received cheque on it, and one that stays.
        data.addCheque(with(cheque(QStringLiteral("1405/10/01"), QStringLiteral("شرکت البرز"), 2500000, Received),
                            QStringLiteral("PD"), bank));
        data.addCheque(cheque(QStringLiteral("1405/11/01"), QStringLiteral("اجاره"), 400000, Paid));
        window.cheques().refresh();
        window.activate();
        QCOMPARE(control<QLabel>(&window, "Label6")->text(), QStringLiteral("2"));

        // Passed and moved to the archive.
        window.cheques().setCurrentRow(0);
        control<QPushButton>(&window, "AeroButton13")->click();
        log.answer(true);
        log.answer(true);
        control<QPushButton>(&window, "AeroButton9")->click();
        QCOMPARE(log.shown().size(), 4);
        QCOMPARE(log.shown().at(1).text, QStringLiteral(" .چک زير با مشخصات ذکر شده پاس شود "));
        QCOMPARE(log.shown().at(2).text,
                 QStringLiteral("آيا مايل هستيد چک مورد نظر از ليست حذف و به ليست بايگاني اظافه شود ؟ "));
        QCOMPARE(log.lastText(), QStringLiteral(" .عمليات با موفق انجام شد "));
        QCOMPARE(control<QLabel>(&window, "Label6")->text(), QStringLiteral("1"));

        // The archive lists it with its status and type.
        int archived = -1;
        QString status;
        whenModal(
            [&](QWidget* archive) {
                auto& list = static_cast<ArchiveWindow*>(archive)->archive();
                archived = list.recordCount();
                list.setCurrentRow(0);
                status = list.value(QStringLiteral("V")).toString() + QLatin1Char('/') +
                         list.value(QStringLiteral("prd")).toString();
                control<QPushButton>(archive, "AeroButton1")->click();
            },
            QStringLiteral("Form8"));
        control<QPushButton>(&window, "AeroButton4")->click();
        QCOMPARE(archived, 1);
        QCOMPARE(status, QStringLiteral("پاس شد/") + Received);

        // The bank's statement shows the credit and the balance.
        QString balance;
        int lines = -1;
        whenModal(
            [&](QWidget* banks) {
                auto* grid = control<QTableView>(banks, "DataGrid1");
                grid->setCurrentIndex(grid->model()->index(0, 1));
                whenModal(
                    [&](QWidget* statement) {
                        balance = control<QLineEdit>(statement, "Text1")->text();
                        lines = control<QTableView>(statement, "DataGrid1")->model()->rowCount();
                        statement->close();
                    },
                    QStringLiteral("Form10"));
                control<QPushButton>(banks, "AeroButton8")->click();
                control<QPushButton>(banks, "AeroButton9")->click();
            },
            QStringLiteral("Form9"));
        control<QPushButton>(&window, "AeroButton6")->click();
        QCOMPARE(lines, 1);
        QCOMPARE(balance, QStringLiteral("2,500,000"));
    }
};

QTEST_MAIN(TestChequeRoad)
#include "test_cheque_road.moc"
