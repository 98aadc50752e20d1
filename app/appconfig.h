#pragma once

#include "app/inifile.h"
#include "db/dbsettings.h"

#include <QString>
#include <QStringList>

// The settings of Config.ini as both programs see them: the connection
// (DBconn), the client's own values (Config/CurOperName, config/ibak) and the
// setup tool's (config/user, setup/...). Values are read on demand from the
// loaded file; a missing key gives its default.
//
// Beside the keys the two programs always had, DBconn/driver chooses the
// engine ("sqlite", the default, or "postgres") and DBconn/user the login
// ("sa"). An SQLite database is the file data/<database lower-cased>.db in the
// folder of Config.ini; a PostgreSQL server is "host" or "host:port", where
// "(Local)" and "." mean this machine.
class AppConfig {
public:
    // The two programs differ only in the database name they assume.
    enum class Program { Client, SetupTool };

    static const QString kDefaultClientDatabase;     // "wstlHBS"
    static const QString kDefaultSetupDatabase;      // "wsTLhbs"
    static const QString kDefaultServer;             // "(Local)"
    static const QString kDefaultUser;               // "sa"
    static const QString kDefaultMainApp;            // "Velmora.exe"
    static const QString kDefaultFile1;              // "vuROzedData.MDF"
    static const QString kDefaultFile2;              // "vuROzedLog.LDF"

    explicit AppConfig(const QString &path = QString(), Program program = Program::Client);

    // Where Config.ini is: the path after --config when given; otherwise beside
    // the program file, or, when that folder cannot be written and holds no
    // Config.ini, in the user's configuration folder.
    static QString locate(const QStringList &arguments);
    // The value after --config (or --config=PATH), empty when not given.
    static QString configArgument(const QStringList &arguments);

    // Reads the file; a missing file is no error (every key has its default).
    bool load(QString *error = nullptr);

    const QString &path() const { return m_ini.path(); }
    IniFile &ini() { return m_ini; }
    const IniFile &ini() const { return m_ini; }
    Program program() const { return m_program; }

    // DBconn
    QString driver() const;           // "sqlite" or "postgres", lower-cased
    QString database() const;         // as written, default by program
    QString server() const;
    QString user() const;
    QString storedPassword() const;
    QString password() const;         // the clear password (GetPass)

    // Config / config
    QString curOperName() const;
    int autoBackupMode() const;       // ibak: 0 none, 1 every start, 2 Mondays, 3 first of month
    QString organisation() const;     // config/user, shown by the setup tool

    // setup
    QString mainApp() const;
    QString file1() const;
    QString file2() const;

    // The folder of Config.ini and the folders derived from it.
    QString configFolder() const;
    QString dataFolder() const;       // <config folder>/data
    QString backupFolder() const;     // <data folder>/backup
    // The SQLite file of the configured database; empty when the name is blank
    // or cannot be a file name.
    QString sqliteFile() const;

    // The connection settings, with the clear password. False with the reason
    // when a value cannot be used (an unknown driver, a bad port).
    bool toDbSettings(db::DbSettings *settings, QString *error = nullptr) const;

    // Writing: each re-reads the file, changes its keys and writes it back.
    bool setCurOperName(const QString &name, QString *error = nullptr);
    bool setAutoBackupMode(int mode, QString *error = nullptr);
    // The connection settings as the setup tool saves them; the password is
    // stored in its stored form.
    bool saveConnection(const QString &organisation, const QString &database, const QString &server,
                        const QString &clearPassword, QString *error = nullptr);

    // Splits a server value into host and port ("(Local)", "." -> localhost).
    static bool parseServer(const QString &server, QString *host, int *port);

private:
    QString read(const QString &section, const QString &key, const QString &defaultValue) const;

    IniFile m_ini;
    Program m_program;
};
