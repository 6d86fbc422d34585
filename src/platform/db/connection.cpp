#include "platform/db/connection.h"

#include "platform/db/db_error.h"
#include "platform/db/sql_functions.h"
#include "platform/db/sql_quote.h"

#include <sqlcipher/sqlite3.h>

#include <memory>

namespace {

struct StatementDeleter {
    void operator()(sqlite3_stmt *statement) const { sqlite3_finalize(statement); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementDeleter>;

QVariant columnValue(sqlite3_stmt *statement, int column)
{
    switch (sqlite3_column_type(statement, column)) {
    case SQLITE_INTEGER:
        return QVariant(qlonglong(sqlite3_column_int64(statement, column)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(statement, column));
    case SQLITE_TEXT:
        return QVariant(QString::fromUtf8(
            reinterpret_cast<const char *>(sqlite3_column_text(statement, column)),
            sqlite3_column_bytes(statement, column)));
    case SQLITE_BLOB:
        return QVariant(QByteArray(static_cast<const char *>(sqlite3_column_blob(statement, column)),
                                   sqlite3_column_bytes(statement, column)));
    default:
        return QVariant();
    }
}

} // namespace

Connection::Connection(QString path, QByteArray key, OpenMode mode)
    : path_(std::move(path)), key_(std::move(key)), mode_(mode)
{
}

Connection::~Connection()
{
    close();
}

void Connection::fail(const char *fallback) const
{
    const char *message = db_ ? sqlite3_errmsg(db_) : fallback;
    throw DbError(QString::fromUtf8(message ? message : "database error"));
}

void Connection::open()
{
    if (db_)
        return;
    int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_FULLMUTEX;
    if (mode_ == OpenMode::CreateIfMissing)
        flags |= SQLITE_OPEN_CREATE;
    sqlite3 *db = nullptr;
    const int rc = sqlite3_open_v2(path_.toUtf8().constData(), &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        const QString message = QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
        sqlite3_close(db);
        throw DbError(message);
    }
    db_ = db;
    try {
        sqlite3_extended_result_codes(db_, 0);
        execute(QStringLiteral("PRAGMA key = ") + sqlQuote(QString::fromUtf8(key_)));
        // The key is only checked when the first page is read.
        query(QStringLiteral("SELECT count(*) FROM sqlite_master"));
        sqlite3_busy_timeout(db_, busyTimeoutMs);
        registerSqlFunctions(db_);
    } catch (...) {
        sqlite3_close(db_);
        db_ = nullptr;
        throw;
    }
}

void Connection::close()
{
    for (sqlite3_stmt *statement : std::as_const(prepared_))
        sqlite3_finalize(statement);
    prepared_.clear();
    if (db_) {
        sqlite3_close_v2(db_);
        db_ = nullptr;
    }
}

Snapshot Connection::query(const QString &sql)
{
    open();
    const QByteArray text = sql.toUtf8();
    sqlite3_stmt *raw = nullptr;
    if (sqlite3_prepare_v2(db_, text.constData(), int(text.size()), &raw, nullptr) != SQLITE_OK)
        fail();
    if (!raw)
        throw DbError(QStringLiteral("empty query"));
    Statement statement(raw);

    Snapshot snapshot;
    const int columns = sqlite3_column_count(raw);
    for (int c = 0; c < columns; ++c) {
        snapshot.columns << QString::fromUtf8(sqlite3_column_name(raw, c));
        const char *declared = sqlite3_column_decltype(raw, c);
        snapshot.declaredTypes << QByteArray(declared ? declared : "").toUpper();
    }
    for (;;) {
        const int rc = sqlite3_step(raw);
        if (rc == SQLITE_DONE)
            break;
        if (rc != SQLITE_ROW)
            fail();
        QList<QVariant> row;
        row.reserve(columns);
        for (int c = 0; c < columns; ++c)
            row << columnValue(raw, c);
        snapshot.rows << std::move(row);
    }
    return snapshot;
}

int Connection::execute(const QString &sql)
{
    open();
    const QByteArray text = sql.toUtf8();
    const char *next = text.constData();
    const char *end = next + text.size();
    while (next < end) {
        sqlite3_stmt *raw = nullptr;
        if (sqlite3_prepare_v2(db_, next, int(end - next), &raw, &next) != SQLITE_OK)
            fail();
        if (!raw)
            break; // only blanks or comments were left
        Statement statement(raw);
        int rc;
        while ((rc = sqlite3_step(raw)) == SQLITE_ROW) {
        }
        if (rc != SQLITE_DONE)
            fail();
    }
    return sqlite3_changes(db_);
}

int Connection::execute(const QString &sql, const QList<QVariant> &values)
{
    open();
    sqlite3_stmt *statement = prepared_.value(sql);
    if (!statement) {
        const QByteArray text = sql.toUtf8();
        if (sqlite3_prepare_v2(db_, text.constData(), int(text.size()), &statement, nullptr) != SQLITE_OK)
            fail();
        prepared_.insert(sql, statement);
    }
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
    for (int i = 0; i < values.size(); ++i) {
        const QVariant &v = values.at(i);
        int rc;
        if (!v.isValid() || v.isNull()) {
            rc = sqlite3_bind_null(statement, i + 1);
        } else if (v.typeId() == QMetaType::Double) {
            rc = sqlite3_bind_double(statement, i + 1, v.toDouble());
        } else if (v.typeId() == QMetaType::LongLong || v.typeId() == QMetaType::Int) {
            rc = sqlite3_bind_int64(statement, i + 1, v.toLongLong());
        } else {
            const QByteArray text = v.toString().toUtf8();
            rc = sqlite3_bind_text(statement, i + 1, text.constData(), int(text.size()), SQLITE_TRANSIENT);
        }
        if (rc != SQLITE_OK)
            fail();
    }
    const int rc = sqlite3_step(statement);
    if (rc != SQLITE_DONE && rc != SQLITE_ROW)
        fail(); // reset happens on the next use; it would clear the message now
    sqlite3_reset(statement);
    return sqlite3_changes(db_);
}

qint64 Connection::lastInsertId() const
{
    return db_ ? sqlite3_last_insert_rowid(db_) : 0;
}
