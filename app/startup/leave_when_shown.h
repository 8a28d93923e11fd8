#pragma once

class QDialog;

// For a smoke test of an installed copy, where nobody is at the keyboard: with the environment
// variable KAVIRO_LEAVE_WHEN_SHOWN set, the window is painted once it is shown, says so on
// standard error ("KAVIRO: <objectName> shown") and is then closed as its exit button closes it,
// so the program ends in order. Without the variable nothing changes.
void leaveWhenShownIfAsked(QDialog& window);
