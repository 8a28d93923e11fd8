#include "calendar/jalali.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace {

constexpr int BaseYear = 1332;

// The program's own leap rule (a 32-year cycle counted from 1309) matches the official calendar
// up to 1436 and then makes 1437 a leap year too. The official break table takes over from 1437.
constexpr int LastRuleYear = 1436;
constexpr int RuleCycleStart = 1309;

// Break years of the official calendar: between two breaks leap years follow the 33-year cycle.
constexpr int BreakYears[] = {-61,  9,    38,   199,  426,  686,  756,  818,  1111, 1181,
                              1210, 1635, 2060, 2097, 2192, 2262, 2324, 2394, 2456, 3178};
constexpr int LastBreakYear = BreakYears[std::size(BreakYears) - 1];

// Past the last break the 33-year cycle simply goes on: eight leap years in every 33.
constexpr int CycleYears = 33;
constexpr long CycleDays = CycleYears * 365L + 8;

constexpr int DaysInFirstHalf = 186;

const QDate& epoch()
{
    static const QDate first(1953, 3, 21);
    return first;
}

bool ruleLeapYear(int year)
{
    const int t = year - RuleCycleStart;
    const int a = t % 32 - t / 32;
    return a % 4 == 0;
}

bool officialLeapYear(int year)
{
    if (year < BreakYears[0])
        return false;
    int previousBreak = BreakYears[0];
    int jump = 0;
    for (std::size_t i = 1; i < std::size(BreakYears); ++i) {
        jump = BreakYears[i] - previousBreak;
        if (year < BreakYears[i])
            break;
        previousBreak = BreakYears[i];
    }
    int n = year - previousBreak;
    // In the last few years before a break the cycle is counted from the next break instead.
    if (year < LastBreakYear && jump - n < 6)
        n = n - jump + (jump + 4) / CycleYears * CycleYears;
    // -1 % 4 stays -1 here, which is a common year as wanted.
    return ((n + 1) % CycleYears - 1) % 4 == 0;
}

int yearLength(int offset)
{
    return IsJalaliLeapYear(offset) ? 366 : 365;
}

// Day counts of 1 Farvardin from 1332 up to the last break year, worked out once so that a
// conversion looks its year up instead of walking over every year since 1332.
const std::vector<long>& yearStarts()
{
    static const std::vector<long> starts = [] {
        std::vector<long> table;
        table.reserve(LastBreakYear - BaseYear + 1);
        long start = 0;
        for (int offset = 0; offset <= LastBreakYear - BaseYear; ++offset) {
            table.push_back(start);
            start += yearLength(offset);
        }
        return table;
    }();
    return starts;
}

long yearStart(int offset)
{
    const std::vector<long>& starts = yearStarts();
    if (offset < static_cast<long>(starts.size()))
        return starts[offset];
    long y = static_cast<long>(starts.size()) - 1;
    const long cycles = (offset - y) / CycleYears;
    long start = starts.back() + cycles * CycleDays;
    for (y += cycles * CycleYears; y < offset; ++y)
        start += yearLength(static_cast<int>(y));
    return start;
}

int monthStart(int month)
{
    return month <= 6 ? (month - 1) * 31 : DaysInFirstHalf + (month - 7) * 30;
}

// Indexed by the weekday counted from Sunday = 0.
const QString& weekdayName(const QDate& date)
{
    static const QString names[] = {QStringLiteral("يکشنبه"),   QStringLiteral("دوشنبه"),  QStringLiteral("سه شنبه"),
                                    QStringLiteral("چهارشنبه"), QStringLiteral("پنجشنبه"), QStringLiteral("جمعه"),
                                    QStringLiteral("شنبه")};
    return names[date.dayOfWeek() % 7];
}

QString padded(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

} // namespace

bool IsJalaliLeapYear(int offset)
{
    const int year = offset + BaseYear;
    // Years before 1309 lie outside the rule's count; only the date picker asks about them.
    if (year >= RuleCycleStart && year <= LastRuleYear)
        return ruleLeapYear(year);
    return officialLeapYear(year);
}

void DaysToJalali(long days, int& year, int& month, int& day)
{
    if (days < 0)
        return;
    const std::vector<long>& starts = yearStarts();
    long y;
    if (days < starts.back()) {
        y = std::upper_bound(starts.begin(), starts.end(), days) - starts.begin() - 1;
        days -= starts[y];
    } else {
        y = static_cast<long>(starts.size()) - 1;
        days -= starts.back();
        const long cycles = days / CycleDays;
        y += cycles * CycleYears;
        days -= cycles * CycleDays;
        while (days >= yearLength(static_cast<int>(y))) {
            days -= yearLength(static_cast<int>(y));
            ++y;
        }
    }
    year = static_cast<int>(y + BaseYear);
    if (days < DaysInFirstHalf) {
        month = static_cast<int>(days / 31) + 1;
        day = static_cast<int>(days % 31) + 1;
    } else {
        days -= DaysInFirstHalf;
        month = static_cast<int>(days / 30) + 7;
        day = static_cast<int>(days % 30) + 1;
    }
}

bool DateToJalali(const QDate& date, int& year, int& month, int& day)
{
    if (!date.isValid())
        return false;
    const qint64 days = epoch().daysTo(date);
    if (days < 0)
        return false;
    DaysToJalali(static_cast<long>(days), year, month, day);
    return true;
}

QString JalaliDateString(const QDate& date, int form)
{
    int year = 0;
    int month = 0;
    int day = 0;
    if (form < 0 || form > 3 || !DateToJalali(date, year, month, day))
        return QString();
    const QString& monthName = JalaliMonthNames().at(month - 1);
    switch (form) {
    case 0:
        return QString::number(year) + u'/' + padded(month) + u'/' + padded(day);
    case 1:
        return QString::number(day) + u' ' + monthName + u' ' + QString::number(year);
    case 2:
        return weekdayName(date) + u' ' + QString::number(day) + u'/' + QString::number(month) + u'/' +
               QString::number(year);
    default:
        return weekdayName(date) + QStringLiteral(" ، ") + QString::number(day) + QStringLiteral("  ") + monthName +
               QStringLiteral("  ") + QString::number(year);
    }
}

const QStringList& JalaliMonthNames()
{
    static const QStringList names = {QStringLiteral("فروردين"), QStringLiteral("ارديبهشت"), QStringLiteral("خرداد"),
                                      QStringLiteral("تير"),     QStringLiteral("مرداد"),    QStringLiteral("شهريور"),
                                      QStringLiteral("مهر"),     QStringLiteral("آبان"),     QStringLiteral("آذر"),
                                      QStringLiteral("دي"),      QStringLiteral("بهمن"),     QStringLiteral("اسفند")};
    return names;
}

QString JalaliWeekdayName(const QDate& date)
{
    return date.isValid() ? weekdayName(date) : QString();
}

int JalaliMonthLength(int year, int month)
{
    if (month < 1 || month > 12)
        return 0;
    if (month <= 6)
        return 31;
    if (month <= 11)
        return 30;
    return IsJalaliLeapYear(year - BaseYear) ? 30 : 29;
}

QDate JalaliToDate(int year, int month, int day)
{
    if (year < BaseYear || day < 1 || day > JalaliMonthLength(year, month))
        return QDate();
    return epoch().addDays(yearStart(year - BaseYear) + monthStart(month) + day - 1);
}
