#pragma once

#include "db/dbsettings.h"

#include <QString>

namespace db {

// Creating, finding and setting aside whole databases, for the setup tool and
// the tests. On PostgreSQL these work through the server's "postgres" database
// with the configured login, which needs the right to create databases.
class DatabaseAdmin {
public:
    explicit DatabaseAdmin(const DbSettings &settings) : m_settings(settings) {}

    // The name the server knows the database by (PostgreSQL folds to lower case).
    QString serverName() const;

    bool exists(bool *found, QString *error) const;
    // Creates an empty database (SQLite: the file; PostgreSQL: the database with citext).
    bool createEmpty(QString *error) const;
    // Moves an existing database aside under a new name; never drops it.
    bool moveAside(QString *newName, QString *error) const;
    // Removes a database for good; only the tests use it.
    bool drop(QString *error) const;
    // Creates a database as a copy of another one on the same server (PostgreSQL
    // TEMPLATE, SQLite file copy); only the tests use it.
    bool copyFrom(const DbSettings &source, QString *error) const;

private:
    bool runOnMaintenanceDb(const QString &statement, QString *error) const;

    DbSettings m_settings;
};

}  // namespace db
