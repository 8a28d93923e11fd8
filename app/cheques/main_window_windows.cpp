// The windows the main window opens from its buttons and menus.
#include "cheques/main_window.h"

void MainWindow::openOwnerName() {}
void MainWindow::openListFont() {}
void MainWindow::openPreferences() {}
void MainWindow::openBackup() {}
void MainWindow::openRestore() {}
void MainWindow::exportList() {}
void MainWindow::openReminder() {}
void MainWindow::openExpenses() {}
void MainWindow::openAbout() {}
