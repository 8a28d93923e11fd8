#pragma once

#include "data/register_location.h"

#include <QObject>
#include <QSqlDatabase>
#include <QString>

#include <functional>
#include <memory>

class QTimer;
class SearchIndex;
class SqlEngine;
class Database;

// Tells the windows of one PC what the other PCs do to the register they share: a write of
// another connection (a notification of the server, or the local file's data version, looked at
// every second), and a connection lost and found again.
class ChangeWatcher : public QObject
{
    Q_OBJECT

public:
    explicit ChangeWatcher(Database& database);
    // Looks once, as the timer does.
    void look();
    bool connectionLost() const { return m_lost; }

signals:
    void changedElsewhere();
    // text says in Persian what was lost; the program keeps trying to reconnect.
    void lost(const QString& text);
    void reconnected();

private:
    void subscribe();
    void onNotification(const QString& name);

    Database& m_database;
    QTimer* m_timer;
    QString m_state;
    QString m_subscribed;
    bool m_lost = false;
    int m_ticksLost = 0;
    bool m_tryAtOnce = false;
};

// The database file "dbase.mdb" of a data folder and the program's one connection to it.
// Every window's data control reads and writes through this connection, so that a
// change made in one window is seen by the next query of any other, and so that
// steps that belong together (a copy to the archive and the delete after it) can share
// a transaction.
class Database
{
public:
    enum class OpenResult
    {
        Opened,
        Created,
        Failed
    };

    explicit Database(const QString& dataDir, const RegisterLocation& location = RegisterLocation::localFile());
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // The file named dbase.mdb in any letter case in dataDir, or dataDir/dbase.mdb when there is none.
    static QString locateFile(const QString& dataDir);

    // Opens the file, creating a new database with the six tables when there is none.
    // An existing file is never altered by opening it; a file that is not a database
    // of this program (or cannot be read) gives Failed and errorText() names it.
    OpenResult open();
    void close();
    bool isOpen() const;

    // A restore replaces the file under the program. suspend() closes the connection but keeps
    // it registered, so that the data controls' models, which hold it, read the new file once
    // resume() has opened it again; the search snapshot of the old file goes with it.
    void suspend();
    // Opens the suspended connection again on the file at its place and checks its tables.
    // On failure the connection stays closed and errorText() names the cause.
    bool resume();

    // Removes from dataDir what interrupted backups and restores of earlier runs left beside the
    // database: the program's own working files and second names, nothing else. For the start,
    // before the file is opened, while no other copy of the program runs. Returns how many went.
    static int removeLeftovers(const QString& dataDir);

    QSqlDatabase connection() const;
    // Where the register is: this PC's file or a server.
    const RegisterLocation& location() const { return m_location; }
    bool isServer() const { return m_location.server; }
    // The server's password, asked of the user; used from the next open().
    void setPassword(const QString& password) { m_location.password = password; }
    // Closes and opens the connection again, after the server was gone.
    bool reconnect();
    // The watcher of this register's changes by other PCs, made at the first call.
    ChangeWatcher& changes();
    // The engine-specific pieces of the statements run on this connection.
    const SqlEngine& engine() const { return *m_engine; }
    // The file of the register, or the server's URI (without its password) for a server.
    QString filePath() const { return m_filePath; }
    QString dataDir() const { return m_dataDir; }
    QString errorText() const { return m_error; }

    // Before a write: true when the file the connection was opened on is still at its place.
    // SQLite on Linux goes on writing into a file that was deleted or replaced under it,
    // and such a save would be lost without a word.
    bool fileStillInPlace() const;

    // The in-memory column snapshot that answers the search boxes of the lists.
    SearchIndex& searchIndex();

    // Runs work inside one transaction; commits when it returns true, rolls back otherwise.
    bool inTransaction(const std::function<bool()>& work, QString* error = nullptr);
    bool inOwnTransaction() const { return m_inTransaction; }

private:
    bool openConnection();
    OpenResult openServer();
    bool checkTables(bool* empty);
    bool startConnection(QSqlDatabase& db);
    bool hasAllTables();

    QString m_dataDir;
    QString m_filePath;
    QString m_connectionName;
    QString m_error;
    quint64 m_inode = 0;
    std::unique_ptr<SqlEngine> m_engine;
    std::unique_ptr<SearchIndex> m_searchIndex;
    RegisterLocation m_location;
    std::unique_ptr<ChangeWatcher> m_watcher;
    bool m_inTransaction = false;
};
