#pragma once
#include <QString>

class Connection;

// The tables of Data.dx. The program itself never creates or alters them;
// the provisioning tool and the tests do.
namespace schema {

inline constexpr int userVersion = 1;

// The whole DDL script: tables, type checks, indexes and the version mark.
QString ddl();

// Runs the script in one transaction on an empty database.
void create(Connection &connection);

} // namespace schema
