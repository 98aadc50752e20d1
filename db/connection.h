#pragma once

#include "db/dbsettings.h"

#include <QSqlDatabase>
#include <QString>

namespace db {

// Opens the named Qt SQL connection with the given settings and prepares it
// for the system: SQLite gets WAL and a busy timeout, every connection gets its
// own scratch tables. Returns false and the error text when it cannot connect.
// A blank database name never reaches a server.
bool openConnection(const DbSettings &settings, const QString &connectionName, QString *error);

}  // namespace db
