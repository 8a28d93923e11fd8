#include "cheque_fixtures.h"
#include "cheques/main_window.h"
#include "data/cheque_status.h"
#include "data/clock.h"
#include "numtype.h"
#include "testing.h"
#include "ui/messages.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSqlError>
#include <QSqlRecord>
#include <QTableView>
#include <QtTest>

namespace {

const QString PassQuestion = QStringLiteral(" .چک زير با مشخصات ذکر شده پاس شود ");
const QString ArchiveQuestion = QStringLiteral("آيا مايل هستيد چک مورد نظر از ليست حذف و به ليست بايگاني اظافه شود ؟ ");

QStringList texts(const Messages::MessageLog& log)
{
    QStringList all;
    for (const Messages::Shown& shown : log.shown())
        all << shown.text;
    return all;
}

} // namespace

class TestStatus : public QObject
{
    Q_OBJECT

private:
    TestEnvironment m_env;
    std::unique_ptr<TestDatabase> m_data;
    std::unique_ptr<MainWindow> m_window;

    void open()
    {
        m_window = std::make_unique<MainWindow>(m_data->db());
        m_window->show();
        m_window->activate();
    }
    void click(const char* name) { control<QPushButton>(m_window.get(), name)->click(); }
    int rows(const char* table)
    {
        return scalar(m_data->db(), QStringLiteral("SELECT COUNT(*) FROM ") + table).toInt();
    }
    QVariant first(const QString& sql) { return scalar(m_data->db(), sql); }
    int listed() { return control<QLabel>(m_window.get(), "Label6")->text().toInt(); }
    double total() { return control<NumType>(m_window.get(), "NumType1")->value(); }

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

    void passPostsTheLineOfItsType_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("other");
        QTest::addColumn<QString>("text");
        QTest::newRow("received") << Received << "bes"
                                  << "bed" << QStringLiteral("بابت چک ، اضافه     :کالا");
        QTest::newRow("paid") << Paid << "bed"
                              << "bes" << QStringLiteral("بابت چک ،کسر     :کالا");
        QTest::newRow("padded type") << (QStringLiteral("  ") + Paid + QStringLiteral(" ")) << "bed"
                                     << "bes" << QStringLiteral("بابت چک ،کسر     :کالا");
    }
    void passPostsTheLineOfItsType()
    {
        QFETCH(QString, type);
        QFETCH(QString, column);
        QFETCH(QString, other);
        QFETCH(QString, text);
        m_data->addCheque(with(
            with(cheque(QStringLiteral("1405/02/03"), QStringLiteral("کالا"), 250000, type), QStringLiteral("PD"), 2),
            QStringLiteral("Shh"), QStringLiteral("یادداشت")));
        open();
        Messages::MessageLog log;
        log.answer(true);  // pass
        log.answer(false); // keep it in the list
        click("AeroButton9");
        QCOMPARE(log.shown().size(), 2);
        QCOMPARE(log.shown().at(0).title, QStringLiteral("کالا"));
        QCOMPARE(log.shown().at(0).text, QStringLiteral(" .چک زير با مشخصات ذکر شده پاس شود "));
        QCOMPARE(log.shown().at(1).text, ArchiveQuestion);
        QCOMPARE(first(QStringLiteral("SELECT V FROM T1")).toString(), ChequeStatus::Passed);
        QCOMPARE(rows("T4"), 1);
        QSqlQuery line(m_data->db().connection());
        QVERIFY(line.exec(QStringLiteral("SELECT * FROM T4")) && line.next());
        QCOMPARE(line.value(QStringLiteral("ID")).toInt(), 2);
        QCOMPARE(line.value(QStringLiteral("Date")).toString(), QStringLiteral("1405/02/03"));
        QCOMPARE(line.value(column).toDouble(), 250000.0);
        QVERIFY(line.value(other).isNull());
        QVERIFY(line.value(QStringLiteral("sum")).isNull());
        QCOMPARE(line.value(QStringLiteral("shomreh")).toString(), text);
        // No to the archive question: the cheque stays, showing its new status.
        QCOMPARE(listed(), 1);
        QCOMPARE(m_window->cheques().value(QStringLiteral("V")).toString(), ChequeStatus::Passed);
    }

    void passingTwiceAndResettingKeepLedgerLines()
    {
        m_data->addCheque(cheque(QStringLiteral("1405/02/03"), QStringLiteral("کالا"), 1000, Paid));
        open();
        Messages::MessageLog log;
        for (bool answer : {true, false, true, false, true})
            log.answer(answer);
        click("AeroButton9");
        click("AeroButton9");
        click("AeroButton7");
        QCOMPARE(log.unusedAnswers(), 0);
        QCOMPARE(texts(log), (QStringList{PassQuestion, ArchiveQuestion, PassQuestion, ArchiveQuestion,
                                          QStringLiteral("  .چک مورد نظر به حالت اوليه برگردد ")}));
        QCOMPARE(log.shown().last().text, QStringLiteral("  .چک مورد نظر به حالت اوليه برگردد "));
        QCOMPARE(rows("T4"), 2);
        QCOMPARE(first(QStringLiteral("SELECT V FROM T1")).toString(), ChequeStatus::Initial);
    }

    void passWithoutAKnownTypePostsNothing()
    {
        m_data->addCheque(cheque(QStringLiteral("1405/02/03"), QStringLiteral("کالا"), 1000, QStringLiteral("نوع چک")));
        open();
        Messages::MessageLog log;
        log.answer(true);
        log.answer(false);
        click("AeroButton9");
        QCOMPARE(texts(log), (QStringList{PassQuestion, ArchiveQuestion}));
        QCOMPARE(first(QStringLiteral("SELECT V FROM T1")).toString(), ChequeStatus::Passed);
        QCOMPARE(rows("T4"), 0);
    }

    void voidAndArchiveMovesTheChequeWithItsTypeAndStatus()
    {
        m_data->addCheque(cheque(QStringLiteral("1405/01/01"), QStringLiteral("ماند"), 700));
        m_data->addCheque(with(cheque(QStringLiteral("1405/02/03"), QStringLiteral("کالا"), 1000, Paid),
                               QStringLiteral("Shh"), QStringLiteral("یادداشت")));
        open();
        m_window->cheques().setCurrentRow(1);
        Messages::MessageLog log;
        log.answer(true);
        log.answer(true);
        click("AeroButton8");
        QCOMPARE(log.shown().at(0).text, QStringLiteral(" .چک زير با مشخصات ذکر شده باطل شود "));
        QCOMPARE(log.lastText(), QStringLiteral(" .عمليات با موفق انجام شد "));
        QCOMPARE(rows("T1"), 1);
        QCOMPARE(listed(), 1);
        QCOMPARE(total(), 700.0);
        QCOMPARE(rows("T4"), 0);
        QSqlQuery archived(m_data->db().connection());
        QVERIFY(archived.exec(QStringLiteral("SELECT * FROM T2")) && archived.next());
        QCOMPARE(archived.value(QStringLiteral("V")).toString(), ChequeStatus::Voided);
        QCOMPARE(archived.value(QStringLiteral("prd")).toString(), Paid);
        QCOMPARE(archived.value(QStringLiteral("Name")).toString(), QStringLiteral("کالا"));
        QCOMPARE(archived.value(QStringLiteral("MB")).toDouble(), 1000.0);
        // The archive has no place for the remarks or the entry date.
        QVERIFY(archived.record().indexOf(QStringLiteral("Shh")) < 0);
        QVERIFY(archived.record().indexOf(QStringLiteral("TV")) < 0);
    }

    void aFailedArchiveCopyLeavesTheChequeInTheList()
    {
        m_data->addCheque(cheque(QStringLiteral("1405/02/03"), QStringLiteral("کالا"), 1000, Received));
        QVERIFY(refuseInserts(m_data->db(), QStringLiteral("T2"), QStringLiteral("archive is read-only")));
        open();
        Messages::MessageLog log;
        log.answer(true);
        log.answer(true);
        click("AeroButton9");
        QCOMPARE(log.shown().size(), 3);
        QCOMPARE(log.shown().at(0).text, PassQuestion);
        QCOMPARE(log.shown().at(1).text, ArchiveQuestion);
        QCOMPARE(rows("T1"), 1);
        QCOMPARE(rows("T2"), 0);
        QCOMPARE(listed(), 1);
        // The pass itself was done and stays done; only the move is reported as not done.
        QCOMPARE(first(QStringLiteral("SELECT V FROM T1")).toString(), ChequeStatus::Passed);
        QCOMPARE(rows("T4"), 1);
        QCOMPARE(log.shown().last().icon, Messages::Icon::Critical);
        QVERIFY(log.lastText().contains(QStringLiteral("archive is read-only")));
        for (const auto& shown : log.shown())
            QVERIFY(!shown.text.contains(QStringLiteral("موفق")));
    }

    void aFailedLedgerLineLeavesTheChequeUnpassed()
    {
        m_data->addCheque(cheque(QStringLiteral("1405/02/03"), QStringLiteral("کالا"), 1000, Received));
        QVERIFY(refuseInserts(m_data->db(), QStringLiteral("T4"), QStringLiteral("ledger is read-only")));
        open();
        Messages::MessageLog log;
        log.answer(true);
        click("AeroButton9");
        QCOMPARE(first(QStringLiteral("SELECT V FROM T1")).toString(), ChequeStatus::Initial);
        QCOMPARE(rows("T4"), 0);
        QCOMPARE(log.shown().size(), 2); // the question, then the failure; no archive question
        QCOMPARE(log.shown().first().text, PassQuestion);
        QCOMPARE(log.shown().last().icon, Messages::Icon::Critical);
    }

    void emptyListDoesNothing()
    {
        open();
        Messages::MessageLog log;
        for (const char* name : {"AeroButton9", "AeroButton8", "AeroButton7"})
            click(name);
        QVERIFY(log.shown().isEmpty());
        auto* text = control<QLineEdit>(m_window.get(), "Text3");
        text->setText(QStringLiteral("x"));
        click("Command1");
        QVERIFY(text->text().isEmpty());
        QCOMPARE(rows("T1"), 0);
    }

    void customStatusIsTrimmedAndClosesItsPanel()
    {
        m_data->addCheque(cheque(QStringLiteral("1405/02/03"), QStringLiteral("کالا"), 1000));
        open();
        click("AeroButton13");
        click("AeroButton11");
        auto* text = control<QLineEdit>(m_window.get(), "Text3");
        text->setText(QStringLiteral("  برگشتي "));
        click("Command1");
        QCOMPARE(first(QStringLiteral("SELECT V FROM T1")).toString(), QStringLiteral("برگشتي"));
        QVERIFY(text->text().isEmpty());
        QVERIFY(!control<QGroupBox>(m_window.get(), "AeroGroupBox3")->isVisible());
        QVERIFY(control<QGroupBox>(m_window.get(), "AeroGroupBox4")->isVisible());
    }

    void customStatusEndsWithEnter()
    {
        m_data->addCheque(cheque(QStringLiteral("1405/02/03"), QStringLiteral("کالا"), 1000));
        open();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        auto enterOn = [this](const char* name) {
            auto* push = control<QPushButton>(m_window.get(), name);
            push->setFocus(Qt::TabFocusReason);
            QTest::keyClick(push, Qt::Key_Return);
        };
        enterOn("AeroButton13");
        QVERIFY(control<QGroupBox>(m_window.get(), "AeroGroupBox4")->isVisible());
        enterOn("AeroButton11");
        auto* text = control<QLineEdit>(m_window.get(), "Text3");
        QTRY_VERIFY(text->hasFocus());
        for (const QChar c : QStringLiteral("نزد وکيل"))
            QTest::sendKeyEvent(QTest::Click, text, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QTest::keyClick(text, Qt::Key_Return);
        auto* store = control<QPushButton>(m_window.get(), "Command1");
        QVERIFY(store->hasFocus());
        QTest::keyClick(store, Qt::Key_Return);
        QCOMPARE(first(QStringLiteral("SELECT V FROM T1")).toString(), QStringLiteral("نزد وکيل"));
        QVERIFY(!control<QGroupBox>(m_window.get(), "AeroGroupBox3")->isVisible());
    }

    void theSelectionStaysOnTheSameCheque_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("sort");
        for (const char* sort : {"Tch", "v"}) {
            for (const char* operation : {"pass", "void", "reset", "custom"})
                QTest::addRow("%s, sorted by %s", operation, sort) << operation << sort;
        }
    }

    void theSelectionStaysOnTheSameCheque()
    {
        QFETCH(QString, operation);
        QFETCH(QString, sort);
        // Statuses that a change moves across in a list sorted by status: "----" sorts first,
        // Persian words after it.
        QList<qint64> ids;
        for (int i = 0; i < 4; ++i) {
            Fields fields = cheque(QStringLiteral("1405/02/0%1").arg(i + 1), QStringLiteral("کالا %1").arg(i), 1000);
            fields = with(fields, ChequeTable::Status, i % 2 ? QStringLiteral("پاس شد") : ChequeStatus::Initial);
            ids << m_data->addCheque(fields);
        }
        open();
        DataControl& list = m_window->cheques();
        QVERIFY(list.setSort(sort));
        // The cheque at the far end from where its new status sorts.
        const qint64 chosen = operation == QLatin1String("reset") ? ids.at(3) : ids.at(0);
        int row = -1;
        for (int r = 0; r < list.recordCount(); ++r)
            if (list.model()->rowId(r) == chosen)
                row = r;
        list.setCurrentRow(row);

        Messages::MessageLog log;
        if (operation == QLatin1String("pass") || operation == QLatin1String("void")) {
            log.answer(true);
            log.answer(false); // not to the archive
            click(operation == QLatin1String("pass") ? "AeroButton9" : "AeroButton8");
        } else if (operation == QLatin1String("reset")) {
            log.answer(true);
            click("AeroButton7");
        } else {
            click("AeroButton13");
            click("AeroButton11");
            control<QLineEdit>(m_window.get(), "Text3")->setText(QStringLiteral("ي برگشتي"));
            click("Command1");
        }
        QCOMPARE(list.currentId(), chosen);
        auto* grid = control<QTableView>(m_window.get(), "DataGrid1");
        QCOMPARE(grid->currentIndex().row(), list.currentRow());
        QCOMPARE(list.sort(), sort);
    }

    void panelsOverTheListAreOpaque()
    {
        for (int i = 0; i < 40; ++i)
            m_data->addCheque(cheque(QStringLiteral("1405/02/03"), QStringLiteral("كالاي شماره %1").arg(i), 1000));
        open();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        auto* grid = control<QWidget>(m_window.get(), "DataGrid1");
        for (const char* name : {"AeroGroupBox4", "AeroGroupBox3", "AeroGroupBox2"}) {
            auto* panel = control<QGroupBox>(m_window.get(), name);
            panel->show();
            // What a panel shows at a blank place of its own is the panel, not a row under it.
            const QImage shot = m_window->grab().toImage();
            const QPoint inside = panel->mapTo(m_window.get(), QPoint(4, panel->height() - 4));
            QVERIFY2(grid->geometry().contains(grid->parentWidget()->mapFrom(m_window.get(), inside)), name);
            const QColor seen = shot.pixelColor(inside);
            QCOMPARE(seen, panel->grab().toImage().pixelColor(QPoint(4, panel->height() - 4)));
            QVERIFY(seen != grid->palette().color(QPalette::Base));
            QVERIFY(seen != grid->palette().color(QPalette::AlternateBase));
            panel->hide();
        }
    }

    void closingWithoutABackupReturnsToTheMainWindow()
    {
        open();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        // Escape, then the close box of the backup window.
        whenModal([](QWidget* backup) { QTest::keyClick(backup, Qt::Key_Escape); }, QStringLiteral("frmdbsave"));
        m_window->close();
        QVERIFY(m_window->isVisible());
        whenModal([](QWidget* backup) { backup->close(); }, QStringLiteral("frmdbsave"));
        m_window->close();
        QVERIFY(m_window->isVisible());
        // The program goes on: the window's buttons still open their windows.
        whenModal([](QWidget* entry) { Modal::close(entry); }, QStringLiteral("Form2"));
        click("AeroButton1");
        QVERIFY(Modal::pending().isEmpty());
    }

    void listMenuCopiesToTheArchiveWithoutTheType()
    {
        Messages::MessageLog log;
        open();
        auto* bay = control<QAction>(m_window.get(), "Bay");
        bay->trigger();
        QCOMPARE(log.lastText(),
                 QStringLiteral(".اطلاعاتي جهت انتقال به ليست بايگاني در بانک اطلاعاتي موجود نمي باشد "));
        QCOMPARE(rows("T2"), 0);

        m_data->addCheque(cheque(QStringLiteral("1405/02/03"), QStringLiteral("کالا"), 1000, Paid));
        m_window->activate();
        m_window->cheques().refresh();
        log.clear();
        for (bool answer : {true, true, false})
            log.answer(answer);
        bay->trigger();
        bay->trigger();
        bay->trigger();
        QCOMPARE(log.shown().at(0).text, QStringLiteral(" آيا مايل هستيد چک مورد نظر به ليست بايگاني اضافه شود . "));
        QCOMPARE(log.shown().at(1).text, QStringLiteral("به ليست بايگاني اضافه شد"));
        QCOMPARE(rows("T2"), 2);
        QCOMPARE(rows("T1"), 1);
        QCOMPARE(first(QStringLiteral("SELECT COUNT(DISTINCT Date || Name || MB || NB || SHCH || V) FROM T2")).toInt(),
                 1);
        QCOMPARE(first(QStringLiteral("SELECT COUNT(*) FROM T2 WHERE prd IS NULL")).toInt(), 2);
    }
};

QTEST_MAIN(TestStatus)
#include "test_status.moc"
