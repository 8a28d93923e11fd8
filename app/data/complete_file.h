#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <functional>

// A file that is written whole or not at all, for every file the program writes.
//
// The bytes go unbuffered into a hidden working file beside the target, and every write is
// checked: a buffered file can lose its last bytes on a full disk and still report success at
// the end. When all is written the working file is flushed to the disk, its size compared with
// what was written, an optional check run on it, and only then is it renamed over the target.
// Whatever fails on the way leaves the target as it was and removes the working file; the
// error is a Persian sentence that names the file, with the system's words as a detail.
//
// New files are readable and writable by their owner only: the program's files hold money
// records and the password.
class CompleteFile
{
public:
    static constexpr unsigned PrivateMode = 0600;

    // A check of the finished working file before it takes the target's place: true to let it,
    // false with a Persian reason to refuse.
    using Check = std::function<bool(const QString& workingPath, QString* reason)>;

    explicit CompleteFile(const QString& target, unsigned mode = PrivateMode);
    // Removes the working file when it was not committed.
    ~CompleteFile();
    CompleteFile(const CompleteFile&) = delete;
    CompleteFile& operator=(const CompleteFile&) = delete;

    bool open();
    bool write(const char* data, qint64 size);
    bool write(const QByteArray& bytes) { return write(bytes.constData(), bytes.size()); }
    // Puts the working file in the target's place once it is known to be complete and check,
    // when given, has accepted it.
    bool commit(const Check& check = Check());
    void discard();

    // The file that is replaced: the target, or the file a symbolic link of that name points to.
    QString target() const { return m_target; }
    QString workingPath() const { return m_working; }
    qint64 written() const { return m_written; }
    QString errorText() const { return m_error; }

    // Writes bytes as the whole new content of target.
    static bool writeAll(const QString& target, const QByteArray& bytes, QString* error = nullptr,
                         unsigned mode = PrivateMode);

    // True for the names of the working files and kept copies this class makes.
    static bool isLeftoverName(const QString& fileName);
    // Removes from folder what interrupted writes of the program left there: its working files,
    // and its kept copies of files that are back in their place, last changed before notAfter
    // (a write still under way elsewhere, into a shared folder, changes its file as it goes).
    // Nothing else is touched. Returns how many files were removed.
    static int removeLeftovers(const QString& folder, const QDateTime& notAfter);

private:
    bool fail(const QString& reason, int error);

    QString m_target;
    QString m_working;
    unsigned m_mode;
    int m_fd = -1;
    qint64 m_written = 0;
    bool m_targetExisted = false;
    QString m_error;
};

// A second name for a file while it is being replaced, so that its old content can be put back
// when the replacement turns out bad. The second name is a hidden hard link beside the file;
// where the file system has no hard links, nothing is kept and putBack() returns false.
class KeptCopy
{
public:
    explicit KeptCopy(const QString& path);
    // Removes the second name, unless it was put back.
    ~KeptCopy();
    KeptCopy(const KeptCopy&) = delete;
    KeptCopy& operator=(const KeptCopy&) = delete;

    bool isKept() const { return !m_kept.isEmpty(); }
    // Gives the kept content its old name again, over whatever is there now.
    bool putBack();

private:
    QString m_path;
    QString m_kept;
};
