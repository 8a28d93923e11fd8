#pragma once

#include <QByteArray>
#include <QSqlDatabase>
#include <QString>

#include <future>
#include <memory>
#include <vector>

class SqlEngine;

// One column of a table held in memory in the list's order, so that the search box can
// answer "the rows whose column contains this text" on every keystroke without reading
// the whole table again. It keeps only what the search needs: the row's identity, the
// column's text and the amount that the list adds up.
//
// The snapshot is read on a connection of its own in the background, so that choosing
// a search column or typing the first letter never waits for it; until it is there the
// search goes to the database. It remembers the state of the database it was read in
// and is read again when anything has been written since.
class SearchIndex
{
public:
    struct Key
    {
        QString table;
        QString column;
        QString order;
        QString total;
        bool operator==(const Key& other) const
        {
            return table == other.table && column == other.column && order == other.order && total == other.total;
        }
    };

    struct Result
    {
        std::vector<qint64> ids;
        double total = 0;
    };

    explicit SearchIndex(const SqlEngine& engine) : m_engine(engine) {}
    ~SearchIndex();
    SearchIndex(const SearchIndex&) = delete;
    SearchIndex& operator=(const SearchIndex&) = delete;

    // Starts reading the snapshot for key unless it is held and current, or on its way.
    void warm(const QSqlDatabase& db, const Key& key);
    // True when a current snapshot for key is held; it can then answer find().
    bool ready(const QSqlDatabase& db, const Key& key);
    // Waits for a snapshot on its way (for tests and benchmarks).
    void wait();

    // Rows whose column contains text, as the engine's contains() finds them: a byte-wise match
    // of the engine's search form of both, an empty text matching every row whose column is not null.
    Result find(const QString& text) const;

    struct Snapshot;

private:
    void adoptFinished();

    const SqlEngine& m_engine;
    std::shared_ptr<const Snapshot> m_snapshot;
    std::future<std::shared_ptr<const Snapshot>> m_pending;
    Key m_pendingKey;
    QString m_pendingState;
};
