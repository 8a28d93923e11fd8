#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>

class Database;

// Column name and value pairs, in the order they are written.
using Fields = QList<QPair<QString, QVariant>>;

// A row as a list showed it: its identity and the values it had then. A change or removal of
// it lands only while the row still holds them, so that what another PC changed or removed
// meanwhile is never overwritten unseen.
struct ShownRow
{
    qint64 id = -1;
    Fields values;

    QVariant value(const QString& column) const;
    // The same row once column holds value, as this PC has just written it.
    ShownRow with(const QString& column, const QVariant& value) const;
};

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
    bool update(const ShownRow& shown, const Fields& fields);
    bool remove(const ShownRow& shown);

    QString errorText() const { return m_error; }
    // True when the last change or removal found its row changed or removed by someone else.
    bool changedMeanwhile() const { return m_changedMeanwhile; }

    static const QString ChangedMeanwhile;
    static const QString RemovedMeanwhile;

private:
    bool canWrite(const Fields& fields);
    bool canWriteRow(qint64 id, const Fields& fields);
    bool run(const QString& sql, const Fields& fields, const QVariantList& extra, bool mustTouchRow,
             qint64* newId = nullptr);
    void explainUntouched(const ShownRow& shown);

    Database& m_database;
    QString m_table;
    QString m_error;
    bool m_changedMeanwhile = false;
};
