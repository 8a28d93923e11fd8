#pragma once

#include <QStyle>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QString;
class QWidget;

// The controls the backup and restore windows build alike.
namespace WindowParts {

QLabel* label(const QString& objectName, const QString& text, QWidget* parent);
QPushButton* button(const QString& objectName, const QString& text, QStyle::StandardPixmap icon, QWidget* parent);
QCheckBox* tickBox(const QString& objectName, const QString& text, QWidget* parent);
// A read-only box for a full path, read from its start even in a right-to-left window.
QLineEdit* pathBox(const QString& objectName, QWidget* parent);

} // namespace WindowParts
