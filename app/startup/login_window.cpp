#include "startup/login_window.h"

#include "calendar/jalali.h"
#include "data/clock.h"
#include "settings/settings_store.h"
#include "startup/single_instance.h"
#include "ui/enter_path.h"
#include "ui/messages.h"

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

QLineEdit* readOnlyBox(const char* name, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    return box;
}

QLabel* labelFor(const char* name, const QString& text, QWidget* buddy)
{
    auto* label = new QLabel(text, buddy->parentWidget());
    label->setObjectName(QLatin1String(name));
    label->setBuddy(buddy);
    return label;
}

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
    m_ownerBox = readOnlyBox("Text1", this);
    m_dateBox = readOnlyBox("Text2", this);
    m_timeBox = readOnlyBox("Text3", this);

    m_passwordBox = new QLineEdit(this);
    m_passwordBox->setObjectName(QStringLiteral("Text4"));
    m_passwordBox->setEchoMode(QLineEdit::Password);
    // Every typed character shows as an asterisk, whatever mask the desktop's style prefers.
    m_passwordBox->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));

    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->addRow(labelFor("Label1", QStringLiteral(" :اين نرم افزار متعلق به "), m_ownerBox), m_ownerBox);
    form->addRow(labelFor("Label2", QStringLiteral(" : تاريخ"), m_dateBox), m_dateBox);
    form->addRow(labelFor("Label3", QStringLiteral(" : ساعت"), m_timeBox), m_timeBox);
    form->addRow(labelFor("Label4", QStringLiteral(" : رمز عبور"), m_passwordBox), m_passwordBox);

    m_enterButton = new QPushButton(QStringLiteral("ورود"), this);
    m_enterButton->setObjectName(QStringLiteral("Command2"));
    m_enterButton->setToolTip(QStringLiteral("ورود  به برنامه"));
    m_enterButton->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    m_exitButton = new QPushButton(QStringLiteral("خروج"), this);
    m_exitButton->setObjectName(QStringLiteral("Command1"));
    m_exitButton->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));

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
