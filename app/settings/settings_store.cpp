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
    settings.setValue(entry(section, key), value);
    settings.sync();
    return settings.status() == QSettings::NoError;
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
