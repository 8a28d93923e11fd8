// The windows the main window opens from its buttons and menus.
#include "cheques/main_window.h"

#include "backup/backup_window.h"
#include "backup/restore_window.h"
#include "banks/banks_window.h"
#include "cheques/archive_window.h"
#include "cheques/export_command.h"
#include "data/data_control.h"
#include "data/database.h"
#include "data/failure_text.h"
#include "data/register_copy.h"
#include "expenses/expense_register.h"
#include "reports/print_settings_dialog.h"
#include "startup/about_window.h"
#include "startup/list_font_window.h"
#include "startup/owner_name_window.h"
#include "startup/preferences_window.h"
#include "startup/register_choice.h"
#include "startup/register_window.h"
#include "startup/reminder_window.h"
#include "ui/data_grid.h"
#include "ui/messages.h"

#include <QApplication>
#include <QCloseEvent>
#include <QSystemTrayIcon>

void MainWindow::exportList()
{
    exportChequeList(m_database, this);
}

void MainWindow::openAbout()
{
    AboutWindow window(this);
    runModal(window);
}

void MainWindow::openArchive()
{
    ArchiveWindow window(m_database, this);
    connect(&window, &ArchiveWindow::printWanted, this,
            [this, &window] { openPrintSettings(QStringLiteral("2"), window); });
    runModal(window);
}

void MainWindow::openBanks()
{
    BanksWindow window(m_database, this);
    runModal(window);
}

void MainWindow::openPrintSettings(const QString& mode, QWidget& parent)
{
    PrintSettingsDialog dialog(m_database, &parent);
    dialog.setMode(mode);
    if (&parent == this)
        runModal(dialog);
    else
        dialog.exec();
}

void MainWindow::openExpenses()
{
    ExpenseRegister window(m_database, this);
    runModal(window);
}

void MainWindow::openBackup()
{
    BackupWindow window(m_database, this);
    connect(&window, &BackupWindow::quitRequested, this, &MainWindow::quitProgram);
    runModal(window);
}

void MainWindow::openRestore()
{
    RestoreWindow window(m_database, this);
    connect(&window, &RestoreWindow::restored, m_cheques, &DataControl::refresh);
    runModal(window);
}

void MainWindow::openRegisterChoice()
{
    // The register in use is shown, whether the settings or the command line named it.
    RegisterWindow window(RegisterWindow::Purpose::Choose, m_database.location(), this);
    runModal(window);
}

void MainWindow::moveRegister()
{
    // The other kind of register is offered: this PC's file moves to a server, and back.
    RegisterLocation offered = m_database.location();
    offered.server = !offered.server;
    RegisterWindow window(RegisterWindow::Purpose::MoveTarget, offered, this);
    if (runModal(window) != QDialog::Accepted)
        return;
    RegisterLocation chosen;
    QString error;
    if (!window.location(&chosen, &error))
        return;
    if (!chosen.server && !m_database.isServer()) {
        Messages::show(this, QStringLiteral("دفتر هم‌اکنون در فایل همین رایانه است."),
                       Messages::Icon::Warning);
        return;
    }
    Database target(m_database.dataDir(), chosen);
    if (RegisterChoice::open(target, this) == Database::OpenResult::Failed) {
        Messages::show(this, target.errorText(), Messages::Icon::Critical);
        return;
    }
    QStringList report;
    if (!RegisterCopy::copy(m_database, target, RegisterCopy::Target::MustBeEmpty, &report, &error)) {
        Messages::show(this, error, Messages::Icon::Critical);
        return;
    }
    Messages::show(this, QStringLiteral("دفتر به %1 منتقل شد و ارقام هر جدول با این دفتر یکی است:\n%2")
                             .arg(FailureText::quotedPath(target.filePath()), report.join(QLatin1Char('\n'))));
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (m_quitting) {
        event->accept();
        return;
    }
    // The close box leads through the backup window. The program ends after a backup there or
    // through its exit button (quitRequested); leaving it without either takes the user back.
    event->ignore();
    openBackup();
}

void MainWindow::quitProgram()
{
    if (m_quitting)
        return;
    m_quitting = true;
    if (m_tray)
        m_tray->hide();
    // The database closes when the program's scope ends, after the last window is gone.
    QCoreApplication::quit();
}

void MainWindow::openOwnerName()
{
    OwnerNameWindow window(this);
    connect(&window, &OwnerNameWindow::ownerNameChanged, this,
            [this](const QString& owner) { setWindowTitle(OwnerNameWindow::mainWindowTitle(owner)); });
    runModal(window);
}

void MainWindow::openListFont()
{
    ListFontWindow window(m_grid->font(), this);
    connect(&window, &ListFontWindow::fontChanged, m_grid, &QWidget::setFont);
    runModal(window);
}

void MainWindow::openPreferences()
{
    PreferencesWindow window(m_database.dataDir(), this);
    runModal(window);
}

void MainWindow::openReminder()
{
    ReminderWindow window(m_database, this);
    runModal(window);
}
