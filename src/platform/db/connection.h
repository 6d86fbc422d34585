#pragma once
#include "platform/db/snapshot.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QVariant>

struct sqlite3;
struct sqlite3_stmt;

// One connection to an encrypted database file. It opens on first use, so
// creating it touches no file. Every failure of the engine is thrown as a
// DbError with the engine's message.
class Connection {
public:
    enum class OpenMode { ExistingOnly, CreateIfMissing };

    Connection(QString path, QByteArray key, OpenMode mode = OpenMode::ExistingOnly);
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    const QString &path() const { return path_; }
    bool isOpen() const { return db_ != nullptr; }
    // Opens the file, proves the key and prepares the connection; does
    // nothing when already open.
    void open();
    void close();

    // Runs a statement that returns rows and keeps them all.
    Snapshot query(const QString &sql);
    // Runs one or more statements that return no rows; gives the number of
    // rows the last one changed.
    int execute(const QString &sql);
    // Runs one statement with its ? placeholders bound to the values, in
    // order; the prepared statement is kept for the next call with the same
    // text. For bulk writes whose values do not come from the user's typing.
    int execute(const QString &sql, const QList<QVariant> &values);
    qint64 lastInsertId() const;

    static constexpr int busyTimeoutMs = 5000;

private:
    [[noreturn]] void fail(const char *fallback = nullptr) const;

    QString path_;
    QByteArray key_;
    OpenMode mode_;
    sqlite3 *db_ = nullptr;
    QHash<QString, sqlite3_stmt *> prepared_;
};
