#pragma once

#include <QObject>
#include <QString>

class QThread;

// SQLite's page-by-page check of a database file, run on a thread of its own with a read-only
// connection of its own, so that the windows go on reading and writing meanwhile. A file whose
// inner pages are damaged still opens and takes new rows; only this check reads every page.
class IntegrityCheck : public QObject
{
    Q_OBJECT

public:
    explicit IntegrityCheck(const QString& databaseFile, QObject* parent = nullptr);
    // Waits for a check that is still running.
    ~IntegrityCheck() override;

    void start();
    bool isRunning() const;

    // The check itself, on the calling thread: "" for a sound file, otherwise what SQLite
    // reported (or why the file could not be read).
    static QString findDamage(const QString& databaseFile);

signals:
    // On the thread of this object, once the check is done; report is "" for a sound file.
    void finished(const QString& report);

private:
    QString m_file;
    QString m_report;
    QThread* m_thread = nullptr;
};
