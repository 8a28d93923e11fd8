#include "banks/form_controls.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>

namespace FormControls {

QLabel* fieldLabel(const char* objectName, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setLayoutDirection(Qt::LeftToRight);
    label->setAlignment(Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter);
    return label;
}

QPushButton* button(const char* objectName, const QString& text, QWidget* parent, QStyle::StandardPixmap icon)
{
    auto* push = new QPushButton(text, parent);
    push->setObjectName(QString::fromLatin1(objectName));
    push->setAutoDefault(false);
    if (icon != QStyle::SP_CustomBase)
        push->setIcon(parent->style()->standardIcon(icon));
    return push;
}

void designedHeader(QHeaderView* header)
{
    header->setDefaultAlignment(Qt::AlignLeading | Qt::AlignVCenter);
    header->setMinimumSectionSize(header->fontMetrics().horizontalAdvance(QStringLiteral("000")));
}

} // namespace FormControls
