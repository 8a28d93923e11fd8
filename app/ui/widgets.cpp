#include "ui/widgets.h"

#include "ui/date_box.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

namespace Widgets {

QPushButton* button(QWidget* parent, QAnyStringView name, const QString& caption, Enter enter,
                    QStyle::StandardPixmap icon, const QString& toolTip)
{
    auto* push = named(new QPushButton(caption, parent), name);
    push->setToolTip(toolTip);
    if (icon != NoIcon)
        push->setIcon(parent->style()->standardIcon(icon));
    // Said outright, since Qt's own choice depends on whether the window is a dialog.
    push->setAutoDefault(enter != Enter::PassesOn);
    // Made the default while it has its dialog as parent, which a later move would not tell it.
    if (enter == Enter::PressesAsDefault)
        push->setDefault(true);
    return push;
}

QLabel* label(QWidget* parent, QAnyStringView name, const QString& text)
{
    return named(new QLabel(text, parent), name);
}

QLabel* fieldLabel(QWidget* parent, QAnyStringView name, const QString& text)
{
    QLabel* caption = label(parent, name, text);
    caption->setLayoutDirection(Qt::LeftToRight);
    caption->setAlignment(Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter);
    return caption;
}

QLabel* labelFor(QWidget* buddy, QAnyStringView name, const QString& text)
{
    QLabel* caption = label(buddy->parentWidget(), name, text);
    caption->setBuddy(buddy);
    return caption;
}

QLineEdit* textBox(QWidget* parent, QAnyStringView name, const QString& toolTip)
{
    auto* box = named(new QLineEdit(parent), name);
    box->setToolTip(toolTip);
    return box;
}

QLineEdit* readOnlyBox(QWidget* parent, QAnyStringView name)
{
    QLineEdit* box = textBox(parent, name);
    box->setReadOnly(true);
    return box;
}

QLineEdit* pathBox(QWidget* parent, QAnyStringView name)
{
    QLineEdit* box = readOnlyBox(parent, name);
    // A path is written left to right; shown right to left its separators would wander.
    box->setLayoutDirection(Qt::LeftToRight);
    return box;
}

QComboBox* comboBox(QWidget* parent, QAnyStringView name)
{
    return named(new QComboBox(parent), name);
}

QComboBox* editableComboBox(QWidget* parent, QAnyStringView name)
{
    QComboBox* combo = comboBox(parent, name);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    return combo;
}

QCheckBox* checkBox(QWidget* parent, QAnyStringView name, const QString& caption)
{
    return named(new QCheckBox(caption, parent), name);
}

QRadioButton* radioButton(QWidget* parent, QAnyStringView name, const QString& caption)
{
    return named(new QRadioButton(caption, parent), name);
}

DateBox* dateBox(QWidget* parent, QAnyStringView name, const QString& toolTip)
{
    auto* box = named(new DateBox(parent), name);
    box->setToolTip(toolTip);
    box->edit()->setToolTip(toolTip);
    return box;
}

QAction* menuItem(QMenu* menu, QAnyStringView name, const QString& caption)
{
    return named(menu->addAction(caption), name);
}

void keepPlaceWhenHidden(QWidget* widget)
{
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

} // namespace Widgets
