#pragma once

#include <QString>

// Starting the program when the user logs on: an XDG autostart entry "KAVIRO.desktop"
// whose Exec is the running executable. Switching it off keeps the entry and marks it
// Hidden=true, which desktops read as "do not start this".
namespace Autostart {

QString entryPath();
// Returns false when the entry could not be written completely; error then says so in Persian,
// naming the file, and an entry already there is left as it was.
bool setStartAtLogon(bool on, const QString& executable = QString(), QString* error = nullptr);
bool isEnabled();

} // namespace Autostart
