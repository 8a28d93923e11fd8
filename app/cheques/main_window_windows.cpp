// The windows the main window opens from its buttons and menus.
#include "cheques/main_window.h"

#include "banks/banks_window.h"
#include "cheques/archive_window.h"
#include "cheques/export_command.h"
#include "startup/about_window.h"

void MainWindow::openOwnerName() {}
void MainWindow::openListFont() {}
void MainWindow::openPreferences() {}
void MainWindow::openBackup() {}
void MainWindow::openRestore() {}
void MainWindow::openReminder() {}
void MainWindow::openExpenses() {}

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

void MainWindow::openPrintSettings(const QString&, QWidget&) {}
