#include "startup/preferences_window.h"

#include "settings/autostart.h"
#include "settings/settings_store.h"
#include "ui/messages.h"
#include "ui/persian_keyboard.h"
#include "ui/widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

QString checkState(const QCheckBox* box)
{
    return box->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

PreferencesWindow::PreferencesWindow(const QString& dataDir, QWidget* parent) : QDialog(parent), m_dataDir(dataDir)
{
    setObjectName(QStringLiteral("Form13"));
    setWindowTitle(QStringLiteral("تنظيمات پيشرفته"));
    setLayoutDirection(Qt::RightToLeft);
    buildControls();
    load();
}

void PreferencesWindow::buildControls()
{
    using namespace Widgets;
    m_keyboardAtStart =
        checkBox(this, "Check1", QStringLiteral("تغيير زبان صفحه کليد از انگليسي به فارسي در هنگام اجراي برنامه"));
    m_keyboardAtStart->setToolTip(PersianKeyboard::switchHint());
    m_startAtLogon = checkBox(this, "Check2", QStringLiteral("فعال کردن اجراي اتوماتيک برنامه در هنگام شروع ويندوز"));
    m_reminderAtStart =
        checkBox(this, "Check3", QStringLiteral("نمايش - چک  کردن اطلاعات امروز - در هنگام اجراي برنامه"));

    m_dayGroup = named(new QGroupBox(this), "AeroGroupBox1");
    // The window keeps its size while the group comes and goes with its box.
    keepPlaceWhenHidden(m_dayGroup);
    m_dayCount = comboBox(m_dayGroup, "Combo1");
    m_dayCount->addItems(
        {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5")});
    m_dayCount->setCurrentIndex(-1);
    m_dayCount->setMinimumContentsLength(3);
    auto* before = labelFor(m_dayCount, "Label1", QStringLiteral("نمايش اطلاعات چك قبل از "));
    auto* days = label(m_dayGroup, "Label2", QStringLiteral("روز"));
    auto* dayRow = new QHBoxLayout(m_dayGroup);
    dayRow->addWidget(before);
    dayRow->addWidget(m_dayCount);
    dayRow->addWidget(days);
    dayRow->addStretch();

    auto* save = button(this, "AeroButton1", QStringLiteral("ثبت"), Enter::Presses, QStyle::SP_DialogSaveButton);
    auto* back = button(this, "AeroButton2", QStringLiteral("بازگشت"), Enter::Presses, QStyle::SP_DialogCloseButton);
    connect(save, &QPushButton::clicked, this, &PreferencesWindow::save);
    connect(back, &QPushButton::clicked, this, &PreferencesWindow::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(back);

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(10);
    layout->addWidget(m_keyboardAtStart);
    layout->addWidget(m_startAtLogon);
    layout->addWidget(m_reminderAtStart);
    layout->addWidget(m_dayGroup);
    layout->addSpacing(4);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    m_dayGroup->setVisible(m_reminderAtStart->isChecked());
    connect(m_reminderAtStart, &QCheckBox::toggled, m_dayGroup, &QWidget::setVisible);
    connect(m_startAtLogon, &QCheckBox::toggled, this, &PreferencesWindow::startAtLogonToggled);
}

void PreferencesWindow::load()
{
    // A stored "1" or "0" sets its box, and a box that changes runs its action, so a stored
    // start at logon rewrites the entry with the program as it runs now. Anything else leaves
    // the box as it is.
    const QList<QPair<QCheckBox*, SettingKey>> boxes = {{m_keyboardAtStart, Settings::PersianKeyboardAtStart},
                                                        {m_startAtLogon, Settings::StartAtLogon},
                                                        {m_reminderAtStart, Settings::ReminderAtStart}};
    for (const auto& [box, setting] : boxes) {
        const QString stored = SettingsStore::read(setting);
        if (stored == QLatin1String("1") || stored == QLatin1String("0"))
            box->setChecked(stored == QLatin1String("1"));
    }
    // The stored day count is shown, so that saving the other options does not wipe it.
    m_dayCount->setCurrentIndex(m_dayCount->findText(SettingsStore::read(Settings::ReminderDays).trimmed()));
}

void PreferencesWindow::startAtLogonToggled(bool on)
{
    QString error;
    if (!Autostart::setStartAtLogon(on, m_dataDir, QCoreApplication::applicationFilePath(), &error))
        Messages::show(this, QStringLiteral("اجراي خودکار برنامه تنظيم نشد.\n") + error, Messages::Icon::Critical);
}

void PreferencesWindow::save()
{
    QString error;
    if (!SettingsStore::write({{Settings::PersianKeyboardAtStart, checkState(m_keyboardAtStart)},
                               {Settings::StartAtLogon, checkState(m_startAtLogon)},
                               {Settings::ReminderAtStart, checkState(m_reminderAtStart)},
                               {Settings::ReminderDays, m_dayCount->currentText()}},
                              &error)) {
        Messages::show(this, QStringLiteral("تنظيمات ثبت نشد.\n") + error, Messages::Icon::Critical);
        return;
    }
    Messages::show(this, QStringLiteral("اطاعلات درخواستي ثبت شد"), Messages::Icon::Information);
}
