#pragma once

#include <QString>
#include <QStringList>

// Where the register is kept: this PC's file in the data folder, or a database on a PostgreSQL
// server that several PCs share. A server is named the way libpq names it, by a connection URI
// ("postgresql://user@host:port/dbname?sslmode=require"); its options other than the host, port,
// database, user and password go to the server connection as they are. The password is kept
// only in memory: a URI made for storing leaves it out.
struct RegisterLocation
{
    bool server = false;
    QString host;
    int port = 5432;
    QString database;
    QString user;
    QString password;
    // libpq keywords and values ("sslmode", "require"), in the order given.
    QList<QPair<QString, QString>> options;

    static RegisterLocation localFile() { return {}; }
    // Reads a postgresql:// (or postgres://) URI; false with a Persian reason in error otherwise.
    static bool parse(const QString& uri, RegisterLocation* location, QString* error);
    static bool isServerUri(const QString& text);

    // The URI without the password, for the settings store and for messages.
    QString uri() const;
    // The options as the Qt driver takes them ("sslmode=require;connect_timeout=5").
    QString connectOptions() const;
    // Named in messages: the URI for a server, empty for the local file (which names itself).
    QString displayName() const { return server ? uri() : QString(); }
};
