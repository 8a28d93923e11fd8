#pragma once

class QWidget;

// Enter in one box moves the focus to the next, the way the program's forms are filled
// from the keyboard. The filter lives as long as the first widget.
void moveFocusOnEnter(QWidget* from, QWidget* to);

// Text boxes of the window select their whole text when they get the focus, so that
// typing replaces what was there.
void AutoSelectTextBoxes(QWidget* window);
