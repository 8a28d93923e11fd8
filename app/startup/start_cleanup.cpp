#include "startup/start_cleanup.h"

#include "data/complete_file.h"
#include "data/database.h"
#include "settings/autostart.h"
#include "settings/settings_store.h"

#include <QDateTime>
#include <QFileInfo>

namespace {

// A backup folder may be shared with other computers; a backup under way there is left alone.
constexpr qint64 SharedFolderQuietSeconds = 3600;

} // namespace

int removeLeftoversOfEarlierRuns(const QString& dataDir)
{
    const QDateTime now = QDateTime::currentDateTime();
    int removed = Database::removeLeftovers(dataDir);
    removed += CompleteFile::removeLeftovers(QFileInfo(SettingsStore::filePath()).absolutePath(), now);
    removed += CompleteFile::removeLeftovers(QFileInfo(Autostart::entryPath()).absolutePath(), now);
    const QString backups = SettingsStore::read(QStringLiteral("DIR"), QStringLiteral("1"));
    if (!backups.isEmpty() && QFileInfo(backups).isDir())
        removed += CompleteFile::removeLeftovers(backups, now.addSecs(-SharedFolderQuietSeconds));
    return removed;
}
