#pragma once

#include "app/appconfig.h"

#include <QString>

// Creates the database that Config.ini names, with all tables and seed rows:
// on SQLite the file in the data folder, on PostgreSQL the database (owned by
// the configured login) with citext. An existing database is only replaced on
// request, and then moved aside under a new name, never dropped.
class Installer {
public:
    enum class Status { Installed, AlreadyExists, Failed };

    struct Outcome {
        Status status = Status::Failed;
        QString message;        // the tool's own text
        QString detail;         // what exactly happened, or why not
        QString movedAsideTo;   // the new name of a replaced database
    };

    explicit Installer(const AppConfig &config) : m_config(config) {}

    Outcome install(bool replace) const;

    // Where the database lives, for messages: the file or host:port/name.
    static QString describe(const db::DbSettings &settings);

private:
    const AppConfig &m_config;
};
