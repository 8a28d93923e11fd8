#include "calendar/jalali.h"
#include "data/clock.h"
#include "ui/date_box.h"
#include "ui/jalali_picker.h"

#include "testing.h"

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

namespace {

const QString EmptyDate = QStringLiteral("____/__/__");

// One key event per character: QTest::keyClicks takes ASCII only.
void typeEach(QWidget* widget, const QString& text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

int enabledDays(const JalaliPicker& picker)
{
    int days = 0;
    for (const QToolButton* button : picker.findChildren<QToolButton*>())
        if (button->isCheckable() && button->isEnabled())
            ++days;
    return days;
}

} // namespace

class TestUi : public QObject
{
    Q_OBJECT

    TestEnvironment m_environment;

private slots:
    void initTestCase() { qApp->setLayoutDirection(Qt::RightToLeft); }

    void cleanup() { Clock::set(QDateTime()); }

    void emptyBoxShowsTheMask()
    {
        DateBox box;
        QCOMPARE(box.text(), EmptyDate);
        box.setText(QStringLiteral("1403/02/05"));
        QCOMPARE(box.text(), QStringLiteral("1403/02/05"));
        box.clear();
        QCOMPARE(box.text(), EmptyDate);
        box.setText(EmptyDate);
        QCOMPARE(box.text(), EmptyDate);
    }

    void typedTextIsKeptAsShown_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("half a date") << QStringLiteral("14030") << QStringLiteral("1403/0_/__");
        QTest::newRow("whole date") << QStringLiteral("14030915") << QStringLiteral("1403/09/15");
        QTest::newRow("Persian digits") << QStringLiteral("۱۴۰۵۰۹") << QStringLiteral("1405/09/__");
        QTest::newRow("Arabic-Indic digits") << QStringLiteral("١٤٠٣") << QStringLiteral("1403/__/__");
        QTest::newRow("letters refused") << QStringLiteral("1a4") << QStringLiteral("14__/__/__");
    }

    void typedTextIsKeptAsShown()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        DateBox box;
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QSignalSpy changes(&box, &DateBox::textChanged);
        box.edit()->setCursorPosition(0);
        typeEach(box.edit(), typed);
        QCOMPARE(box.text(), shown);
        QVERIFY(!changes.isEmpty());
        QCOMPARE(changes.last().at(0).toString(), shown);
        // The date reads left to right even in a right-to-left window.
        QCOMPARE(box.edit()->layoutDirection(), Qt::LeftToRight);
    }

    void enterIsReportedWhileTheDateIsIncomplete()
    {
        DateBox box;
        QSignalSpy returns(&box, &DateBox::returnPressed);
        box.setText(QStringLiteral("14"));
        QTest::keyClick(box.edit(), Qt::Key_Return);
        QCOMPARE(returns.size(), 1);
    }

    void pickingADayWritesAPaddedDate()
    {
        DateBox box;
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QSignalSpy picks(&box, &DateBox::datePicked);
        box.setText(QStringLiteral("1403/02/15"));
        box.showPicker();
        JalaliPicker* picker = box.picker();
        QVERIFY(picker->isVisible());
        QCOMPARE(picker->title(), JalaliMonthNames().at(1) + QStringLiteral(" 1403"));
        QCOMPARE(picker->day(), 15);
        QVERIFY(picker->dayButton(15)->isChecked());

        QTest::mouseClick(picker->dayButton(5), Qt::LeftButton);
        QCOMPARE(box.text(), QStringLiteral("1403/02/05"));
        QCOMPARE(picks.size(), 1);
        QCOMPARE(picks.at(0).at(0).toString(), QStringLiteral("1403/02/05"));
        QVERIFY(!picker->isVisible());
    }

    void pickerKeyboard()
    {
        DateBox box;
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        box.setText(QStringLiteral("1403/01/31"));
        box.showPicker();
        JalaliPicker* picker = box.picker();
        // Right to left: Left is the next day, Down the same weekday a week on.
        QTest::keyClick(picker, Qt::Key_Left);
        QCOMPARE(picker->dateText(), QStringLiteral("1403/02/01"));
        QTest::keyClick(picker, Qt::Key_Right);
        QTest::keyClick(picker, Qt::Key_Up);
        QCOMPARE(picker->dateText(), QStringLiteral("1403/01/24"));
        QTest::keyClick(picker, Qt::Key_Down);
        QTest::keyClick(picker, Qt::Key_Down);
        QCOMPARE(picker->dateText(), QStringLiteral("1403/02/07"));
        QTest::keyClick(picker, Qt::Key_Escape);
        QVERIFY(!picker->isVisible());
        QCOMPARE(box.text(), QStringLiteral("1403/01/31"));

        box.showPicker();
        QTest::keyClick(picker, Qt::Key_Left);
        QTest::keyClick(picker, Qt::Key_Return);
        QCOMPARE(box.text(), QStringLiteral("1403/02/01"));
    }

    void monthsAcrossTheYearEnd()
    {
        JalaliPicker picker;
        picker.setDate(1404, 12, 10);
        picker.showNextMonth();
        QCOMPARE(picker.year(), 1405);
        QCOMPARE(picker.month(), 1);
        QCOMPARE(picker.title(), JalaliMonthNames().at(0) + QStringLiteral(" 1405"));
        picker.showPreviousMonth();
        picker.showPreviousMonth();
        QCOMPARE(picker.dateText(), QStringLiteral("1404/11/10"));
    }

    void esfandLength_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<int>("days");
        QTest::newRow("leap 1403") << QStringLiteral("1403/12/01") << 30;
        QTest::newRow("common 1404") << QStringLiteral("1404/12/01") << 29;
        QTest::newRow("Farvardin") << QStringLiteral("1404/01/01") << 31;
        QTest::newRow("Mehr") << QStringLiteral("1404/07/01") << 30;
    }

    void esfandLength()
    {
        QFETCH(QString, date);
        QFETCH(int, days);
        JalaliPicker picker;
        picker.setDate(date);
        QCOMPARE(enabledDays(picker), days);
        QVERIFY(picker.dayButton(days) != nullptr);
        QVERIFY(picker.dayButton(days + 1) == nullptr);
    }

    void theDayStaysOrBecomesTheLastDayOfAShorterMonth()
    {
        JalaliPicker picker;
        picker.setDate(1403, 11, 30);
        picker.showNextMonth();
        QCOMPARE(picker.dateText(), QStringLiteral("1403/12/30"));
        picker.setDate(1404, 11, 30);
        picker.showNextMonth();
        QCOMPARE(picker.dateText(), QStringLiteral("1404/12/29"));
    }

    void weeksStartOnSaturdayFromTheRight()
    {
        JalaliPicker picker;
        // 1403/01/01 was a Wednesday, so the 3rd is a Friday and the 4th opens a week.
        picker.setDate(1403, 1, 1);
        picker.show();
        QVERIFY(QTest::qWaitForWindowExposed(&picker));
        const QRect wednesday = picker.dayButton(1)->geometry();
        const QRect friday = picker.dayButton(3)->geometry();
        const QRect saturday = picker.dayButton(4)->geometry();
        QCOMPARE(wednesday.y(), friday.y());
        QVERIFY(wednesday.x() > friday.x());
        QVERIFY(saturday.y() > friday.y());
        QVERIFY(saturday.x() > wednesday.x());
    }

    void todayIsMarkedAndAnUnreadableDateShowsItsMonth()
    {
        Clock::set(QDateTime(QDate(2025, 3, 20), QTime(9, 0)));
        JalaliPicker picker;
        picker.setDate(QStringLiteral("1403/__/__"));
        QCOMPARE(picker.dateText(), QStringLiteral("1403/12/30"));
        for (int day = 1; day <= 30; ++day)
            QCOMPARE(picker.dayButton(day)->property("today").toBool(), day == 30);
        QVERIFY(picker.dayButton(30)->font().bold());

        picker.setDate(1404, 1, 1);
        for (int day = 1; day <= 31; ++day)
            QVERIFY(!picker.dayButton(day)->property("today").toBool());

        picker.setDate(1404, 12, 30); // no such day
        QCOMPARE(picker.dateText(), QStringLiteral("1403/12/30"));
    }
};

QTEST_MAIN(TestUi)
#include "test_ui.moc"
