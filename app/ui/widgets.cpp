#include "ui/widgets.h"

#include "ui/date_box.h"
#include "ui/list_dropper.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

namespace {

// Enter on the focused button presses it, and only it. An auto-default button would do the same,
// but a dialog makes the first auto-default button it finds its default, which Enter in any box
// then presses: a half-filled form would be saved from the first box.
class PressOnEnter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        auto* push = static_cast<QPushButton*>(watched);
        if (!key->isAutoRepeat() && push->isEnabled())
            push->click();
        return true;
    }
};

} // namespace

namespace Widgets {

QPushButton* button(QWidget* parent, QAnyStringView name, const QString& caption, Enter enter,
                    QStyle::StandardPixmap icon, const QString& toolTip)
{
    auto* push = named(new QPushButton(caption, parent), name);
    push->setToolTip(toolTip);
    if (icon != NoIcon)
        push->setIcon(parent->style()->standardIcon(icon));
    // Said outright, since Qt's own choice depends on whether the window is a dialog.
    push->setAutoDefault(enter == Enter::PressesAsDefault);
    if (enter == Enter::Presses)
        push->installEventFilter(new PressOnEnter(push));
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

QString asciiDigits(const QString& text)
{
    QString ascii = text;
    for (QChar& c : ascii) {
        const char16_t u = c.unicode();
        if (u >= 0x06F0 && u <= 0x06F9)
            c = QChar(u'0' + (u - 0x06F0));
        else if (u >= 0x0660 && u <= 0x0669)
            c = QChar(u'0' + (u - 0x0660));
    }
    return ascii;
}

void keepAsciiDigits(QLineEdit* box)
{
    QObject::connect(box, &QLineEdit::textEdited, box, [box](const QString& text) {
        const QString ascii = asciiDigits(text);
        if (ascii == text)
            return;
        const int caret = box->cursorPosition();
        box->setText(ascii);
        box->setCursorPosition(caret);
    });
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
    QComboBox* combo = named(new QComboBox(parent), name);
    new ListDropper(combo);
    return combo;
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
