#pragma once

#include <QColor>
#include <QString>

// Colours are kept in the settings as the decimal text of a 0x00BBGGRR number.
// An empty or unreadable text gives an invalid colour, which leaves a colour unchanged.
QColor colorFromStored(const QString& text);
QString storedColor(const QColor& color);
