#pragma once

#include <QString>

class Database;
class QWidget;

// At start the database file is checked page by page in the background, while the list is
// already shown. When the check finds the file damaged, the user is told so over window and
// pointed to a restore from a backup. The check lives as long as window.
namespace DamageWarning {

void watch(const Database& database, QWidget* window);

// The message shown for a damaged file; report is what the check found.
QString text(const QString& databaseFile, const QString& report);

} // namespace DamageWarning
