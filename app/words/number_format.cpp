#include "words/number_format.h"

#include <cmath>

QString GroupedNumber(double amount)
{
    if (!std::isfinite(amount))
        return QString();
    const double rounded = std::round(amount);
    QString digits = QString::number(std::fabs(rounded), 'f', 0);
    for (int at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, QLatin1Char(','));
    return rounded < 0 ? QLatin1Char('-') + digits : digits;
}
