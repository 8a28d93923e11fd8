#include "keycodes.h"

#include <QHash>
#include <QKeyEvent>

namespace {

constexpr short DigitZero = 48;
constexpr short KeypadZero = 96;
constexpr short FunctionOne = 112;

short keypadCode(int key)
{
    switch (key) {
    case Qt::Key_Asterisk:
        return 106;
    case Qt::Key_Plus:
        return 107;
    case Qt::Key_Minus:
        return 109;
    case Qt::Key_Period:
    case Qt::Key_Comma:
        return 110;
    case Qt::Key_Slash:
        return 111;
    default:
        return 0;
    }
}

short namedKeyCode(int key)
{
    static const QHash<int, short> codes = {
        {Qt::Key_Backspace, KeyCodes::Backspace},
        {Qt::Key_Tab, 9},
        {Qt::Key_Backtab, 9},
        {Qt::Key_Return, KeyCodes::Enter},
        {Qt::Key_Enter, KeyCodes::Enter},
        {Qt::Key_Shift, 16},
        {Qt::Key_Control, 17},
        {Qt::Key_Alt, 18},
        {Qt::Key_Pause, 19},
        {Qt::Key_CapsLock, 20},
        {Qt::Key_Escape, 27},
        {Qt::Key_Space, 32},
        {Qt::Key_PageUp, 33},
        {Qt::Key_PageDown, 34},
        {Qt::Key_End, 35},
        {Qt::Key_Home, 36},
        {Qt::Key_Left, 37},
        {Qt::Key_Up, 38},
        {Qt::Key_Right, 39},
        {Qt::Key_Down, 40},
        {Qt::Key_Insert, 45},
        {Qt::Key_Delete, 46},
        {Qt::Key_Meta, 91},
        {Qt::Key_Menu, 93},
        {Qt::Key_NumLock, 144},
        {Qt::Key_ScrollLock, 145},
        {Qt::Key_Semicolon, 186},
        {Qt::Key_Equal, 187},
        {Qt::Key_Comma, 188},
        {Qt::Key_Minus, 189},
        {Qt::Key_Period, 190},
        {Qt::Key_Slash, 191},
        {Qt::Key_QuoteLeft, 192},
        {Qt::Key_BracketLeft, 219},
        {Qt::Key_Backslash, 220},
        {Qt::Key_BracketRight, 221},
        {Qt::Key_Apostrophe, 222},
    };
    return codes.value(key, 0);
}

bool isDecimalDigit(QChar c)
{
    return c.category() == QChar::Number_DecimalDigit;
}

} // namespace

short KeyCodes::keyCode(const QKeyEvent* event)
{
    const int key = event->key();
    const bool keypad = event->modifiers().testFlag(Qt::KeypadModifier);
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return short((keypad ? KeypadZero : DigitZero) + (key - Qt::Key_0));
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return short(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return short(FunctionOne + (key - Qt::Key_F1));
    if (keypad && keypadCode(key) != 0)
        return keypadCode(key);
    // The digit row of a non-Latin layout reports the digit of its own script.
    if (key > 0 && key <= 0xFFFF && isDecimalDigit(QChar(key)))
        return short(DigitZero + QChar(key).digitValue());
    return namedKeyCode(key);
}

short KeyCodes::shiftState(Qt::KeyboardModifiers modifiers)
{
    return short((modifiers.testFlag(Qt::ShiftModifier) ? 1 : 0) | (modifiers.testFlag(Qt::ControlModifier) ? 2 : 0) |
                 (modifiers.testFlag(Qt::AltModifier) ? 4 : 0));
}

short KeyCodes::buttonState(Qt::MouseButtons buttons)
{
    return short((buttons.testFlag(Qt::LeftButton) ? 1 : 0) | (buttons.testFlag(Qt::RightButton) ? 2 : 0) |
                 (buttons.testFlag(Qt::MiddleButton) ? 4 : 0));
}

QString KeyCodes::typedText(const QKeyEvent* event)
{
    const bool shortcut = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    switch (event->key()) {
    case Qt::Key_Backspace:
        // Ctrl+Backspace is the line edit's delete-word shortcut, not a typed backspace.
        return shortcut ? QString() : QStringLiteral("\b");
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return QStringLiteral("\r");
    default:
        break;
    }
    const QString text = event->text();
    if (shortcut || text.isEmpty())
        return QString();
    for (const QChar c : text) {
        if (!c.isPrint())
            return QString();
    }
    return text;
}

short KeyCodes::characterCode(QChar c)
{
    if (isDecimalDigit(c))
        return short(DigitZero + c.digitValue());
    return short(c.unicode());
}
