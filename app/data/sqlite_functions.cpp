#include "data/sqlite_functions.h"

#include "words/persian_text.h"

#include <QSqlDriver>
#include <QSqlQuery>

#include <sqlite3.h>

#include <cstring>
#include <string>

namespace SqliteFunctions {

namespace {

// A text argument as UTF-8; numbers are read as their text, as instr() reads them.
struct Text
{
    const char* data;
    size_t size;
};

Text textOf(sqlite3_value* value)
{
    const auto* data = reinterpret_cast<const char*>(sqlite3_value_text(value));
    return {data ? data : "", size_t(sqlite3_value_bytes(value))};
}

void fold(sqlite3_context* context, int, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const Text text = textOf(argv[0]);
    thread_local std::string folded;
    if (PersianText::foldUtf8(text.data, text.size, folded))
        sqlite3_result_text(context, folded.data(), int(folded.size()), SQLITE_TRANSIENT);
    else
        sqlite3_result_text(context, text.data, int(text.size), SQLITE_TRANSIENT);
}

void deleteString(void* string)
{
    delete static_cast<std::string*>(string);
}

// The part is the same bound value on every row: it is folded once per statement and kept with it.
void contains(sqlite3_context* context, int, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    auto* part = static_cast<std::string*>(sqlite3_get_auxdata(context, 1));
    if (!part) {
        const Text text = textOf(argv[1]);
        auto* folded = new std::string;
        if (!PersianText::foldUtf8(text.data, text.size, *folded))
            folded->assign(text.data, text.size);
        sqlite3_set_auxdata(context, 1, folded, deleteString);
        part = static_cast<std::string*>(sqlite3_get_auxdata(context, 1));
        if (!part) {
            // SQLite could not keep it (out of memory); it has already been deleted.
            sqlite3_result_error_nomem(context);
            return;
        }
    }
    const Text text = textOf(argv[0]);
    if (part->empty()) {
        sqlite3_result_int(context, 1);
        return;
    }
    thread_local std::string folded;
    const Text hay = PersianText::foldUtf8(text.data, text.size, folded) ? Text{folded.data(), folded.size()} : text;
    sqlite3_result_int(context, memmem(hay.data, hay.size, part->data(), part->size()) != nullptr);
}

int collate(void*, int aSize, const void* a, int bSize, const void* b)
{
    return PersianText::compareUtf8(static_cast<const char*>(a), size_t(aSize), static_cast<const char*>(b),
                                    size_t(bSize));
}

sqlite3* handleOf(const QSqlDatabase& db)
{
    const QVariant handle = db.driver() ? db.driver()->handle() : QVariant();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(handle.constData());
}

} // namespace

bool install(const QSqlDatabase& db, QString* error)
{
    sqlite3* handle = handleOf(db);
    if (!handle) {
        *error = QStringLiteral("the connection is not an open SQLite connection");
        return false;
    }
    // The handle is only ours to use when the driver runs the very library linked here.
    QSqlQuery query(db);
    const QString driverSqlite =
        query.exec(QStringLiteral("SELECT sqlite_source_id()")) && query.next() ? query.value(0).toString() : QString();
    query.finish();
    if (driverSqlite != QLatin1String(sqlite3_sourceid())) {
        *error = QStringLiteral("Qt's SQLite driver runs SQLite \"%1\", the program is linked with \"%2\"")
                     .arg(driverSqlite, QLatin1String(sqlite3_sourceid()));
        return false;
    }
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS;
    const bool ok = sqlite3_create_function_v2(handle, Fold.toUtf8().constData(), 1, flags, nullptr, fold, nullptr,
                                               nullptr, nullptr) == SQLITE_OK &&
                    sqlite3_create_function_v2(handle, Contains.toUtf8().constData(), 2, flags, nullptr, contains,
                                               nullptr, nullptr, nullptr) == SQLITE_OK &&
                    sqlite3_create_collation_v2(handle, Collation.toUtf8().constData(), SQLITE_UTF8, nullptr, collate,
                                                nullptr) == SQLITE_OK;
    if (!ok)
        *error = QString::fromUtf8(sqlite3_errmsg(handle));
    return ok;
}

bool readRows(const QSqlDatabase& db, const QString& sql,
              const std::function<void(qint64, const char*, size_t, bool, double)>& row, QString* error)
{
    sqlite3* handle = handleOf(db);
    if (!handle) {
        *error = QStringLiteral("the connection is not an open SQLite connection");
        return false;
    }
    const QByteArray text = sql.toUtf8();
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(handle, text.constData(), int(text.size()), &statement, nullptr) != SQLITE_OK) {
        *error = QString::fromUtf8(sqlite3_errmsg(handle));
        sqlite3_finalize(statement);
        return false;
    }
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(statement)) == SQLITE_ROW) {
        const bool isNull = sqlite3_column_type(statement, 1) == SQLITE_NULL;
        const auto* value = reinterpret_cast<const char*>(sqlite3_column_text(statement, 1));
        const size_t size = size_t(sqlite3_column_bytes(statement, 1));
        row(sqlite3_column_int64(statement, 0), value ? value : "", size, isNull, sqlite3_column_double(statement, 2));
    }
    const bool ok = step == SQLITE_DONE;
    if (!ok)
        *error = QString::fromUtf8(sqlite3_errmsg(handle));
    sqlite3_finalize(statement);
    return ok;
}

} // namespace SqliteFunctions
