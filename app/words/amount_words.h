#pragma once

#include <QString>

// Money amounts spelled out in Persian as on a cheque, for labels and tool-tips next to an
// amount box. Amounts are whole numbers up to 999,999,999,999.

// The wording of `amount`: "صفر" for 0, the out-of-range notice above 999,999,999,999, and ""
// for a negative amount or a fraction that falls outside the ranges (0.5, 999.5).
QString AmountToWords(double amount);

// The wording of a group of three digits, 1 to 999; "" for 0 or anything outside 0 to 999.
QString GroupToWords(int n);
