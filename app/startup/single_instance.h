#pragma once

#include <QLockFile>
#include <QString>

// Keeps a second copy of the program from running for the same user. The lock is a file in
// the user's runtime folder (the temp folder when there is none) named after the program; it
// is held from a successful tryLock() until the object is destroyed.
class SingleInstance
{
public:
    explicit SingleInstance(const QString& programName = QStringLiteral("KAVIRO"));
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when this object holds the lock, now or from an earlier call. A lock left behind by a
    // copy that died is taken over.
    bool tryLock();
    bool isLocked() const { return m_lock.isLocked(); }
    QString lockFilePath() const { return m_path; }

    static QString lockFilePathFor(const QString& programName);

private:
    QString m_path;
    QLockFile m_lock;
};
