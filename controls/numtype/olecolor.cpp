#include "olecolor.h"

namespace {

constexpr quint32 SystemFlag = 0x80000000;

QColor systemColor(quint32 index, const QPalette& system)
{
    switch (index) {
    case 4: // menu
        return system.color(QPalette::Window);
    case 5: // window background
        return system.color(QPalette::Base);
    case 6:  // window frame
    case 21: // 3D dark shadow
        return system.color(QPalette::Shadow);
    case 7: // menu text
        return system.color(QPalette::WindowText);
    case 13: // highlight
        return system.color(QPalette::Highlight);
    case 14: // highlighted text
        return system.color(QPalette::HighlightedText);
    case 15: // button face
        return system.color(QPalette::Button);
    case 16: // button shadow
        return system.color(QPalette::Mid);
    case 17: // grey text
        return system.color(QPalette::Disabled, QPalette::Text);
    case 18: // button text
        return system.color(QPalette::ButtonText);
    case 20: // button highlight
        return system.color(QPalette::Light);
    case 22: // 3D light
        return system.color(QPalette::Midlight);
    case 23: // tool-tip text
        return system.color(QPalette::ToolTipText);
    case 24: // tool-tip background
        return system.color(QPalette::ToolTipBase);
    default: // window text, and whatever has no counterpart on this desktop
        return system.color(QPalette::Text);
    }
}

} // namespace

QColor OleColor::toColor(quint32 value, const QPalette& system)
{
    if (value & SystemFlag)
        return systemColor(value & 0xFF, system);
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

quint32 OleColor::fromColor(const QColor& color, const QPalette& system, quint32 systemValue)
{
    if (color == toColor(systemValue, system))
        return systemValue;
    const QColor rgb = color.toRgb();
    return quint32(rgb.red()) | (quint32(rgb.green()) << 8) | (quint32(rgb.blue()) << 16);
}
