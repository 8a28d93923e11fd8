#include "settings/autostart.h"

#include "data/complete_file.h"
#include "data/failure_text.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
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

bool setStartAtLogon(bool on, const QString& dataDir, const QString& executable, QString* error)
{
    const QString exe = executable.isEmpty() ? QCoreApplication::applicationFilePath() : executable;
    const QString folder = QFileInfo(entryPath()).absolutePath();
    if (!QDir().mkpath(folder)) {
        if (error)
            *error =
                QStringLiteral(
                    "فایل اجرای خودکار %1 نوشته نشد: پوشه %2 ساخته نمی‌شود.")
                    .arg(FailureText::quotedPath(entryPath()), FailureText::quotedPath(folder));
        return false;
    }
    QString text = QStringLiteral("[Desktop Entry]\n"
                                  "Type=Application\n"
                                  "Name=KAVIRO\n"
                                  "Comment=Cheque register\n");
    text += QLatin1String("Exec=") + execLine(exe, dataDir) + QLatin1Char('\n');
    text += QLatin1String("Hidden=") + QLatin1String(on ? "false" : "true") + QLatin1Char('\n');
    text += QLatin1String("X-GNOME-Autostart-enabled=") + QLatin1String(on ? "true" : "false") + QLatin1Char('\n');
    return CompleteFile::writeAll(entryPath(), text.toUtf8(), error);
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
