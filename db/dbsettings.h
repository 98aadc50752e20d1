#pragma once

#include <QString>

namespace db {

// Which database engine a connection talks to.
enum class Engine { Sqlite, Postgres };

// Everything needed to open one connection, whatever the engine.
struct DbSettings {
    Engine engine = Engine::Sqlite;
    QString database;      // database name as configured ("wstlHBS")
    QString sqliteFile;    // SQLite: the database file
    QString host = QStringLiteral("localhost");  // PostgreSQL
    int port = 5432;
    QString user = QStringLiteral("sa");
    QString password;
};

}  // namespace db
