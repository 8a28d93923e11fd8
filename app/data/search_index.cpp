#include "data/search_index.h"

#include "data/sql_engine.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

#include <cstring>
#include <functional>

struct SearchIndex::Snapshot
{
    Key key;
    QString state;
    std::vector<qint64> ids;
    std::vector<double> amounts;
    std::vector<quint32> offsets;
    std::vector<bool> null;
    QByteArray text;
};

namespace {

// What opens a second connection to the database of the first, taken on the thread of the first.
struct Recipe
{
    QString driver, database, host, user, password, options;
    int port = -1;
};

Recipe recipeOf(const SqlEngine& engine, const QSqlDatabase& db)
{
    return {db.driverName(), db.databaseName(),           db.hostName(), db.userName(),
            db.password(),   engine.connectOptions(true), db.port()};
}

// Reads the snapshot on a connection of its own, read-only, so it can run beside the
// window's connection. A failure gives no snapshot and the search stays with the database.
std::shared_ptr<const SearchIndex::Snapshot> readSnapshot(const SqlEngine& engine, const Recipe& recipe,
                                                          const SearchIndex::Key& key, const QString& state)
{
    auto snapshot = std::make_shared<SearchIndex::Snapshot>();
    snapshot->key = key;
    snapshot->state = state;
    const QString name = QStringLiteral("kaviro-search-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(recipe.driver, name);
        db.setDatabaseName(recipe.database);
        db.setHostName(recipe.host);
        db.setPort(recipe.port);
        db.setUserName(recipe.user);
        db.setPassword(recipe.password);
        db.setConnectOptions(recipe.options);
        if (db.open()) {
            engine.setUp(db, true);
            snapshot->offsets.assign(1, 0);
            QString error;
            ok = engine.readColumn(
                db, engine.columnSnapshot(key.table, key.column, key.order, key.total),
                [&](qint64 id, const char* text, size_t size, bool isNull, double amount) {
                    snapshot->ids.push_back(id);
                    snapshot->null.push_back(isNull);
                    engine.appendSearchForm(snapshot->text, text, size);
                    snapshot->offsets.push_back(static_cast<quint32>(snapshot->text.size()));
                    snapshot->amounts.push_back(amount);
                },
                &error);
            snapshot->text.squeeze();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok ? snapshot : nullptr;
}

} // namespace

SearchIndex::~SearchIndex()
{
    wait();
}

void SearchIndex::adoptFinished()
{
    if (!m_pending.valid() || m_pending.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
        return;
    if (std::shared_ptr<const Snapshot> done = m_pending.get())
        m_snapshot = std::move(done);
}

void SearchIndex::warm(const QSqlDatabase& db, const Key& key)
{
    adoptFinished();
    const QString state = m_engine.changeState(db);
    if (state.isEmpty())
        return;
    if (m_snapshot && m_snapshot->key == key && m_snapshot->state == state)
        return;
    if (m_pending.valid() && m_pendingKey == key && m_pendingState == state)
        return;
    wait();             // one read at a time; a read for another column or an older state is let finish
    m_snapshot.reset(); // it will not answer again, and a large register should not hold two
    m_pendingKey = key;
    m_pendingState = state;
    m_pending = std::async(std::launch::async, readSnapshot, std::cref(m_engine), recipeOf(m_engine, db), key, state);
}

bool SearchIndex::ready(const QSqlDatabase& db, const Key& key)
{
    adoptFinished();
    return m_snapshot && m_snapshot->key == key && m_snapshot->state == m_engine.changeState(db);
}

void SearchIndex::wait()
{
    if (!m_pending.valid())
        return;
    m_pending.wait();
    adoptFinished();
}

SearchIndex::Result SearchIndex::find(const QString& text) const
{
    Result result;
    if (!m_snapshot)
        return result;
    const Snapshot& s = *m_snapshot;
    const QByteArray needle = m_engine.searchForm(text).toUtf8();
    if (needle.isEmpty()) {
        for (size_t i = 0; i < s.ids.size(); ++i) {
            if (s.null[i])
                continue;
            result.ids.push_back(s.ids[i]);
            result.total += s.amounts[i];
        }
        return result;
    }
    // One pass of memmem over the whole column rather than one call a row: a row holds a
    // few dozen bytes, and a call for each of a million rows costs more than the search itself.
    // A match that runs from one row into the next is no match; the search goes on after its
    // first byte.
    const char* base = s.text.constData();
    const size_t size = size_t(s.text.size());
    const size_t length = size_t(needle.size());
    size_t row = 0;
    size_t from = 0;
    while (from + length <= size) {
        const void* hit = memmem(base + from, size - from, needle.constData(), length);
        if (!hit)
            break;
        const size_t at = size_t(static_cast<const char*>(hit) - base);
        while (s.offsets[row + 1] <= at)
            ++row;
        if (at + length > s.offsets[row + 1]) {
            from = at + 1;
            continue;
        }
        result.ids.push_back(s.ids[row]);
        result.total += s.amounts[row];
        from = s.offsets[row + 1];
    }
    return result;
}
