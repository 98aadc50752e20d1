#pragma once

#include <QSqlDatabase>
#include <QString>

namespace db {

// Creates every table and index of the system in an empty database.
bool createSchema(QSqlDatabase db, QString *error);

// Writes the seed rows of the system tables (operator "admin", permissions,
// code lists, the sysInfo row, grid settings, import mapping).
bool seedSystemRows(QSqlDatabase db, QString *error);

// Creates this connection's own scratch tables (temporary, per connection).
bool createScratchTables(QSqlDatabase db, QString *error);

}  // namespace db
