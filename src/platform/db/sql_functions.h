#pragma once
struct sqlite3;

// Registers the functions the statements use beyond the engine's own:
// IIF(condition, a, b) and NOW(), which reads the application clock.
void registerSqlFunctions(sqlite3 *db);
