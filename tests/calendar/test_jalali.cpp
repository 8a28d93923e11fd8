#include "calendar/jalali.h"

#include <QElapsedTimer>
#include <QtTest>

namespace {

const QDate FirstDay(1953, 3, 21);

int longestMonth(int month)
{
    return month <= 6 ? 31 : 30;
}

// Walks every day from `first` to `last` and returns a description of the first fault: the Jalali
// date must move on by exactly one day each time, months must have their fixed lengths, month 12
// must end on day 30 exactly in leap years, leap years must be four or five years apart, form 0
// texts must sort like the dates, and JalaliToDate must lead back to the same day.
QString firstFaultDayByDay(const QDate& first, const QDate& last)
{
    int year = 0;
    int month = 0;
    int day = 0;
    if (!DateToJalali(first, year, month, day))
        return QStringLiteral("no Jalali date for %1").arg(first.toString(Qt::ISODate));
    QString previousText = JalaliDateString(first);
    int lastLeapYear = 0;
    for (QDate date = first.addDays(1); date <= last; date = date.addDays(1)) {
        int y = 0;
        int m = 0;
        int d = 0;
        DaysToJalali(static_cast<long>(FirstDay.daysTo(date)), y, m, d);
        const QString where =
            QStringLiteral("%1 gave %2/%3/%4 after %5/%6/%7").arg(date.toString(Qt::ISODate)).arg(y).arg(m).arg(d);
        const bool nextDay = y == year && m == month && d == day + 1 && d <= longestMonth(month);
        const bool nextMonth = y == year && m == month + 1 && d == 1 && day == longestMonth(month) && month < 12;
        const bool nextYear = y == year + 1 && m == 1 && d == 1 && month == 12 && (day == 29 || day == 30);
        if (!nextDay && !nextMonth && !nextYear)
            return where.arg(year).arg(month).arg(day);
        if (nextYear) {
            const bool leap = day == 30;
            if (leap != IsJalaliLeapYear(year - 1332) || leap != (JalaliMonthLength(year, 12) == 30))
                return QStringLiteral("leap status of %1 does not match its last day %2").arg(year).arg(day);
            if (leap) {
                if (lastLeapYear != 0 && year - lastLeapYear != 4 && year - lastLeapYear != 5)
                    return QStringLiteral("leap years %1 and %2").arg(lastLeapYear).arg(year);
                lastLeapYear = year;
            }
        }
        const QString text = JalaliDateString(date);
        if (text <= previousText ||
            text != QStringLiteral("%1/%2/%3").arg(y).arg(m, 2, 10, QLatin1Char('0')).arg(d, 2, 10, QLatin1Char('0')))
            return QStringLiteral("%1 gave the text %2 after %3").arg(date.toString(Qt::ISODate), text, previousText);
        if (JalaliToDate(y, m, d) != date)
            return where.arg(year).arg(month).arg(day) + QStringLiteral(", which JalaliToDate does not lead back to");
        year = y;
        month = m;
        day = d;
        previousText = text;
    }
    return QString();
}

} // namespace

class TestJalali : public QObject
{
    Q_OBJECT

private slots:
    void formZero_data();
    void formZero();
    void leapYearsAroundRuleChange_data();
    void leapYearsAroundRuleChange();
    void leapYearsOfOldRule();
    void longForms_data();
    void longForms();
    void outsideConversion();
    void everyDayUpTo2100();
    void everyDayPastBreakTable();
    void jalaliToDate_data();
    void jalaliToDate();
};

void TestJalali::formZero_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("expected");
    QTest::newRow("epoch") << QDate(1953, 3, 21) << "1332/01/01";
    QTest::newRow("end of common 1332") << QDate(1954, 3, 20) << "1332/12/29";
    QTest::newRow("end of leap 1333") << QDate(1955, 3, 21) << "1333/12/30";
    QTest::newRow("start of 1334") << QDate(1955, 3, 22) << "1334/01/01";
    QTest::newRow("2000-01-01") << QDate(2000, 1, 1) << "1378/10/11";
    QTest::newRow("day 185") << QDate(2023, 9, 22) << "1402/06/31";
    QTest::newRow("day 186") << QDate(2023, 9, 23) << "1402/07/01";
    QTest::newRow("end of common 1402") << QDate(2024, 3, 19) << "1402/12/29";
    QTest::newRow("start of 1403") << QDate(2024, 3, 20) << "1403/01/01";
    QTest::newRow("end of leap 1403") << QDate(2025, 3, 20) << "1403/12/30";
    QTest::newRow("start of 1404") << QDate(2025, 3, 21) << "1404/01/01";
    QTest::newRow("single-digit day") << QDate(2025, 9, 27) << "1404/07/05";
    QTest::newRow("example") << QDate(2026, 12, 7) << "1405/09/16";
    QTest::newRow("end of leap 1408") << QDate(2030, 3, 20) << "1408/12/30";
    QTest::newRow("start of 1409") << QDate(2030, 3, 21) << "1409/01/01";
    QTest::newRow("end of leap 1436") << QDate(2058, 3, 20) << "1436/12/30";
    QTest::newRow("start of 1437") << QDate(2058, 3, 21) << "1437/01/01";
    QTest::newRow("end of common 1437") << QDate(2059, 3, 20) << "1437/12/29";
    QTest::newRow("start of 1438") << QDate(2059, 3, 21) << "1438/01/01";
    QTest::newRow("end of leap 1441") << QDate(2063, 3, 20) << "1441/12/30";
    QTest::newRow("last day checked") << QDate(2100, 12, 31) << "1479/10/10";
}

void TestJalali::formZero()
{
    QFETCH(QDate, date);
    QFETCH(QString, expected);
    QCOMPARE(JalaliDateString(date), expected);
    QCOMPARE(JalaliDateString(date, 0), expected);
}

void TestJalali::leapYearsAroundRuleChange_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<bool>("leap");
    const QList<int> leapYears = {1432, 1436, 1441};
    for (int year = 1432; year <= 1442; ++year)
        QTest::addRow("%d", year) << year << leapYears.contains(year);
}

void TestJalali::leapYearsAroundRuleChange()
{
    QFETCH(int, year);
    QFETCH(bool, leap);
    QCOMPARE(IsJalaliLeapYear(year - 1332), leap);
    QCOMPARE(JalaliMonthLength(year, 12), leap ? 30 : 29);
}

void TestJalali::leapYearsOfOldRule()
{
    const QList<int> expected = {1333, 1337, 1342, 1346, 1350, 1354, 1358, 1362, 1366, 1370, 1375,
                                 1379, 1383, 1387, 1391, 1395, 1399, 1403, 1408, 1412, 1416};
    QList<int> leapYears;
    for (int year = 1332; year <= 1416; ++year) {
        if (IsJalaliLeapYear(year - 1332))
            leapYears << year;
    }
    QCOMPARE(leapYears, expected);
}

void TestJalali::longForms_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("form");
    QTest::addColumn<QString>("expected");
    const QDate example(2026, 12, 7);
    QTest::newRow("form 1") << example << 1 << QStringLiteral("16 آذر 1405");
    QTest::newRow("form 2") << example << 2 << QStringLiteral("دوشنبه 16/9/1405");
    QTest::newRow("form 3") << example << 3 << QStringLiteral("دوشنبه ، 16  آذر  1405");
    QTest::newRow("form 1, single-digit day") << QDate(2025, 9, 27) << 1 << QStringLiteral("5 مهر 1404");
    QTest::newRow("form 2, Sunday") << QDate(2026, 12, 6) << 2 << QStringLiteral("يکشنبه 15/9/1405");
    QTest::newRow("form 3, Saturday") << QDate(2026, 12, 12) << 3 << QStringLiteral("شنبه ، 21  آذر  1405");
    QTest::newRow("form 1, first month") << QDate(1953, 3, 21) << 1 << QStringLiteral("1 فروردين 1332");
    QTest::newRow("form 1, last month") << QDate(2025, 3, 20) << 1 << QStringLiteral("30 اسفند 1403");
    QTest::newRow("form 4") << example << 4 << QString();
    QTest::newRow("form 99") << example << 99 << QString();
    QTest::newRow("form -1") << example << -1 << QString();
}

void TestJalali::longForms()
{
    QFETCH(QDate, date);
    QFETCH(int, form);
    QFETCH(QString, expected);
    QCOMPARE(JalaliDateString(date, form), expected);
}

void TestJalali::outsideConversion()
{
    for (int form = 0; form <= 3; ++form) {
        QCOMPARE(JalaliDateString(QDate(1953, 3, 20), form), QString());
        QCOMPARE(JalaliDateString(QDate(1900, 1, 1), form), QString());
        QCOMPARE(JalaliDateString(QDate(), form), QString());
    }
    int year = 7;
    int month = 8;
    int day = 9;
    DaysToJalali(-1, year, month, day);
    QCOMPARE(year, 7);
    QCOMPARE(month, 8);
    QCOMPARE(day, 9);
    QVERIFY(!DateToJalali(QDate(1953, 3, 20), year, month, day));
    QCOMPARE(year, 7);
}

void TestJalali::everyDayUpTo2100()
{
    const QDate last(2100, 12, 31);
    const QString fault = firstFaultDayByDay(FirstDay, last);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));

    QElapsedTimer timer;
    timer.start();
    qsizetype characters = 0;
    for (QDate date = FirstDay; date <= last; date = date.addDays(1))
        characters += JalaliDateString(date).size();
    const qint64 elapsed = timer.nsecsElapsed();
    QCOMPARE(characters, FirstDay.daysTo(last) * 10 + 10);
    qInfo("form 0 for every day 1953-03-21..2100-12-31: %.1f ms", elapsed / 1e6);
}

// Past the last break year the leap years go on in 33-year cycles, which the conversion skips
// over whole; the days there must still follow one another.
void TestJalali::everyDayPastBreakTable()
{
    const QString fault = firstFaultDayByDay(QDate(3790, 1, 1), QDate(3920, 12, 31));
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
}

void TestJalali::jalaliToDate_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<QDate>("expected");
    QTest::newRow("epoch") << 1332 << 1 << 1 << FirstDay;
    QTest::newRow("leap day") << 1403 << 12 << 30 << QDate(2025, 3, 20);
    QTest::newRow("first of 1438") << 1438 << 1 << 1 << QDate(2059, 3, 21);
    QTest::newRow("no leap day in 1402") << 1402 << 12 << 30 << QDate();
    QTest::newRow("no leap day in 1437") << 1437 << 12 << 30 << QDate();
    QTest::newRow("day 31 of month 7") << 1404 << 7 << 31 << QDate();
    QTest::newRow("day 0") << 1404 << 1 << 0 << QDate();
    QTest::newRow("month 0") << 1404 << 0 << 1 << QDate();
    QTest::newRow("month 13") << 1404 << 13 << 1 << QDate();
    QTest::newRow("before 1332") << 1331 << 12 << 29 << QDate();
}

void TestJalali::jalaliToDate()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(QDate, expected);
    QCOMPARE(JalaliToDate(year, month, day), expected);
}

QTEST_APPLESS_MAIN(TestJalali)
#include "test_jalali.moc"
