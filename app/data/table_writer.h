#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>

class Database;

// Column name and value pairs, in the order they are written.
using Fields = QList<QPair<QString, QVariant>>;

// The writes of one table: a row added, and a row changed or removed by its identity. Every value
// is bound. Before each write it checks that the database file is still the one the connection
// opened, since SQLite on Linux goes on writing into a file deleted or replaced under it and such
// a save would be lost without a word. A change or removal that finds no row is a failure.
class TableWriter
{
public:
    TableWriter(Database& database, const QString& table);

    bool insert(const Fields& fields, qint64* newId = nullptr);
    bool update(qint64 id, const Fields& fields);
    bool remove(qint64 id);

    QString errorText() const { return m_error; }

private:
    bool canWrite(const Fields& fields);
    bool canWriteRow(qint64 id, const Fields& fields);
    bool run(const QString& sql, const Fields& fields, const QVariantList& extra, bool mustTouchRow,
             qint64* newId = nullptr);

    Database& m_database;
    QString m_table;
    QString m_error;
};
