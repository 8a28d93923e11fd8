#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

// Jalali (Solar Hijri) dates. The day count starts at 21 March 1953, which is 1332/01/01;
// nothing earlier is converted. Only these routines turn a Gregorian date into a Jalali one,
// so every date the program stores is the form 0 text they produce.

// The Jalali date of `date` as text:
//   0  1405/09/16                (month and day zero-padded; stored and compared as text)
//   1  16 آذر 1405
//   2  دوشنبه 16/9/1405
//   3  دوشنبه ، 16  آذر  1405
// Any other form, an invalid date or a date before 21 March 1953 gives "".
QString JalaliDateString(const QDate& date, int form = 0);

// Day 0 is 1332/01/01. A negative count leaves year, month and day as they were.
void DaysToJalali(long days, int& year, int& month, int& day);

// Leap-year test of the Jalali year 1332 + offset.
bool IsJalaliLeapYear(int offset);

// Helpers for the date picker, built on the same year lengths as the conversion.

// The twelve month names, index 0 holding Farvardin.
const QStringList& JalaliMonthNames();
// The name of the weekday of `date`.
QString JalaliWeekdayName(const QDate& date);
// 29 to 31, or 0 for a month number outside 1 to 12.
int JalaliMonthLength(int year, int month);
// The Jalali year, month and day of `date`; false (outputs untouched) before 21 March 1953.
bool DateToJalali(const QDate& date, int& year, int& month, int& day);
// The Gregorian date of a Jalali date; invalid for a date that does not exist or lies before 1332.
QDate JalaliToDate(int year, int month, int day);
