#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The program's command line.
struct AppOptions
{
    // Where dbase.mdb lives: the folder --data-dir names; without it the program folder of a copy
    // that carries the marker file beside it (a build folder), else the user's data folder, since
    // the program folder of an installed copy is not the user's to write in.
    QString dataDir;
    // The register named by --database: "" for the one chosen in the settings, else the URI of a
    // PostgreSQL database or "local" for this PC's file.
    QString database;
    // --copy-register FROM TO: a register copied into an empty one, without windows. Each is a
    // server URI or the folder of a local register file.
    QString copyFrom;
    QString copyTo;
    bool copyRegister() const { return !copyFrom.isEmpty() && !copyTo.isEmpty(); }

    // programDir is the folder of the executable, dataHome the user's XDG data home.
    static AppOptions parse(const QStringList& arguments, const QString& programDir, const QString& dataHome);

    // The file whose presence beside the executable keeps the data in the program folder.
    static QString localDataMarker();
    // The user's data folder of an installed copy: KAVIRO in dataHome.
    static QString userDataDir(const QString& dataHome);

    // The text that --version or --help prints, when one of them is on the command line.
    static std::optional<QString> terminalText(const QStringList& arguments);
    // Prints that text before any window system is needed; true when the program should end.
    static bool answerOnTerminal(int argc, char* argv[]);
};
