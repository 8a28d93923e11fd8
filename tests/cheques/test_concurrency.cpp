// Two PCs on one register: each is a Database of its own on the same file or server database.
#include "cheque_fixtures.h"
#include "cheques/main_window.h"
#include "data/cheque_queries.h"
#include "data/cheque_status.h"
#include "data/clock.h"
#include "data/data_control.h"
#include "testing.h"
#include "ui/messages.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include <thread>

using namespace Fixtures;

namespace {

// The second PC's connection to the register of data.
std::unique_ptr<Database> secondPc(TestDatabase& data)
{
    auto pc = std::make_unique<Database>(data.dir(), data.location());
    if (pc->open() != Database::OpenResult::Opened)
        qFatal("the second PC does not open the register: %s", qPrintable(pc->errorText()));
    return pc;
}

// A list of every cheque on database, with its first row current.
std::unique_ptr<DataControl> listOn(Database& database)
{
    auto list = std::make_unique<DataControl>(database);
    list->setRecordSource(ChequeQueries::byDate());
    list->setTotal(ChequeTable::Amount);
    if (!list->refresh())
        qFatal("the list does not read: %s", qPrintable(list->errorText()));
    return list;
}

int count(Database& database, const QString& sql)
{
    return scalar(database, sql).toInt();
}

} // namespace

class TestConcurrency : public QObject
{
    Q_OBJECT

private:
    TestEnvironment m_env;

private slots:
    void init() { Clock::set(QDateTime(QDate(2026, 12, 7), QTime(10, 0))); }

    // Both PCs were shown the cheque unpassed; the one that comes second writes nothing.
    void aChequePassedOnTwoPcsIsPassedOnce()
    {
        TestDatabase data;
        data.addCheque(cheque(QStringLiteral("1405/02/03"), QStringLiteral("کالا"), 125000000000000LL, Paid));
        auto pc = secondPc(data);
        auto first = listOn(data.db());
        auto second = listOn(*pc);
        const ShownRow seenFirst = first->shownRow();
        const ShownRow seenSecond = second->shownRow();

        QString error;
        bool posted = false;
        QVERIFY2(ChequeStatus::pass(data.db(), seenFirst, &error, &posted), qPrintable(error));
        QVERIFY(posted);
        QVERIFY(!ChequeStatus::pass(*pc, seenSecond, &error, &posted));
        QVERIFY(!posted);
        QVERIFY2(error.contains(QStringLiteral("در رایانه دیگری تغییر کرده است")), qPrintable(error));
        // Nor can it void it, archive it or set it back.
        QVERIFY(!ChequeStatus::setStatus(*pc, seenSecond, ChequeStatus::Voided, &error));
        QVERIFY(!ChequeStatus::moveToArchive(*pc, seenSecond, &error));
        QVERIFY(!ChequeStatus::copyToArchive(*pc, seenSecond, true, &error));
        QCOMPARE(scalar(data.db(), QStringLiteral("SELECT V FROM T1")).toString(), ChequeStatus::Passed);
        QCOMPARE(count(data.db(), QStringLiteral("SELECT COUNT(*) FROM T4")), 1);
        QCOMPARE(count(data.db(), QStringLiteral("SELECT COUNT(*) FROM T2")), 0);

        // Archived by the first PC, the cheque is gone for the second, which is told so.
        QVERIFY2(
            ChequeStatus::moveToArchive(data.db(), seenFirst.with(ChequeTable::Status, ChequeStatus::Passed), &error),
            qPrintable(error));
        QVERIFY(!ChequeStatus::setStatus(*pc, seenSecond, ChequeStatus::Initial, &error));
        QVERIFY2(error.contains(QStringLiteral("حذف یا بایگانی شده است")), qPrintable(error));
        QCOMPARE(count(data.db(), QStringLiteral("SELECT COUNT(*) FROM T2")), 1);
    }

    // The second pass starts while the first is still inside its transaction.
    void passesAtTheSameMomentGiveOneLedgerLine()
    {
        TestDatabase data;
        data.addCheque(cheque(QStringLiteral("1405/02/03"), QStringLiteral("کالا"), 1000, Received));
        auto first = listOn(data.db());
        const ShownRow seen = first->shownRow();
        bool secondPassed = true;
        QString secondError;
        QString error;
        std::thread other;
        QVERIFY(data.db().inTransaction([&] {
            if (!ChequeStatus::setStatus(data.db(), seen, ChequeStatus::Passed, &error))
                return false;
            // The other PC, on a thread and a connection of its own, meets this open transaction.
            other = std::thread([&] {
                auto pc = secondPc(data);
                secondPassed = ChequeStatus::pass(*pc, seen, &secondError);
            });
            QThread::msleep(300);
            TableWriter ledger(data.db(), LedgerTable::Name);
            return ledger.insert({{LedgerTable::Credit, 1000}});
        }));
        other.join();
        QVERIFY(!secondPassed);
        QCOMPARE(count(data.db(), QStringLiteral("SELECT COUNT(*) FROM T4")), 1);
        QCOMPARE(scalar(data.db(), QStringLiteral("SELECT V FROM T1")).toString(), ChequeStatus::Passed);
        // The local file turns the second writer away while the first holds it; the server lets
        // it wait and then finds the cheque changed.
        if (testsOnServer())
            QVERIFY2(secondError.contains(QStringLiteral("در رایانه دیگری تغییر کرده است")), qPrintable(secondError));
    }

    void anEditOrDeleteOfAChequeChangedOrRemovedElsewhereIsRefused()
    {
        TestDatabase data;
        data.addCheque(cheque(QStringLiteral("1405/02/03"), QStringLiteral("کالا"), 1000));
        data.addCheque(cheque(QStringLiteral("1405/02/04"), QStringLiteral("اجاره"), 2000));
        auto pc = secondPc(data);
        auto first = listOn(data.db());
        auto second = listOn(*pc);

        // Changed on the first PC: the second one's edit and delete are refused, and say why.
        QVERIFY(first->updateCurrent({{ChequeTable::Amount, 1500}}));
        QVERIFY(!second->updateCurrent({{ChequeTable::Description, QStringLiteral("کالای دیگر")}}));
        QVERIFY(second->changedMeanwhile());
        QCOMPARE(second->errorText(), TableWriter::ChangedMeanwhile);
        QVERIFY(!second->deleteCurrent());
        QCOMPARE(second->errorText(), TableWriter::ChangedMeanwhile);
        QCOMPARE(scalar(data.db(), QStringLiteral("SELECT SH FROM T1 WHERE Mab = 1500")).toString(),
                 QStringLiteral("کالا"));

        // Read again, the second PC edits what it now sees.
        QVERIFY(second->reread());
        QVERIFY2(second->updateCurrent({{ChequeTable::Description, QStringLiteral("کالای دیگر")}}),
                 qPrintable(second->errorText()));
        QVERIFY(!second->changedMeanwhile());

        // Deleted on the first PC: the second one's edit is refused as a removal.
        first->setCurrentRow(1);
        second->setCurrentRow(1);
        QVERIFY(first->deleteCurrent());
        QVERIFY(!second->updateCurrent({{ChequeTable::Amount, 9}}));
        QCOMPARE(second->errorText(), TableWriter::RemovedMeanwhile);
        QCOMPARE(count(data.db(), QStringLiteral("SELECT COUNT(*) FROM T1")), 1);
    }

    // A cheque added on one PC shows in the other's open list within two seconds, without a
    // click, and the row selected there stays selected.
    void aChangeOnOnePcShowsInTheOthersList()
    {
        TestDatabase data;
        data.addCheque(cheque(QStringLiteral("1405/02/03"), QStringLiteral("الف"), 1000));
        data.addCheque(cheque(QStringLiteral("1405/02/05"), QStringLiteral("ب"), 2000));
        auto pc = secondPc(data);
        MainWindow window(*pc);
        window.show();
        window.activate();
        auto* list = window.findChild<DataControl*>();
        QVERIFY(list);
        auto* figure = control<QLabel>(window, "Label6");
        QCOMPARE(figure->text(), QStringLiteral("2"));
        list->setCurrentRow(1);
        const qint64 selected = list->currentId();

        // An earlier cheque comes before the selected one in the list's date order.
        data.addCheque(cheque(QStringLiteral("1405/01/01"), QStringLiteral("ج"), 4000));
        QTRY_COMPARE_WITH_TIMEOUT(figure->text(), QStringLiteral("3"), 2000);
        QCOMPARE(list->currentId(), selected);
        QCOMPARE(list->currentRow(), 2);
        QCOMPARE(list->total(), 7000.0);

        // While a dialog of another window is open on the second PC (a question about the
        // selected cheque), its list stays as it was shown.
        QDialog question(&window);
        whenModal([&](QWidget* box) {
            data.addCheque(cheque(QStringLiteral("1405/01/02"), QStringLiteral("د"), 8000));
            QTest::qWait(1500);
            QCOMPARE(figure->text(), QStringLiteral("3"));
            Modal::close(box);
        });
        question.exec();
        QTRY_COMPARE_WITH_TIMEOUT(figure->text(), QStringLiteral("4"), 2000);
        QCOMPARE(list->currentId(), selected);
    }

    // The second PC's window: told in Persian, nothing written, and its list shows the cheque as
    // it is now.
    void theSecondPcsWindowSaysTheChequeWasChanged()
    {
        TestDatabase data;
        data.addCheque(cheque(QStringLiteral("1405/02/03"), QStringLiteral("کالا"), 1000, Received));
        auto pc = secondPc(data);
        MainWindow window(*pc);
        window.show();
        window.activate();
        auto first = listOn(data.db());
        QString error;
        QVERIFY(ChequeStatus::pass(data.db(), first->shownRow(), &error));

        Messages::MessageLog log;
        log.answer(true);
        control<QPushButton>(window, "AeroButton9")->click();
        QCOMPARE(log.shown().size(), 2);
        QVERIFY2(log.lastText().contains(QStringLiteral("در رایانه دیگری تغییر کرده است")), qPrintable(log.lastText()));
        QCOMPARE(log.shown().last().icon, Messages::Icon::Critical);
        QCOMPARE(count(data.db(), QStringLiteral("SELECT COUNT(*) FROM T4")), 1);
        QCOMPARE(window.findChild<DataControl*>()->value(ChequeTable::Status).toString(), ChequeStatus::Passed);
    }

    void aLostServerIsReportedAndFoundAgain()
    {
        if (!testsOnServer())
            QSKIP("the local file is never lost");
        TestDatabase data;
        data.addCheque(cheque(QStringLiteral("1405/02/03"), QStringLiteral("الف"), 1000));
        ChangeWatcher& watcher = data.db().changes();
        QSignalSpy lost(&watcher, &ChangeWatcher::lost);
        QSignalSpy back(&watcher, &ChangeWatcher::reconnected);
        // The server ends this PC's connection, as it does when it restarts.
        QVERIFY(scalar(data.db(), QStringLiteral("SELECT pg_backend_pid()")).isValid());
        QVERIFY(scalar(data.db(), QStringLiteral("SELECT pg_backend_pid()")).isValid());
        const QString pid = scalar(data.db(), QStringLiteral("SELECT pg_backend_pid()")).toString();
        auto killer = secondPc(data);
        QVERIFY(scalar(*killer, QStringLiteral("SELECT pg_terminate_backend(") + pid + QStringLiteral(")")).toBool());
        watcher.look();
        QCOMPARE(lost.count(), 1);
        QVERIFY(lost.first().first().toString().contains(QStringLiteral("قطع شد")));
        QVERIFY(watcher.connectionLost());
        watcher.look();
        QCOMPARE(back.count(), 1);
        QVERIFY(!watcher.connectionLost());
        QCOMPARE(count(data.db(), QStringLiteral("SELECT COUNT(*) FROM T1")), 1);
    }
};

QTEST_MAIN(TestConcurrency)
#include "test_concurrency.moc"
