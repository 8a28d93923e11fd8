#pragma once

#include <QStyle>

class QHeaderView;
class QLabel;
class QPushButton;
class QString;
class QWidget;

// Controls of the bank windows, created with the names the program's forms give them.
namespace FormControls {

// A label whose colon is written for a left-to-right line (" :نوع "): shown that way the colon
// stands after the name, on the side of its box, while the label keeps to the right.
QLabel* fieldLabel(const char* objectName, const QString& text, QWidget* parent);

// A button that does not take Enter meant for another control of the window.
QPushButton* button(const char* objectName, const QString& text, QWidget* parent,
                    QStyle::StandardPixmap icon = QStyle::SP_CustomBase);

// The grids' captions are indented with blanks from their leading edge, so that edge stays
// put; and a column may be narrower than the widest letter of the font, which Qt would take as
// the least width of every column (a Persian font has very wide ones).
void designedHeader(QHeaderView* header);

} // namespace FormControls
