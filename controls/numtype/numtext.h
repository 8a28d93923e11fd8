#pragma once

#include <QString>
#include <QVariant>

// The text rules of the number box: how a value is read from whatever a host or the user
// hands over, and how digits are grouped for display. Nothing here looks at a widget.
namespace NumText {

// Puts "," at every fourth position counted from the right. It counts characters and
// does not look at them, so text that is not all digits is grouped just the same.
QString grouped(const QString& text);

QString withoutCommas(const QString& text);

// Reads the leading digits and at most one decimal point, stopping at the first other
// character; text without a leading number reads as 0.
double leadingNumber(const QString& text);

// The whole number >= 0 that a value assigned to the box stands for: every character other
// than a digit or "." is dropped (signs, group separators, letters), the leading number of
// the rest is read and its fraction cut off. "-1,250.75" gives 1250, "12abc" gives 12.
double wholeValueOf(const QVariant& value);

// A whole number as a plain digit string, never in exponent form.
QString plainDigits(double whole);

int digitCount(const QString& text);

// The ASCII digit of a Persian (U+06F0..) or Arabic-Indic (U+0660..) digit; other characters
// are returned as they are.
QChar asciiDigit(QChar c);

// A number as a person copies it from elsewhere, in the box's own form: Persian and
// Arabic-Indic digits become ASCII digits, the Arabic decimal point a "."; blanks, direction
// marks and group separators ("," and the Arabic one) are dropped. "۱٬۲۵۰ ۰۰۰" gives "1250000".
QString pastedNumber(const QString& text);

// The number of digits before the point of the leading number of text.
int wholeDigits(const QString& text);

} // namespace NumText
