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

// Desktop entries quote arguments with double quotes and escape ", `, $ and \ inside them.
QString quoted(const QString& path)
{
    QString escaped = path;
    for (const QChar c : {QLatin1Char('\\'), QLatin1Char('"'), QLatin1Char('`'), QLatin1Char('$')})
        escaped.replace(c, QLatin1String("\\") + c);
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

} // namespace

bool setStartAtLogon(bool on, const QString& executable, QString* error)
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
    text += QLatin1String("Exec=") + quoted(exe) + QLatin1Char('\n');
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
