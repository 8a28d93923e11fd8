#include "data/search_index.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

#include <cstring>

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

// Reads the snapshot on a connection of its own, read-only, so it can run beside the
// window's connection. A failure gives no snapshot and the search stays with the database.
std::shared_ptr<const SearchIndex::Snapshot> readSnapshot(const QString& file, const SearchIndex::Key& key,
                                                          const QString& state)
{
    auto snapshot = std::make_shared<SearchIndex::Snapshot>();
    snapshot->key = key;
    snapshot->state = state;
    const QString name = QStringLiteral("kaviro-search-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(file);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=3000"));
        if (db.open()) {
            QSqlQuery query(db);
            query.setForwardOnly(true);
            query.exec(QStringLiteral("PRAGMA cache_size = -8192"));
            const QString sql =
                QStringLiteral("SELECT rowid, CAST(%1 AS TEXT), %2 FROM %3 ORDER BY %4, rowid")
                    .arg(key.column, key.total.isEmpty() ? QStringLiteral("0") : key.total, key.table, key.order);
            if (query.exec(sql)) {
                snapshot->offsets.assign(1, 0);
                QByteArray utf8;
                while (query.next()) {
                    snapshot->ids.push_back(query.value(0).toLongLong());
                    const QVariant text = query.value(1);
                    snapshot->null.push_back(text.isNull());
                    utf8 = text.toString().toUtf8();
                    snapshot->text += utf8;
                    snapshot->offsets.push_back(static_cast<quint32>(snapshot->text.size()));
                    snapshot->amounts.push_back(query.value(2).toDouble());
                }
                ok = query.lastError().type() == QSqlError::NoError;
                snapshot->text.squeeze();
            }
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

QString SearchIndex::stateOf(const QSqlDatabase& db)
{
    // total_changes() counts what this connection wrote; data_version moves when another
    // connection writes. Together they tell whether a snapshot still holds.
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT total_changes()")) || !query.next())
        return {};
    const QString changes = query.value(0).toString();
    if (!query.exec(QStringLiteral("PRAGMA data_version")) || !query.next())
        return {};
    return changes + QLatin1Char('/') + query.value(0).toString();
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
    const QString state = stateOf(db);
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
    m_pending = std::async(std::launch::async, readSnapshot, db.databaseName(), key, state);
}

bool SearchIndex::ready(const QSqlDatabase& db, const Key& key)
{
    adoptFinished();
    return m_snapshot && m_snapshot->key == key && m_snapshot->state == stateOf(db);
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
    const QByteArray needle = text.toUtf8();
    const char* base = s.text.constData();
    for (size_t i = 0; i < s.ids.size(); ++i) {
        if (s.null[i])
            continue;
        const size_t length = s.offsets[i + 1] - s.offsets[i];
        if (!needle.isEmpty() &&
            memmem(base + s.offsets[i], length, needle.constData(), size_t(needle.size())) == nullptr)
            continue;
        result.ids.push_back(s.ids[i]);
        result.total += s.amounts[i];
    }
    return result;
}
