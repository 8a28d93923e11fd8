#include "settings/settings_store.h"

#include "data/complete_file.h"
#include "data/failure_text.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/stat.h>

namespace SettingsStore {

namespace {

QString entry(const QString& section, const QString& key)
{
    return section.toLower() + QLatin1Char('/') + key.toLower();
}

QString notWritten(const QString& path, const QString& reason)
{
    return QStringLiteral("فایل تنظیمات %1 نوشته نشد: %2.").arg(FailureText::quotedPath(path), reason);
}

bool sameValues(const QSettings& a, const QSettings& b)
{
    QStringList keys = a.allKeys();
    QStringList otherKeys = b.allKeys();
    keys.sort();
    otherKeys.sort();
    if (keys != otherKeys)
        return false;
    for (const QString& key : keys) {
        if (a.value(key).toString() != b.value(key).toString())
            return false;
    }
    return true;
}

// The draft and its check are working files that nothing keeps: written and checked for size,
// without the wait for the disk that the settings file itself is given.
bool writeScratch(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || file.write(bytes) != bytes.size())
        return false;
    file.close();
    return QFileInfo(path).size() == bytes.size();
}

// QSettings remembers what it read of a file for the whole process and reads the file again
// only when its size or time has changed. A file replaced within the same millisecond by one
// of the same size would go on being read as the old one.
void markNewerThan(const QString& path, const QDateTime& previous)
{
    if (!previous.isValid() || QFileInfo(path).lastModified() != previous)
        return;
    const qint64 ms = previous.toMSecsSinceEpoch() + 1;
    const timespec times[2] = {{0, UTIME_OMIT}, {time_t(ms / 1000), long(ms % 1000) * 1000000L}};
    ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0);
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

bool write(const QList<Value>& values, QString* error)
{
    auto fail = [error](const QString& text) {
        if (error)
            *error = text;
        return false;
    };
    const QString path = filePath();
    {
        const QSettings current(path, QSettings::IniFormat);
        bool unchanged = true;
        for (const Value& v : values) {
            const QString name = entry(v.section, v.key);
            unchanged = unchanged && current.contains(name) && current.value(name).toString() == v.value;
        }
        if (unchanged)
            return true;
    }
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return fail(notWritten(path, QStringLiteral("پوشه آن ساخته نمی‌شود")));

    // QSettings writes a draft in a folder of its own, and the settings file is replaced by the
    // draft only once the draft is known to hold every value: QSettings does not notice when
    // its last bytes are lost on a full disk, and would put a cut file in the settings' place.
    QTemporaryDir work;
    if (!work.isValid())
        return fail(notWritten(path, QStringLiteral("پوشه موقت برای نوشتن آن در دسترس نیست")));
    const QString draftPath = work.filePath(QStringLiteral("draft.ini"));
    const QFileInfo before(path);
    const QDateTime previousTime = before.exists() ? before.lastModified() : QDateTime();
    if (before.exists()) {
        QFile old(path);
        if (!old.open(QIODevice::ReadOnly))
            return fail(FailureText::withDetail(notWritten(path, QStringLiteral("خواندنی نیست")), old.errorString()));
        if (!writeScratch(draftPath, old.readAll()))
            return fail(notWritten(
                path, QStringLiteral("پیش‌نویس آن نوشته نشد؛ شاید دیسک پر باشد")));
    }
    QSettings draft(draftPath, QSettings::IniFormat);
    for (const Value& v : values)
        draft.setValue(entry(v.section, v.key), v.value);
    draft.sync();
    if (draft.status() != QSettings::NoError)
        return fail(notWritten(path, QStringLiteral("پیش‌نویس آن نوشته نشد")));

    QFile written(draftPath);
    if (!written.open(QIODevice::ReadOnly))
        return fail(FailureText::withDetail(
            notWritten(path, QStringLiteral("پیش‌نویس آن خوانده نشد")), written.errorString()));
    const QByteArray bytes = written.readAll();
    // Read back under a name that was never read before, so that it comes from the disk.
    const QString checkPath = work.filePath(QStringLiteral("check.ini"));
    if (!writeScratch(checkPath, bytes) || !sameValues(QSettings(checkPath, QSettings::IniFormat), draft))
        return fail(notWritten(
            path,
            QStringLiteral("پیش‌نویس آن کامل نوشته نشد؛ شاید دیسک پر باشد")));

    QString fileError;
    if (!CompleteFile::writeAll(path, bytes, &fileError))
        return fail(fileError);
    markNewerThan(path, previousTime);
    return true;
}

bool write(const QString& section, const QString& key, const QString& value, QString* error)
{
    return write(QList<Value>{{section, key, value}}, error);
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
