#include "data/database_copy.h"

#include "data/complete_file.h"
#include "data/database.h"
#include "data/failure_text.h"
#include "data/register_copy.h"
#include "data/schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QUuid>

namespace DatabaseCopy {

namespace {

QString quoted(const QString& path)
{
    return FailureText::quotedPath(path);
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

// Why a file is not what it should be: a Persian reason, and the engine's words as a detail.
struct Problem
{
    QString reason;
    QString detail;
    bool none() const { return reason.isEmpty(); }
};

// Runs inspect on a read-only connection of its own to path; the connection is gone when it
// returns.
Problem inspectFile(const QString& path, const std::function<Problem(QSqlDatabase&)>& inspect)
{
    const QString name = QStringLiteral("kaviro-check-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    Problem problem;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!db.open())
            problem = {QStringLiteral("باز نمی‌شود"), db.lastError().text()};
        else
            problem = inspect(db);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return problem;
}

// SQLite's own check of every page of the file, without the slower cross-checks of indexes.
Problem soundness(QSqlDatabase& db)
{
    QSqlQuery check(db);
    if (!check.exec(QStringLiteral("PRAGMA quick_check(1)")) || !check.next())
        return {QStringLiteral("خوانده نمی‌شود"), check.lastError().text()};
    if (check.value(0).toString() != QLatin1String("ok"))
        return {QStringLiteral("آسیب دیده است"), check.value(0).toString()};
    return {};
}

Problem registerProblems(QSqlDatabase& db)
{
    QString error;
    const QStringList problems = Schema::problems(db, &error);
    if (!error.isEmpty())
        return {QStringLiteral("خوانده نمی‌شود"), error};
    if (!problems.isEmpty())
        return {problems.join(QStringLiteral("؛ ")), QString()};
    // A backup cut short or damaged on its way would replace good data with bad.
    return soundness(db);
}

} // namespace

bool copyFile(const QString& source, const QString& target, QString* error, const CompleteFile::Check& check)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        setError(error, FailureText::withDetail(
                            QStringLiteral("فایل %1 خوانده نمی‌شود.").arg(quoted(source)),
                            in.errorString()));
        return false;
    }
    CompleteFile out(target);
    if (!out.open()) {
        setError(error, out.errorText());
        return false;
    }
    QByteArray buffer(ChunkSize, Qt::Uninitialized);
    for (;;) {
        const qint64 got = in.read(buffer.data(), buffer.size());
        if (got < 0) {
            setError(error, FailureText::withDetail(QStringLiteral("فایل %1 تا آخر خوانده نشد.").arg(quoted(source)),
                                                    in.errorString()));
            return false; // the working file goes with out
        }
        if (got == 0)
            break;
        if (!out.write(buffer.constData(), got)) {
            setError(error, out.errorText());
            return false;
        }
    }
    // Every byte of the source, not only what the reads returned before one came back short.
    if (out.written() != in.size()) {
        setError(error, QStringLiteral("فایل %1 تا آخر خوانده نشد.").arg(quoted(source)));
        return false;
    }
    if (!out.commit(check)) {
        setError(error, out.errorText());
        return false;
    }
    return true;
}

// A server register is backed up as a local register file of the six tables, so that every
// backup restores on either engine: written in a folder of its own, then copied into place as
// any backup is.
bool backupServer(Database& database, const QString& target, QString* error)
{
    QTemporaryDir work;
    if (!work.isValid()) {
        setError(error, QStringLiteral("پوشه کار برای نسخه پشتیبان ساخته نمی‌شود."));
        return false;
    }
    {
        Database local(work.path());
        if (local.open() != Database::OpenResult::Created) {
            setError(error, local.errorText());
            return false;
        }
        if (!RegisterCopy::copy(database, local, RegisterCopy::Target::MustBeEmpty, nullptr, error))
            return false;
    }
    const CompleteFile::Check sound = [](const QString& copy, QString* reason) {
        const Problem problem = inspectFile(copy, registerProblems);
        *reason = FailureText::withDetail(
            QStringLiteral("نسخه نوشته شده با دفتر سرور یکی نبود: %1").arg(problem.reason), problem.detail);
        return problem.none();
    };
    return copyFile(Database::locateFile(work.path()), target, error, sound);
}

// A backup file restored into a server register: checked as any backup, then its rows replace
// the server's in one transaction, which the other PCs' lists follow.
bool restoreServer(Database& database, const QString& backupPath, QString* error)
{
    QTemporaryDir work;
    if (!work.isValid()) {
        setError(error, QStringLiteral("پوشه کار برای بازیابی ساخته نمی‌شود."));
        return false;
    }
    // The backup is read from a copy, so that the file the user chose is never opened for writing.
    if (!copyFile(backupPath, Database::locateFile(work.path()), error))
        return false;
    Database local(work.path());
    if (local.open() != Database::OpenResult::Opened) {
        setError(error, local.errorText());
        return false;
    }
    return RegisterCopy::copy(local, database, RegisterCopy::Target::Replace, nullptr, error);
}

bool backup(Database& database, const QString& target, QString* error)
{
    if (database.isServer())
        return backupServer(database, target, error);
    const QString source = databaseFileOf(database);
    if (!QFileInfo(source).isFile()) {
        setError(error, QStringLiteral("فایل بانک اطلاعاتی %1 پیدا نشد.").arg(quoted(source)));
        return false;
    }
    if (sameFile(source, target)) {
        setError(
            error,
            QStringLiteral(
                "نسخه پشتیبان نمی‌تواند خود فایل بانک اطلاعاتی باشد."));
        return false;
    }
    // The copy is opened and checked before it takes the name of the backup: an older backup
    // of that name is replaced only by a sound one. When the copy fails the check, the database
    // itself is checked too, so that the user learns which of the two is damaged.
    const CompleteFile::Check sound = [&source](const QString& copy, QString* reason) {
        const Problem copyProblem = inspectFile(copy, soundness);
        if (copyProblem.none())
            return true;
        const QString why =
            inspectFile(source, soundness).none()
                ? QStringLiteral("نسخه نوشته شده با بانک اطلاعاتی یکی نبود")
                : QStringLiteral("بانک اطلاعاتی %1 خود آسیب دیده است؛ آن را از یک نسخه پشتیبان سالم بازیابی کنید")
                      .arg(quoted(source));
        *reason = FailureText::withDetail(why, copyProblem.detail);
        return false;
    };
    if (!database.isOpen())
        return copyFile(source, target, error, sound);

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
        setError(error, FailureText::withDetail(
                            QStringLiteral("فایل بانک اطلاعاتی %1 خوانده نمی‌شود.")
                                .arg(quoted(source)),
                            lock.lastError().text()));
    } else {
        lock.finish();
        copied = copyFile(source, target, error, sound);
    }
    lock.exec(QStringLiteral("ROLLBACK"));
    return copied;
}

bool isDatabaseFile(const QString& path, QString* error)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        setError(error, QStringLiteral("فایل %1 پیدا نشد یا خواندنی نیست.").arg(quoted(path)));
        return false;
    }
    // An SQLite file starts with this header; anything else is refused before it is opened.
    static const QByteArray header("SQLite format 3\0", 16);
    if (file.read(header.size()) != header) {
        setError(error, QStringLiteral("فایل %1 بانک اطلاعاتی نیست.").arg(quoted(path)));
        return false;
    }
    file.close();
    const Problem problem = inspectFile(path, registerProblems);
    if (problem.none())
        return true;
    setError(error, FailureText::withDetail(
                        QStringLiteral("فایل %1 بانک اطلاعاتی کاویرو نیست: %2.").arg(quoted(path), problem.reason),
                        problem.detail));
    return false;
}

bool restore(Database& database, const QString& backupPath, QString* error)
{
    if (!isDatabaseFile(backupPath, error))
        return false;
    if (database.isServer())
        return restoreServer(database, backupPath, error);
    const QString target = databaseFileOf(database);
    database.suspend();

    {
        // The old file keeps a second name until the restored one has opened, so that it can be
        // put back if that fails. The copy is checked again before it takes the file's place,
        // in case it was not written as it was read.
        KeptCopy kept(target);
        const CompleteFile::Check check = [](const QString& copy, QString* reason) {
            const Problem problem = inspectFile(copy, registerProblems);
            *reason = FailureText::withDetail(
                QStringLiteral("نسخه نوشته شده با نسخه پشتیبان یکی نبود: %1").arg(problem.reason), problem.detail);
            return problem.none();
        };
        if (!copyFile(backupPath, target, error, check)) {
            if (!database.resume() && error)
                *error += QLatin1Char('\n') + database.errorText();
            return false;
        }
        if (database.resume())
            return true;
        setError(error, database.errorText());
        if (!kept.putBack())
            return false;
    }
    database.resume();
    return false;
}

} // namespace DatabaseCopy
