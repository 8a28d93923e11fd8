#include "calendar/jalali.h"
#include "data/clock.h"
#include "settings/settings_store.h"
#include "startup/reminder_window.h"
#include "testing.h"
#include "ui/messages.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

void setToday(const QString& jalali)
{
    const QStringList parts = jalali.split(QLatin1Char('/'));
    const QDate day = JalaliToDate(parts.at(0).toInt(), parts.at(1).toInt(), parts.at(2).toInt());
    QVERIFY(day.isValid());
    Clock::set(QDateTime(day, QTime(9, 0)));
}

void storeDayCount(const QString& days)
{
    QVERIFY(SettingsStore::write(QStringLiteral("Set"), QStringLiteral("4"), days));
}

} // namespace

class TestReminder : public QObject
{
    Q_OBJECT

private:
    TestEnvironment m_env;
    std::unique_ptr<TestDatabase> m_data;
    std::unique_ptr<Messages::MessageLog> m_log;

private slots:
    void initTestCase()
    {
        m_data = std::make_unique<TestDatabase>();
        // Around the turn of 1404 (a common year) and the leap day of 1403; only the date counts.
        const struct
        {
            const char* date;
            const char* status;
        } cheques[] = {
            {"1403/12/30", "----"},   {"1404/12/28", "----"},    {"1404/12/29", "----"},   {"1405/01/01", "----"},
            {"1405/01/01", "پاس شد"}, {"1405/01/01", "باطل شد"}, {"1405/01/02", "برگشتي"},
        };
        for (const auto& c : cheques)
            m_data->addCheque({{QStringLiteral("TCH"), QString::fromUtf8(c.date)},
                               {QStringLiteral("V"), QString::fromUtf8(c.status)},
                               {QStringLiteral("Mab"), 1000}});
    }

    void init()
    {
        QFile::remove(SettingsStore::filePath());
        m_log = std::make_unique<Messages::MessageLog>();
    }

    void cleanup()
    {
        QCOMPARE(m_log->unusedAnswers(), 0);
        m_log.reset();
        Clock::set(QDateTime());
    }

    void countsTheDayAhead_data()
    {
        QTest::addColumn<QString>("today");
        QTest::addColumn<QString>("days");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("daysShown");

        QTest::newRow("year rolls over, whatever the status") << "1404/12/29"
                                                              << "1" << 3 << "1";
        QTest::newRow("two days ahead") << "1404/12/29"
                                        << "2" << 1 << "2";
        QTest::newRow("day without cheques") << "1404/12/29"
                                             << "5" << 0 << "5";
        QTest::newRow("today and tomorrow are not counted") << "1404/12/28"
                                                            << "2" << 3 << "2";
        QTest::newRow("leap day of 1403") << "1403/12/29"
                                          << "1" << 1 << "1";
        QTest::newRow("empty count takes every cheque") << "1404/12/29"
                                                        << "" << 7 << "";
        QTest::newRow("count that is no number takes every cheque") << "1404/12/29"
                                                                    << "x" << 7 << "";
    }

    void countsTheDayAhead()
    {
        QFETCH(QString, today);
        QFETCH(QString, days);
        QFETCH(int, count);
        QFETCH(QString, daysShown);
        setToday(today);
        storeDayCount(days);

        ReminderWindow reminder(m_data->db());
        QCOMPARE(reminder.objectName(), QStringLiteral("Form6"));
        QCOMPARE(reminder.dueCount(), count);
        QCOMPARE(control<QLabel>(reminder, "Label2")->text(), QString::number(count));
        QCOMPARE(control<QLabel>(reminder, "Label5")->text(), daysShown);
        QVERIFY(m_log->shown().isEmpty());
    }

    void eachOpeningCountsAfresh()
    {
        setToday(QStringLiteral("1404/12/29"));
        storeDayCount(QStringLiteral("1"));
        {
            ReminderWindow reminder(m_data->db());
            QCOMPARE(reminder.dueCount(), 3);
        }
        const qint64 added = m_data->addCheque({{QStringLiteral("TCH"), QStringLiteral("1405/01/01")}});
        {
            ReminderWindow reminder(m_data->db());
            QCOMPARE(reminder.dueCount(), 4);
        }
        QVERIFY(TableWriter(m_data->db(), ChequeTable::Name).remove(added));
    }

    void backCloses()
    {
        ReminderWindow reminder(m_data->db());
        reminder.show();
        QSignalSpy finished(&reminder, &QDialog::finished);
        control<QPushButton>(reminder, "AeroButton1")->click();
        QCOMPARE(finished.count(), 1);
        QVERIFY(!reminder.isVisible());
    }

    void shownAtStartWhenAsked_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("wanted");
        QTest::newRow("1") << "1" << true;
        QTest::newRow("0") << "0" << false;
        QTest::newRow("first run") << "" << false;
        QTest::newRow("any other number") << "2" << false;
    }

    void shownAtStartWhenAsked()
    {
        QFETCH(QString, stored);
        QFETCH(bool, wanted);
        QVERIFY(SettingsStore::write(QStringLiteral("Set"), QStringLiteral("3"), stored));
        QCOMPARE(ReminderWindow::wantedAtStart(), wanted);

        QString opened;
        if (wanted)
            whenModal([&opened](QWidget* modal) {
                opened = modal->objectName();
                control<QPushButton>(modal, "AeroButton1")->click();
            });
        QCOMPARE(ReminderWindow::showAtStartIfWanted(m_data->db()), wanted);
        QCOMPARE(opened, wanted ? QStringLiteral("Form6") : QString());
    }
};

QTEST_MAIN(TestReminder)
#include "test_reminder.moc"
