#pragma once

#include <QColor>
#include <QPalette>

// Colours as the hosts store them: a 32-bit number 0x00BBGGRR, or, with the top bit set, the
// index of a system colour, which here is the matching colour of the desktop's palette.
namespace OleColor {

inline constexpr quint32 WindowBackground = 0x80000005;
inline constexpr quint32 WindowText = 0x80000008;

QColor toColor(quint32 value, const QPalette& system);

// The system colour systemValue when the colour is that system colour, else 0x00BBGGRR.
quint32 fromColor(const QColor& color, const QPalette& system, quint32 systemValue);

} // namespace OleColor
