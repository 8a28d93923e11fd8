#include "settings/autostart.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace Autostart {

QString entryPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QLatin1String("/autostart/KAVIRO.desktop");
}

namespace {

// An argument of an Exec line: in double quotes, with ", `, $ and \ escaped by a backslash.
QString quotedArgument(const QString& argument)
{
    QString escaped;
    for (const QChar c : argument) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            escaped += QLatin1Char('\\');
        escaped += c;
    }
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

// The Exec line is itself a string value, read with the string escapes (\\, \n, \t, \r)
// before its quoting, and "%" starts a field code there.
QString asExecValue(const QString& commandLine)
{
    QString value;
    for (const QChar c : commandLine) {
        if (c == QLatin1Char('\\'))
            value += QLatin1String("\\\\");
        else if (c == QLatin1Char('\n'))
            value += QLatin1String("\\n");
        else if (c == QLatin1Char('\t'))
            value += QLatin1String("\\t");
        else if (c == QLatin1Char('\r'))
            value += QLatin1String("\\r");
        else if (c == QLatin1Char('%'))
            value += QLatin1String("%%");
        else
            value += c;
    }
    return value;
}

} // namespace

QString execLine(const QString& executable, const QString& dataDir)
{
    return asExecValue(quotedArgument(executable) + QLatin1String(" --data-dir ") + quotedArgument(dataDir));
}

bool setStartAtLogon(bool on, const QString& dataDir, const QString& executable)
{
    const QString exe = executable.isEmpty() ? QCoreApplication::applicationFilePath() : executable;
    QDir().mkpath(QFileInfo(entryPath()).absolutePath());
    QSaveFile file(entryPath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    QString text = QStringLiteral("[Desktop Entry]\n"
                                  "Type=Application\n"
                                  "Name=KAVIRO\n"
                                  "Comment=Cheque register\n");
    text += QLatin1String("Exec=") + execLine(exe, dataDir) + QLatin1Char('\n');
    text += QLatin1String("Hidden=") + QLatin1String(on ? "false" : "true") + QLatin1Char('\n');
    text += QLatin1String("X-GNOME-Autostart-enabled=") + QLatin1String(on ? "true" : "false") + QLatin1Char('\n');
    file.write(text.toUtf8());
    return file.commit();
}

bool isEnabled()
{
    QFile file(entryPath());
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    const QString text = QString::fromUtf8(file.readAll());
    return !text.contains(QLatin1String("\nHidden=true"));
}

} // namespace Autostart
