#pragma once

#include "db/tabledef.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

namespace db {

// Creates every table and index of the system in an empty database, in one
// transaction. On PostgreSQL it first makes sure the citext extension exists.
bool createSchema(QSqlDatabase db, QString *error);

// Writes the seed rows of the system tables (operator "admin", permissions,
// code lists, the sysInfo row, grid settings, import mapping).
bool seedSystemRows(QSqlDatabase db, QString *error);
// The same, with the backup folder kept in sysInfo.
bool seedSystemRows(QSqlDatabase db, QString *error, const QString &backupFolder);

// Creates this connection's own scratch tables (temporary, per connection).
bool createScratchTables(QSqlDatabase db, QString *error);

// Re-creates this connection's fee cross table tempFYrec, empty, with
// max(15, feeItems) value columns F_SZ1.. so that every fee item has one.
bool createFeeCrossTable(QSqlDatabase db, int feeItems, QString *error);

// The tables the database must hold, with their columns.
QList<TableDef> expectedTables();

// Compares the database with expectedTables(): false with one line per missing
// table or column.
bool checkSchema(QSqlDatabase db, QStringList *problems);

}  // namespace db
