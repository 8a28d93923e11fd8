#include "settings/settings_store.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace SettingsStore {

namespace {

QString entry(const QString& section, const QString& key)
{
    return section.toLower() + QLatin1Char('/') + key.toLower();
}

} // namespace

QString filePath()
{
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return dir + QLatin1Char('/') + QLatin1String(ApplicationName) + QLatin1String(".ini");
}

QString read(const QString& section, const QString& key)
{
    QSettings settings(filePath(), QSettings::IniFormat);
    return settings.value(entry(section, key)).toString();
}

bool write(const QString& section, const QString& key, const QString& value)
{
    QDir().mkpath(QFileInfo(filePath()).absolutePath());
    QSettings settings(filePath(), QSettings::IniFormat);
    const QString name = entry(section, key);
    const QVariant previous = settings.value(name);
    settings.setValue(name, value);
    settings.sync();
    if (settings.status() == QSettings::NoError)
        return true;
    // The process keeps what it read from the file in memory; a value that never reached the
    // file must not be read back later as if it had.
    if (previous.isValid())
        settings.setValue(name, previous);
    else
        settings.remove(name);
    return false;
}

bool readInt(const QString& section, const QString& key, int& value)
{
    bool ok = false;
    const int v = read(section, key).trimmed().toInt(&ok);
    if (ok)
        value = v;
    return ok;
}

bool readDouble(const QString& section, const QString& key, double& value)
{
    bool ok = false;
    const double v = read(section, key).trimmed().toDouble(&ok);
    if (ok)
        value = v;
    return ok;
}

} // namespace SettingsStore
