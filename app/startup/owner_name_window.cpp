#include "startup/owner_name_window.h"

#include "calendar/jalali.h"
#include "data/clock.h"
#include "settings/settings_store.h"
#include "ui/messages.h"
#include "ui/widgets.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {
// Room for a shop's full name without scrolling.
constexpr int NameBoxMinimumWidth = 300;
// The caption (the login window's) starts with its colon, written for a label read left to
// right; the mark keeps the colon at the end of the right-to-left words.
constexpr char16_t LeftToRightMark = u'\u200E';
} // namespace

OwnerNameWindow::OwnerNameWindow(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("مشخصات برنامه ..."));
    setLayoutDirection(Qt::RightToLeft);

    using namespace Widgets;
    m_nameBox = textBox(this, "Text1");
    m_nameBox->setText(SettingsStore::read(Settings::OwnerName));
    m_nameBox->setMinimumWidth(NameBoxMinimumWidth);
    auto* caption =
        labelFor(m_nameBox, "ownerLabel", QChar(LeftToRightMark) + QStringLiteral(" :اين نرم افزار متعلق به "));

    // One box and its save: Enter in the box saves, as it always has.
    auto* save = button(this, "Command1", QStringLiteral("ثبت"), Enter::PressesAsDefault, QStyle::SP_DialogSaveButton,
                        QStringLiteral("ثبت اطلاعات"));
    auto* back = button(this, "F", QStringLiteral("بازگشت"), Enter::Presses, QStyle::SP_DialogCloseButton);
    connect(save, &QPushButton::clicked, this, &OwnerNameWindow::save);
    connect(back, &QPushButton::clicked, this, &OwnerNameWindow::reject);

    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->addRow(caption, m_nameBox);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(back);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetMinimumSize);
}

QString OwnerNameWindow::mainWindowTitle(const QString& ownerName)
{
    return ownerName + QStringLiteral("     ") + JalaliDateString(Clock::today(), 3);
}

void OwnerNameWindow::save()
{
    const QString name = m_nameBox->text();
    QString error;
    if (!SettingsStore::write(Settings::OwnerName, name, &error)) {
        Messages::show(this, QStringLiteral("نام ثبت نشد.\n") + error, Messages::Icon::Critical);
        return;
    }
    emit ownerNameChanged(name);
    Messages::show(this, QStringLiteral("ثبت شد"), Messages::Icon::None);
}
