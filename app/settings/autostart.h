#pragma once

#include <QString>

// Starting the program when the user logs on: an XDG autostart entry "KAVIRO.desktop"
// whose Exec is the running executable on the data folder in use, since a start without
// --data-dir may find another register (or none) than the one the user switched it on in. Switching it off keeps the
// entry and marks it Hidden=true, which desktops read as "do not start this".
namespace Autostart {

QString entryPath();
// The Exec value that starts executable on the register in dataDir. Each argument is quoted and
// escaped as desktop entries require, so any folder name, Persian or with blanks, quotes, "$",
// "%" or backslashes, reaches the program unchanged.
QString execLine(const QString& executable, const QString& dataDir);
// Writes the entry for the program on the register in dataDir (the running executable unless
// another is named). Returns false when the entry could not be written completely; error then
// says so in Persian, naming the file, and an entry already there is left as it was.
bool setStartAtLogon(bool on, const QString& dataDir, const QString& executable = QString(), QString* error = nullptr);
bool isEnabled();

} // namespace Autostart
