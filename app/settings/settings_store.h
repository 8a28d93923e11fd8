#pragma once

#include "settings/setting_keys.h"

#include <QList>
#include <QString>

// The per-user preferences: string values addressed by section and key under the
// application name "KAVIRO . 5.1". Sections and keys are matched without regard to
// letter case ("Set"/"set", "BackColor"/"Backcolor" are one value), so both are
// stored folded to lower case. A value that was never written reads as "".
//
// The file lives in the user's configuration folder ($XDG_CONFIG_HOME), which is
// looked up at every call so that tests can point it at a temporary folder. It holds
// the password, so it is readable and writable by its owner only.
namespace SettingsStore {

inline constexpr const char* ApplicationName = "KAVIRO . 5.1";

struct Value
{
    Value(const QString& section, const QString& key, const QString& value) : section(section), key(key), value(value)
    {}
    Value(const SettingKey& setting, const QString& value) : section(setting.section), key(setting.key), value(value) {}
    QString section;
    QString key;
    QString value;
};

QString read(const QString& section, const QString& key);
// Stores the values together: all of them reach the file, or the file stays as it was and
// false is returned with error set to a Persian sentence naming the file.
bool write(const QList<Value>& values, QString* error = nullptr);
bool write(const QString& section, const QString& key, const QString& value, QString* error = nullptr);

// Readers that need a number keep their old value when the text is empty or not a number.
bool readInt(const QString& section, const QString& key, int& value);
bool readDouble(const QString& section, const QString& key, double& value);

// The same, for a preference named in setting_keys.h.
inline QString read(const SettingKey& setting)
{
    return read(setting.section, setting.key);
}
inline bool write(const SettingKey& setting, const QString& value, QString* error = nullptr)
{
    return write(setting.section, setting.key, value, error);
}
inline bool readInt(const SettingKey& setting, int& value)
{
    return readInt(setting.section, setting.key, value);
}
inline bool readDouble(const SettingKey& setting, double& value)
{
    return readDouble(setting.section, setting.key, value);
}

QString filePath();

} // namespace SettingsStore
