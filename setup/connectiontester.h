#pragma once

#include "app/appconfig.h"

#include <QString>

// Checks that the connection Config.ini describes works: the server answers,
// the database opens and its operator table can be read. When PostgreSQL
// refuses the password login it explains what the server must allow; it never
// reconfigures or restarts the server itself.
class ConnectionTester {
public:
    struct Outcome {
        bool ok = false;
        QString message;   // the tool's own text
        QString detail;
    };

    explicit ConnectionTester(const AppConfig &config) : m_config(config) {}

    Outcome test() const;

    // The advice shown when the server refused the login, or empty.
    static QString loginAdvice(const QString &serverError, const db::DbSettings &settings);

private:
    const AppConfig &m_config;
};
