// The menu bar of the main window, the colour commands of the list and the tray icon.
#include "cheques/main_window.h"

#include "settings/settings_store.h"
#include "startup/password_window.h"
#include "ui/data_grid.h"
#include "ui/messages.h"
#include "ui/persian_keyboard.h"
#include "ui/stored_color.h"
#include "ui/widgets.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSystemTrayIcon>
#include <QToolButton>

namespace {

struct MenuItem
{
    const char* name;
    QString caption; // a null caption makes a separator
    void (MainWindow::*command)();
};

struct Menu
{
    const char* name;
    QString caption;
    QList<MenuItem> items;
};

} // namespace

void MainWindow::buildMenuBar()
{
    const QList<Menu> menus = {
        {"SETTing",
         QStringLiteral("تنظيمات"),
         {{"R", QStringLiteral("ايجاد رمز عبور"), &MainWindow::openPasswordWindow},
          {"M", QStringLiteral("مشخصات "), &MainWindow::openOwnerName},
          {"a", QString(), nullptr},
          {"Col", QStringLiteral("رنگ زمينه"), &MainWindow::chooseListBackground},
          {"Font", QStringLiteral("انتخاب قلم"), &MainWindow::openListFont},
          {"CoF", QStringLiteral("رنگ قلم"), &MainWindow::chooseListForeground},
          {"Fac", QStringLiteral(" \"انتخاب قلم \" چاپ فاکتور "), &MainWindow::openListFont},
          {"bb", QString(), nullptr},
          {"Set", QStringLiteral("تنظيمات اجرايي برنامه"), &MainWindow::openPreferences}}},
        {"Save",
         QStringLiteral("ذخيره سازي اطلاعات"),
         {{"Sa", QStringLiteral("ذخيره سازي اطلاعات"), &MainWindow::openBackup},
          {"Re", QStringLiteral("بازيابي اطلاعات"), &MainWindow::openRestore},
          {"abc", QString(), nullptr},
          {"xcvcxb", QStringLiteral("انتقال اطلاعات به اكسل"), &MainWindow::exportList},
          {"regSep", QString(), nullptr},
          {"regChoose", QStringLiteral("بانک اطلاعاتی دفتر ..."), &MainWindow::openRegisterChoice},
          {"regMove", QStringLiteral("انتقال دفتر به بانک اطلاعاتی دیگر ..."), &MainWindow::moveRegister}}},
        {"Help", QStringLiteral("کمک"), {{"Chek", QStringLiteral("چک کردن اطلاعات امروز"), &MainWindow::openReminder}}},
        {"hhhh",
         QStringLiteral("هزينه ها"),
         {{"asasas", QStringLiteral("نرم افزار ثبت هزينه"), &MainWindow::openExpenses}}},
    };
    QMenuBar* bar = menuBar();
    for (const Menu& menu : menus) {
        QMenu* sub = Widgets::named(bar->addMenu(menu.caption), menu.name);
        for (const MenuItem& item : menu.items) {
            QAction* action = item.caption.isNull() ? Widgets::named(sub->addSeparator(), item.name)
                                                    : Widgets::menuItem(sub, item.name, item.caption);
            if (item.command)
                connect(action, &QAction::triggered, this, item.command);
        }
    }
    // The About item has no menu of its own: a click on it opens the window.
    QAction* about = Widgets::named(bar->addAction(QStringLiteral("درباره ...")), "abiout");
    connect(about, &QAction::triggered, this, &MainWindow::openAbout);

    // Which letters the text boxes type, in the corner of the bar; a click switches, as the shortcut does.
    auto* keyboard = new QToolButton(bar);
    keyboard->setObjectName(QStringLiteral("KeyboardState"));
    keyboard->setAutoRaise(true);
    keyboard->setFocusPolicy(Qt::NoFocus);
    PersianKeyboard& layout = PersianKeyboard::instance();
    auto show = [keyboard, &layout] {
        keyboard->setText(layout.stateText());
        keyboard->setToolTip(layout.toolTipText());
    };
    show();
    connect(&layout, &PersianKeyboard::enabledChanged, keyboard, show);
    connect(keyboard, &QToolButton::clicked, &layout, &PersianKeyboard::toggle);
    bar->setCornerWidget(keyboard, Qt::TopRightCorner);
}

void MainWindow::addTrayIcon()
{
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        return;
    m_tray = new QSystemTrayIcon(windowIcon(), this);
    m_tray->setObjectName(QStringLiteral("TrayIcon"));
    m_tray->setToolTip(QStringLiteral("کاويرو"));
    m_tray->show();
}

void MainWindow::chooseListBackground()
{
    chooseListColor(QPalette::Base, Settings::ListBackColor);
}

void MainWindow::chooseListForeground()
{
    chooseListColor(QPalette::Text, Settings::ListForeColor);
}

void MainWindow::chooseListColor(QPalette::ColorRole role, const SettingKey& setting)
{
    // A cancelled chooser leaves the list as it is.
    const QColor color = Messages::chooseColor(this, m_grid->palette().color(role));
    if (!color.isValid())
        return;
    SettingsStore::write(setting, storedColor(color));
    applyAppearance();
}

void MainWindow::openPasswordWindow()
{
    PasswordWindow window(this);
    runModal(window);
}
