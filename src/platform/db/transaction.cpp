#include "platform/db/transaction.h"

#include "platform/db/connection.h"

#include <QString>

Transaction::Transaction(Connection &connection) : connection_(connection)
{
    // IMMEDIATE takes the write lock at once, so a second process waits on
    // the busy timeout here instead of failing half-way through.
    connection_.execute(QStringLiteral("BEGIN IMMEDIATE"));
}

Transaction::~Transaction()
{
    if (open_) {
        try {
            connection_.execute(QStringLiteral("ROLLBACK"));
        } catch (...) {
            // The engine may already have rolled back after a failure.
        }
    }
}

void Transaction::commit()
{
    connection_.execute(QStringLiteral("COMMIT"));
    open_ = false;
}
