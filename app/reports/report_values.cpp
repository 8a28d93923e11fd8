#include "reports/report_values.h"

#include "words/number_format.h"

#include <cmath>

namespace ReportValues {

std::optional<double> number(const QVariant& value)
{
    if (value.isNull())
        return std::nullopt;
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float: {
        const double number = value.toDouble();
        return std::isfinite(number) ? std::optional<double>(number) : std::nullopt;
    }
    default:
        break;
    }
    // Digits of any script, group separators and blanks between them, one sign and one point.
    QString plain;
    bool point = false;
    for (const QChar c : value.toString().trimmed()) {
        if (c == QLatin1Char(',') || c == QChar(0x066C) || c.isSpace())
            continue;
        if (c.isDigit() && c.digitValue() >= 0) {
            plain += QChar(u'0' + c.digitValue());
        } else if (c == QLatin1Char('-') && plain.isEmpty()) {
            plain += c;
        } else if ((c == QLatin1Char('.') || c == QChar(0x066B)) && !point) {
            plain += QLatin1Char('.');
            point = true;
        } else {
            return std::nullopt;
        }
    }
    bool ok = false;
    const double number = plain.toDouble(&ok);
    return ok ? std::optional<double>(number) : std::nullopt;
}

QString format(const QVariant& value, ReportItem::Format format)
{
    if (value.isNull())
        return QString();
    if (format == ReportItem::Format::Grouped) {
        if (const std::optional<double> amount = number(value))
            return GroupedNumber(*amount);
    }
    if (value.typeId() == QMetaType::Double) {
        const double number = value.toDouble();
        if (std::isfinite(number) && number == std::round(number) && std::fabs(number) < 1e15)
            return QString::number(number, 'f', 0);
    }
    return value.toString();
}

QString groupedSum(long double sum)
{
    const long double rounded = std::round(sum);
    // Beyond what a 64-bit whole number holds, a double's digits are as good as any.
    if (!std::isfinite(rounded) || std::fabs(rounded) >= 9e18L)
        return GroupedNumber(double(sum));
    QString digits = QString::number(qAbs(qint64(rounded)));
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, QLatin1Char(','));
    return rounded < 0 ? QLatin1Char('-') + digits : digits;
}

} // namespace ReportValues
