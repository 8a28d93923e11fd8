#pragma once

#include <QAnyStringView>
#include <QString>
#include <QStyle>
#include <QWidget>

class DateBox;
class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;

// The controls the windows build, each created on its parent with the objectName the
// program's forms give it. Every helper takes the parent first, then the name, then what the
// control shows.
namespace Widgets {

// What Enter does on a push button that has the focus. Each button says so, because the
// windows' Enter paths end on buttons: a box passes the focus on with Enter, and the button it
// lands on either takes the key or lets it go to the window.
enum class Enter
{
    // The key goes on to the window: a dialog presses its default button, elsewhere nothing
    // happens. No window of the program has such a button: Enter on a button that pressed
    // another one stored half-typed cheques.
    PassesOn,
    // The key presses the button, and no other; the button never becomes a dialog's default.
    Presses,
    // The key presses the button, and the button is the dialog's default one, which Enter
    // presses from wherever the focus is (unless a focused control takes the key itself).
    PressesAsDefault,
};

constexpr QStyle::StandardPixmap NoIcon = QStyle::SP_CustomBase;

template <typename W> W* named(W* widget, QAnyStringView name)
{
    widget->setObjectName(name.toString());
    return widget;
}

// For the windows laid out at a designed size and scaled by the resizer. Such a form is read
// from the right, so a control is placed by its distance from the right edge of its parent;
// the parent must already have its designed size.
template <typename W> W* place(W* widget, int fromRight, int top, int width, int height)
{
    const int parentWidth = widget->parentWidget() ? widget->parentWidget()->width() : 0;
    widget->setGeometry(parentWidth - fromRight - width, top, width, height);
    return widget;
}

// A push button with the desktop's standard icon, when one is given.
QPushButton* button(QWidget* parent, QAnyStringView name, const QString& caption, Enter enter,
                    QStyle::StandardPixmap icon = NoIcon, const QString& toolTip = QString());

QLabel* label(QWidget* parent, QAnyStringView name, const QString& text);
// A caption whose colon is written first, for a left-to-right line (" :نوع "): shown that way
// the colon stands after the name, on the side of its box, while the caption keeps to the right.
QLabel* fieldLabel(QWidget* parent, QAnyStringView name, const QString& text);
// A caption of buddy, on buddy's parent; its shortcut letter, if any, moves to the box.
QLabel* labelFor(QWidget* buddy, QAnyStringView name, const QString& text);

QLineEdit* textBox(QWidget* parent, QAnyStringView name, const QString& toolTip = QString());
// A box that shows what the program fills in and takes no typing.
QLineEdit* readOnlyBox(QWidget* parent, QAnyStringView name);
// Keeps the digits typed or pasted into box in ASCII, as the program stores numbers: a Persian
// keyboard types Persian digits, and a number stored with them neither sorts nor searches with
// the others.
void keepAsciiDigits(QLineEdit* box);
// text with its Persian and Arabic-Indic digits written as ASCII digits.
QString asciiDigits(const QString& text);
// A read-only box for a full path, read from its start even in a right-to-left window.
QLineEdit* pathBox(QWidget* parent, QAnyStringView name);

QComboBox* comboBox(QWidget* parent, QAnyStringView name);
// A combo box that also takes a typed text. What is typed is kept as typed; it never becomes
// an item of the list.
QComboBox* editableComboBox(QWidget* parent, QAnyStringView name);

QCheckBox* checkBox(QWidget* parent, QAnyStringView name, const QString& caption);
QRadioButton* radioButton(QWidget* parent, QAnyStringView name, const QString& caption);

// The program's date box. The tool tip is the box's and its line's, so that it shows over
// either.
DateBox* dateBox(QWidget* parent, QAnyStringView name, const QString& toolTip = QString());

// An item at the end of menu.
QAction* menuItem(QMenu* menu, QAnyStringView name, const QString& caption);

// A control that is hidden keeps its place, so that the window does not jump as it comes and
// goes.
void keepPlaceWhenHidden(QWidget* widget);

} // namespace Widgets
