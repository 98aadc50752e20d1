#pragma once

#include "db/dbsettings.h"

#include <QSqlDatabase>
#include <QString>

// A fresh database with the whole schema and the seed rows, of the engine the
// test run asks for (VELMORA_TEST_ENGINE = sqlite or postgres). It is opened as
// the default connection, the one the program itself uses, and removed again
// when the object goes. Create one per test function for isolation.
class TestDatabase {
public:
    TestDatabase();
    ~TestDatabase();
    TestDatabase(const TestDatabase &) = delete;
    TestDatabase &operator=(const TestDatabase &) = delete;

    bool isValid() const { return m_valid; }
    QSqlDatabase db() const;
    const db::DbSettings &settings() const { return m_settings; }

    // A second, independent connection to the same database (another client).
    QSqlDatabase openAnotherConnection(const QString &connectionName) const;

    static db::Engine engine();
    static QString engineName();
    // Settings of a new, not yet existing database of the test engine.
    static db::DbSettings newDatabaseSettings(const QString &tag);

private:
    db::DbSettings m_settings;
    bool m_valid = false;
};
