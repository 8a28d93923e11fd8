#pragma once

#include <QLockFile>
#include <QString>

// Keeps a second copy of the program from running for the same user. The lock is a file in
// the user's runtime folder (the temp folder when there is none) named after the program; it
// is held from a successful lock() until the object is destroyed.
//
// A running copy holds an advisory lock on that file for as long as it runs, and the system
// drops it when the copy ends in any way. So the file's text (process number, host) only
// describes the copy; whether one runs is asked of the system: a file that nobody holds is
// left over, whatever it says or however it got there, and it is taken over.
class SingleInstance
{
public:
    enum class Result
    {
        Locked,
        // Another copy runs and holds the lock.
        HeldByRunningCopy,
        // No lock could be made (the folder cannot be written, a left-over file cannot be
        // removed); errorText() says why.
        Failed
    };

    explicit SingleInstance(const QString& programName = QStringLiteral("KAVIRO"));
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // Locked when this object holds the lock, now or from an earlier call.
    Result lock();
    bool tryLock() { return lock() == Result::Locked; }
    bool isLocked() const { return m_lock.isLocked(); }
    QString lockFilePath() const { return m_path; }
    QString errorText() const { return m_error; }

    static QString lockFilePathFor(const QString& programName);

private:
    enum class Holder
    {
        RunningCopy,
        Nobody,
        Unknown
    };
    Holder probeHolder(int* heldDescriptor) const;
    bool removeLeftOver();

    QString m_path;
    QLockFile m_lock;
    QString m_error;
};
