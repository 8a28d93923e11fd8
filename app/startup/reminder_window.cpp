#include "startup/reminder_window.h"

#include "data/clock.h"
#include "data/data_control.h"
#include "data/database.h"
#include "data/due_cheques.h"
#include "data/failure_text.h"
#include "settings/settings_store.h"
#include "ui/messages.h"
#include "ui/widgets.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

constexpr char16_t LeftToRightMark = u'\u200E';

} // namespace

ReminderWindow::ReminderWindow(Database& database, QWidget* parent)
    : QDialog(parent), m_cheques(new DataControl(database, this))
{
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("ياد آوري ..."));
    setLayoutDirection(Qt::RightToLeft);
    buildControls();
    count();
}

void ReminderWindow::buildControls()
{
    using namespace Widgets;
    auto* icon = label(this, "reminderIcon", QString());
    const int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation, nullptr, this).pixmap(iconSize));
    icon->setAlignment(Qt::AlignTop);

    m_days = label(this, "Label5", QString());
    m_count = label(this, "Label2", QString());
    for (QLabel* figure : {m_days, m_count}) {
        QFont bold = figure->font();
        bold.setBold(true);
        figure->setFont(bold);
    }
    // The closing words begin with their full stop, written for a label read left to right,
    // where the stop lands at the end of the right-to-left sentence. A label takes its reading
    // direction from its first letter, so a left-to-right mark goes in front.
    QLabel* closing = label(this, "Label3", QChar(LeftToRightMark) + QStringLiteral(" .مي باشد"));

    auto* sentence = new QHBoxLayout;
    sentence->setSpacing(4);
    sentence->addWidget(label(this, "Label1", QStringLiteral("تعداد چک هاي ثبت شده براي  ")));
    sentence->addWidget(m_days);
    sentence->addWidget(label(this, "Label6", QStringLiteral(" روز آينده")));
    sentence->addWidget(m_count);
    sentence->addWidget(label(this, "Label4", QStringLiteral("عدد")));
    sentence->addWidget(closing);
    sentence->addStretch();

    auto* message = new QHBoxLayout;
    message->setSpacing(14);
    message->addWidget(icon);
    message->addLayout(sentence, 1);

    auto* back =
        button(this, "AeroButton1", QStringLiteral("بازگشت"), Enter::PressesAsDefault, QStyle::SP_DialogCloseButton);
    connect(back, &QPushButton::clicked, this, &ReminderWindow::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(back);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 12);
    layout->addLayout(message);
    layout->addSpacing(12);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void ReminderWindow::count()
{
    const QString stored = SettingsStore::read(Settings::ReminderDays);
    const std::optional<int> days = DueCheques::dayCount(stored);
    // A day count that is not a number is not shown; the count then covers every cheque.
    m_days->setText(days ? stored : QString());

    m_cheques->setRecordSource(DueCheques::source(Clock::today(), days));
    if (!m_cheques->refresh()) {
        m_dueCount = -1;
        m_count->setText(QStringLiteral("?"));
        Messages::show(
            this,
            FailureText::about(
                QStringLiteral("چک‌هاي سررسيد از بانک اطلاعاتی %1 خوانده نشد."),
                m_cheques->database().filePath(), m_cheques->errorText()),
            Messages::Icon::Critical);
        return;
    }
    m_dueCount = m_cheques->recordCount();
    m_count->setText(QString::number(m_dueCount));
}

bool ReminderWindow::wantedAtStart()
{
    int wanted = 0;
    return SettingsStore::readInt(Settings::ReminderAtStart, wanted) && wanted == 1;
}

bool ReminderWindow::showAtStartIfWanted(Database& database, QWidget* parent)
{
    if (!wantedAtStart())
        return false;
    ReminderWindow reminder(database, parent);
    reminder.exec();
    return true;
}
