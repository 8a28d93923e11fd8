#include "startup/password_window.h"

#include "settings/settings_store.h"
#include "ui/messages.h"
#include "ui/persian_keyboard.h"
#include "ui/widgets.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {
constexpr int PasswordMinimumWidth = 320;
}

PasswordWindow::PasswordWindow(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("رمز عبور براي برنامه  ..."));
    setLayoutDirection(Qt::RightToLeft);

    using namespace Widgets;
    m_passwordBox = textBox(this, "Text1");
    // The login window reads the password with the keys' Latin letters; it is set with the same.
    PersianKeyboard::keepLatin(m_passwordBox);
    auto* caption = labelFor(m_passwordBox, "newPasswordLabel", QStringLiteral("رمز عبور جديد :"));

    // One box and its save: Enter in the box saves, as it always has.
    auto* saveButton =
        button(this, "Command1", QStringLiteral("ثبت"), Enter::PressesAsDefault, QStyle::SP_DialogSaveButton);
    auto* backButton = button(this, "Command2", QStringLiteral("بازگشت"), Enter::Presses, QStyle::SP_DialogCloseButton);
    connect(saveButton, &QPushButton::clicked, this, &PasswordWindow::save);
    connect(backButton, &QPushButton::clicked, this, &PasswordWindow::reject);

    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->addRow(caption, m_passwordBox);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(saveButton);
    buttons->addWidget(backButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    setMinimumWidth(PasswordMinimumWidth);
}

void PasswordWindow::save()
{
    QString error;
    if (!SettingsStore::write(Settings::Password, m_passwordBox->text(), &error)) {
        Messages::show(this, QStringLiteral("رمز عبور ثبت نشد.\n") + error, Messages::Icon::Critical);
        return;
    }
    Messages::show(this, QStringLiteral("ثبت شد"), Messages::Icon::None);
}
