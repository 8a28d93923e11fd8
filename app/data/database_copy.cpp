#include "data/database_copy.h"

#include "data/database.h"
#include "data/schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

#include <unistd.h>

namespace DatabaseCopy {

namespace {

constexpr qint64 ChunkSize = 4 * 1024 * 1024;

QString native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

void setError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

QString databaseFileOf(const Database& database)
{
    return database.isOpen() ? database.filePath() : Database::locateFile(database.dataDir());
}

bool sameFile(const QString& a, const QString& b)
{
    const QFileInfo first(a);
    const QFileInfo second(b);
    return first.exists() && second.exists() && first.canonicalFilePath() == second.canonicalFilePath();
}

// Opens path on a read-only connection of its own and checks what a database of this program
// must have. The connection is gone when it returns.
bool checkTables(const QString& path, QString* error)
{
    const QString name = QStringLiteral("kaviro-check-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        QString reason;
        if (!db.open()) {
            reason = db.lastError().text();
        } else {
            const QStringList missing = Schema::missingTables(db, &reason);
            if (reason.isEmpty() && !missing.isEmpty()) {
                reason = QStringLiteral("جدول‌های %1 را ندارد").arg(missing.join(QLatin1String(", ")));
            } else if (reason.isEmpty()) {
                // A backup cut short or damaged on its way would replace good data with bad.
                QSqlQuery check(db);
                if (!check.exec(QStringLiteral("PRAGMA quick_check(1)")) || !check.next())
                    reason = check.lastError().text();
                else if (check.value(0).toString() != QLatin1String("ok"))
                    reason = QStringLiteral("فایل آسیب دیده است: ") + check.value(0).toString();
                else
                    ok = true;
            }
        }
        if (!ok)
            setError(error, QStringLiteral("فایل %1 بانک اطلاعاتی کاویرو نیست (%2).").arg(native(path), reason));
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

} // namespace

bool copyFile(const QString& source, const QString& target, QString* error)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        setError(
            error,
            QStringLiteral("فایل %1 خوانده نمی‌شود (%2).").arg(native(source), in.errorString()));
        return false;
    }
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly)) {
        setError(error, QStringLiteral("در پوشه %1 نمی‌توان فایل نوشت (%2).")
                            .arg(native(QFileInfo(target).absolutePath()), out.errorString()));
        return false;
    }
    QByteArray buffer(ChunkSize, Qt::Uninitialized);
    for (;;) {
        const qint64 got = in.read(buffer.data(), buffer.size());
        if (got < 0) {
            setError(error, QStringLiteral("فایل %1 تا آخر خوانده نشد (%2).").arg(native(source), in.errorString()));
            return false; // the temporary file goes with out
        }
        if (got == 0)
            break;
        if (out.write(buffer.constData(), got) != got) {
            setError(error, QStringLiteral("نوشتن فایل %1 کامل نشد (%2).").arg(native(target), out.errorString()));
            return false;
        }
    }
    if (!out.commit()) {
        setError(error, QStringLiteral("نوشتن فایل %1 کامل نشد (%2).").arg(native(target), out.errorString()));
        return false;
    }
    return true;
}

bool backup(Database& database, const QString& target, QString* error)
{
    const QString source = databaseFileOf(database);
    if (!QFileInfo(source).isFile()) {
        setError(error, QStringLiteral("فایل بانک اطلاعاتی %1 پیدا نشد.").arg(native(source)));
        return false;
    }
    if (sameFile(source, target)) {
        setError(
            error,
            QStringLiteral(
                "نسخه پشتیبان نمی‌تواند خود فایل بانک اطلاعاتی باشد."));
        return false;
    }
    if (!database.isOpen())
        return copyFile(source, target, error);

    // A read inside a transaction keeps a shared lock on the file until the transaction ends:
    // no write reaches the file before the copy is done. BEGIN fails when a transaction is open.
    QSqlDatabase db = database.connection();
    QSqlQuery lock(db);
    if (!lock.exec(QStringLiteral("BEGIN"))) {
        setError(error, QStringLiteral("اطلاعات در حال ذخیره شدن است؛ کمی بعد دوباره امتحان کنید."));
        return false;
    }
    bool copied = false;
    if (!lock.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) || !lock.next()) {
        setError(error, QStringLiteral("فایل بانک اطلاعاتی %1 خوانده نمی‌شود (%2).")
                            .arg(native(source), lock.lastError().text()));
    } else {
        lock.finish();
        copied = copyFile(source, target, error);
    }
    lock.exec(QStringLiteral("ROLLBACK"));
    return copied;
}

bool isDatabaseFile(const QString& path, QString* error)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        setError(error, QStringLiteral("فایل %1 پیدا نشد یا خواندنی نیست.").arg(native(path)));
        return false;
    }
    // An SQLite file starts with this header; anything else is refused before it is opened.
    static const QByteArray header("SQLite format 3\0", 16);
    if (file.read(header.size()) != header) {
        setError(error, QStringLiteral("فایل %1 بانک اطلاعاتی نیست.").arg(native(path)));
        return false;
    }
    file.close();
    return checkTables(path, error);
}

bool restore(Database& database, const QString& backupPath, QString* error)
{
    if (!isDatabaseFile(backupPath, error))
        return false;
    const QString target = databaseFileOf(database);
    database.suspend();

    // The old file keeps a second name until the restored one has opened, so that it can be
    // put back if that fails. Where the file system has no links the check above must do.
    const QString kept = QFileInfo(target).absolutePath() + QStringLiteral("/.dbase-previous-") +
                         QUuid::createUuid().toString(QUuid::WithoutBraces);
    const bool hasKept = QFileInfo::exists(target) &&
                         ::link(QFile::encodeName(target).constData(), QFile::encodeName(kept).constData()) == 0;

    if (!copyFile(backupPath, target, error)) {
        if (hasKept)
            QFile::remove(kept);
        if (!database.resume() && error)
            *error += QLatin1Char('\n') + database.errorText();
        return false;
    }
    if (database.resume()) {
        if (hasKept)
            QFile::remove(kept);
        return true;
    }
    setError(error, database.errorText());
    if (hasKept && ::rename(QFile::encodeName(kept).constData(), QFile::encodeName(target).constData()) == 0)
        database.resume();
    return false;
}

} // namespace DatabaseCopy
