#pragma once

#include <QIcon>
#include <QString>

class QGuiApplication;

// What ties the running program to its desktop entry, its AppStream entry and its icon.
namespace ProgramIdentity {

// The name of the desktop entry, the AppStream component and the themed icon.
QString appId();
// The program's own icon: the icon theme's where an installed copy put it there (so that an
// icon theme may draw it its own way), else the same drawing built into the program.
QIcon icon();
// Gives every window, and so the tray icon, the program's icon, and names the desktop entry
// that a desktop shows for the program's windows.
void apply(QGuiApplication& app);

} // namespace ProgramIdentity
