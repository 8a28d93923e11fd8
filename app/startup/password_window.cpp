#include "startup/password_window.h"

#include "settings/settings_store.h"
#include "ui/messages.h"

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

    m_passwordBox = new QLineEdit(this);
    m_passwordBox->setObjectName(QStringLiteral("Text1"));
    auto* label = new QLabel(QStringLiteral("رمز عبور جديد :"), this);
    label->setObjectName(QStringLiteral("newPasswordLabel"));
    label->setBuddy(m_passwordBox);

    auto* saveButton = new QPushButton(QStringLiteral("ثبت"), this);
    saveButton->setObjectName(QStringLiteral("Command1"));
    saveButton->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    auto* backButton = new QPushButton(QStringLiteral("بازگشت"), this);
    backButton->setObjectName(QStringLiteral("Command2"));
    backButton->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    connect(saveButton, &QPushButton::clicked, this, &PasswordWindow::save);
    connect(backButton, &QPushButton::clicked, this, &PasswordWindow::reject);

    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->addRow(label, m_passwordBox);
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
