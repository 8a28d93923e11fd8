#pragma once

#include <QString>

// Whole amounts grouped in threes with ",": 1234567 → "1,234,567", -1500 → "-1,500", 0 → "0".
// Fractions are rounded to whole rials.
QString GroupedNumber(double amount);
