#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class AppConfig;
class TdmData;
class TestDatabase;

// A fresh database with the data module connected to it, a Config.ini of its
// own in a temporary folder and no one logged in: what the main window and the
// login need. Operators with granted functions are added on demand. Create one
// per test function; the session is cleared again when it goes.
class OperatorFixture {
public:
    OperatorFixture();
    ~OperatorFixture();
    OperatorFixture(const OperatorFixture &) = delete;
    OperatorFixture &operator=(const OperatorFixture &) = delete;

    bool databaseIsValid() const;
    bool configLoaded() const { return m_configLoaded; }

    AppConfig *config() const { return m_config.get(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

    // Adds an enabled operator of every area with the functions of the given
    // permission codes granted.
    static void addOperator(const QString &name, const QStringList &codes, const QString &password = QString());
    // Logs the operator in as at start-up, without the dialog.
    void logIn(const QString &name, const QString &password = QString());

private:
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<TdmData> m_data;
    QTemporaryDir m_dir;
    std::unique_ptr<AppConfig> m_config;
    bool m_configLoaded = false;
};
