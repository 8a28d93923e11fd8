#include "numtext.h"

#include <QLocale>

#include <cmath>

namespace {

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Numbers are taken in plain notation: the exponent form of a large double ("1e+20") would
// otherwise be read digit by digit as a different number.
QString stringForm(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
        return QString::number(value.toDouble(), 'f', QLocale::FloatingPointShortest);
    default:
        return value.toString();
    }
}

} // namespace

QString NumText::grouped(const QString& text)
{
    QString s = text;
    int length = s.size();
    for (int position = 1; position <= length; ++position) {
        if (position % 4 == 0) {
            s = s.left(s.size() - position + 1) + QLatin1Char(',') + s.right(position - 1);
            ++position;
            ++length;
        }
    }
    return s;
}

QString NumText::withoutCommas(const QString& text)
{
    QString s = text;
    return s.remove(QLatin1Char(','));
}

double NumText::leadingNumber(const QString& text)
{
    int end = 0;
    bool seenPoint = false;
    for (; end < text.size(); ++end) {
        const QChar c = text.at(end);
        if (c == QLatin1Char('.') && !seenPoint)
            seenPoint = true;
        else if (!isAsciiDigit(c))
            break;
    }
    // "." alone or nothing at all fails to convert and so reads as 0.
    return QLocale::c().toDouble(text.left(end));
}

double NumText::wholeValueOf(const QVariant& value)
{
    QString kept;
    for (const QChar c : stringForm(value)) {
        if (isAsciiDigit(c) || c == QLatin1Char('.'))
            kept += c;
    }
    return std::trunc(leadingNumber(kept));
}

QString NumText::plainDigits(double whole)
{
    return QString::number(whole, 'f', 0);
}

int NumText::digitCount(const QString& text)
{
    int count = 0;
    for (const QChar c : text) {
        if (isAsciiDigit(c))
            ++count;
    }
    return count;
}

QChar NumText::asciiDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= 0x06F0 && u <= 0x06F9)
        return QChar(u'0' + (u - 0x06F0));
    if (u >= 0x0660 && u <= 0x0669)
        return QChar(u'0' + (u - 0x0660));
    return c;
}

QString NumText::pastedNumber(const QString& text)
{
    QString plain;
    plain.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        const bool separator = u == u',' || u == 0x066C || u == 0x060C;
        const bool mark = u == 0x200C || u == 0x200D || u == 0x200E || u == 0x200F || u == 0x061C ||
                          (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069) || u == 0xFEFF;
        if (separator || mark || c.isSpace())
            continue;
        plain += u == 0x066B ? QChar(u'.') : asciiDigit(c);
    }
    return plain;
}

int NumText::wholeDigits(const QString& text)
{
    int count = 0;
    while (count < text.size() && isAsciiDigit(text.at(count)))
        ++count;
    return count;
}
