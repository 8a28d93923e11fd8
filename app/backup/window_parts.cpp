#include "backup/window_parts.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace WindowParts {

QLabel* label(const QString& objectName, const QString& text, QWidget* parent)
{
    auto* result = new QLabel(text, parent);
    result->setObjectName(objectName);
    return result;
}

QPushButton* button(const QString& objectName, const QString& text, QStyle::StandardPixmap icon, QWidget* parent)
{
    auto* result = new QPushButton(parent->style()->standardIcon(icon), text, parent);
    result->setObjectName(objectName);
    result->setAutoDefault(false);
    return result;
}

QCheckBox* tickBox(const QString& objectName, const QString& text, QWidget* parent)
{
    auto* result = new QCheckBox(text, parent);
    result->setObjectName(objectName);
    return result;
}

QLineEdit* pathBox(const QString& objectName, QWidget* parent)
{
    auto* result = new QLineEdit(parent);
    result->setObjectName(objectName);
    result->setReadOnly(true);
    // A path is written left to right; shown right to left its separators would wander.
    result->setLayoutDirection(Qt::LeftToRight);
    return result;
}

} // namespace WindowParts
