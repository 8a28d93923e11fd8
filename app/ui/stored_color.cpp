#include "ui/stored_color.h"

QColor colorFromStored(const QString& text)
{
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok);
    if (!ok || value < 0 || value > 0xFFFFFF)
        return {};
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

QString storedColor(const QColor& color)
{
    const quint32 value = quint32(color.red()) | (quint32(color.green()) << 8) | (quint32(color.blue()) << 16);
    return QString::number(value);
}
