#include "startup/login_window.h"

#include "calendar/jalali.h"
#include "data/clock.h"
#include "settings/settings_store.h"
#include "startup/single_instance.h"
#include "ui/enter_path.h"
#include "ui/messages.h"
#include "ui/persian_keyboard.h"
#include "ui/widgets.h"

#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// Any interval up to a second keeps the minute shown current.
constexpr int ClockTickMs = 500;
constexpr int BoxMargin = 8;
constexpr int LoginMinimumWidth = 340;

} // namespace

bool ensureSingleCopy(SingleInstance& instance, QWidget* parent)
{
    switch (instance.lock()) {
    case SingleInstance::Result::Locked:
        return true;
    case SingleInstance::Result::HeldByRunningCopy:
        Messages::show(parent, QStringLiteral(" .نرم افزار کاويرو فعال ميباشد "), Messages::Icon::Critical);
        return false;
    case SingleInstance::Result::Failed:
        break;
    }
    // Saying that a copy runs when none does would leave the user no way in.
    Messages::show(parent, instance.errorText(), Messages::Icon::Critical);
    return false;
}

LoginWindow::LoginWindow(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("ورود به برنامه ..."));
    setLayoutDirection(Qt::RightToLeft);
    buildControls();

    m_ownerBox->setText(SettingsStore::read(Settings::OwnerName));
    m_dateBox->setText(JalaliDateString(Clock::today(), 3));
    m_dateBox->setMinimumWidth(m_dateBox->fontMetrics().horizontalAdvance(m_dateBox->text()) + 4 * BoxMargin);
    showTime();

    m_clockTimer = new QTimer(this);
    m_clockTimer->setObjectName(QStringLiteral("Timer1"));
    m_clockTimer->setInterval(ClockTickMs);
    connect(m_clockTimer, &QTimer::timeout, this, &LoginWindow::showTime);
    m_clockTimer->start();

    moveFocusOnEnter(m_passwordBox, m_enterButton);
    connect(m_enterButton, &QPushButton::clicked, this, &LoginWindow::enter);
    connect(m_exitButton, &QPushButton::clicked, this, &LoginWindow::reject);
}

void LoginWindow::buildControls()
{
    using namespace Widgets;
    m_ownerBox = readOnlyBox(this, "Text1");
    m_dateBox = readOnlyBox(this, "Text2");
    m_timeBox = readOnlyBox(this, "Text3");
    // The figures are shown only; the focus goes straight to the password.
    for (QLineEdit* shown : {m_ownerBox, m_dateBox, m_timeBox})
        shown->setFocusPolicy(Qt::NoFocus);

    m_passwordBox = textBox(this, "Text4");
    m_passwordBox->setEchoMode(QLineEdit::Password);
    // A password is typed with the keys' Latin letters whichever layout the program types in,
    // as the password window stores it: otherwise a keyboard switched on at start locks the
    // user out.
    PersianKeyboard::keepLatin(m_passwordBox);
    // Every typed character shows as an asterisk, whatever mask the desktop's style prefers.
    m_passwordBox->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));

    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->addRow(labelFor(m_ownerBox, "Label1", QStringLiteral(" :اين نرم افزار متعلق به ")), m_ownerBox);
    form->addRow(labelFor(m_dateBox, "Label2", QStringLiteral(" : تاريخ")), m_dateBox);
    form->addRow(labelFor(m_timeBox, "Label3", QStringLiteral(" : ساعت")), m_timeBox);
    form->addRow(labelFor(m_passwordBox, "Label4", QStringLiteral(" : رمز عبور")), m_passwordBox);

    m_enterButton = button(this, "Command2", QStringLiteral("ورود"), Enter::Presses, QStyle::SP_DialogOkButton,
                           QStringLiteral("ورود  به برنامه"));
    m_exitButton = button(this, "Command1", QStringLiteral("خروج"), Enter::Presses, QStyle::SP_DialogCloseButton);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_enterButton);
    buttons->addWidget(m_exitButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    setMinimumWidth(LoginMinimumWidth);
}

void LoginWindow::showTime()
{
    m_timeBox->setText(QLocale().toString(Clock::now().time(), QLocale::ShortFormat));
}

void LoginWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_passwordBox->setFocus(Qt::ActiveWindowFocusReason);
}

void LoginWindow::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        m_passwordBox->setFocus(Qt::ActiveWindowFocusReason);
}

void LoginWindow::enter()
{
    // A settings read that fails yields "", the same as no password at all.
    const QString stored = SettingsStore::read(Settings::Password);
    if (m_passwordBox->text() == stored) {
        accept();
        return;
    }
    Messages::show(this, QStringLiteral(" .رمز عبور وارد شده معتبر نيست "), Messages::Icon::Information);
    m_passwordBox->setFocus(Qt::OtherFocusReason);
    m_passwordBox->clear();
    if (++m_failedAttempts >= MaxAttempts) {
        Messages::show(this, QStringLiteral(" !غير قابل دسترس "), Messages::Icon::Critical);
        reject();
    }
}
