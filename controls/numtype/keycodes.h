#pragma once

#include <QString>
#include <Qt>

class QKeyEvent;

// The codes the box hands to its hosts in its key and mouse events: key codes and state
// masks as the hosts' handlers know them, and the character code of a typed key.
namespace KeyCodes {

inline constexpr short Backspace = 8;
inline constexpr short Enter = 13;

// The key code of a pressed or released key (65 for A, 48 for 0, 37 for Left, 13 for Enter);
// 0 for keys without one.
short keyCode(const QKeyEvent* event);

// 1 Shift, 2 Ctrl, 4 Alt, added together.
short shiftState(Qt::KeyboardModifiers modifiers);

// 1 left, 2 right, 4 middle, added together.
short buttonState(Qt::MouseButtons buttons);

// The characters a key types: "\b" for backspace, "\r" for Enter, the printable text of a
// character key. Empty for keys that type nothing, which the line edit keeps for itself:
// moving, deleting and shortcuts such as paste.
QString typedText(const QKeyEvent* event);

// The character code of a typed character. Digits of other scripts, such as those of the
// Persian keyboard, give the code of the same ASCII digit, so the box stays usable with a
// Persian layout and its text stays plain ASCII.
short characterCode(QChar c);

} // namespace KeyCodes
