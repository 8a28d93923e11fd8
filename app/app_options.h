#pragma once

#include <QString>
#include <QStringList>

// The program's command line.
struct AppOptions
{
    // Where dbase.mdb lives: the program folder unless --data-dir names another.
    QString dataDir;

    static AppOptions parse(const QStringList& arguments, const QString& programDir);
};
