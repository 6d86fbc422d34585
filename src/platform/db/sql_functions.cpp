#include "platform/db/sql_functions.h"

#include "platform/db/app_clock.h"

#include <sqlcipher/sqlite3.h>

namespace {

void iif(sqlite3_context *context, int, sqlite3_value **argv)
{
    // NULL and zero are false, as in a WHERE clause.
    const bool condition = sqlite3_value_type(argv[0]) != SQLITE_NULL
                           && sqlite3_value_double(argv[0]) != 0.0;
    sqlite3_result_value(context, condition ? argv[1] : argv[2]);
}

void now(sqlite3_context *context, int, sqlite3_value **)
{
    const QByteArray text = AppClock::nowText().toUtf8();
    sqlite3_result_text(context, text.constData(), int(text.size()), SQLITE_TRANSIENT);
}

} // namespace

void registerSqlFunctions(sqlite3 *db)
{
    sqlite3_create_function_v2(db, "IIF", 3, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, iif,
                               nullptr, nullptr, nullptr);
    sqlite3_create_function_v2(db, "NOW", 0, SQLITE_UTF8, nullptr, now, nullptr, nullptr, nullptr);
}
