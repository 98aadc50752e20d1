#pragma once

#include "app/appconfig.h"
#include "db/dbsettings.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <functional>

// The client's way from Config.ini to an open database connection. It reads
// the settings, creates the embedded database on the first start, connects,
// and on failure offers the setup tool. It reports its progress through the
// splash line and needs no window itself, so it runs in tests as it does in
// the program.
class Startup {
public:
    using StatusLine = std::function<void(const QString &text)>;
    using StartProgram = std::function<bool(const QString &program, const QStringList &arguments)>;

    static const QString kStarting;        // "系统正在启动，请稍候 ....."
    static const QString kConnecting;      // "正在连接数据库 ....."
    static const QString kConnected;       // "连接成功，正在登录 ..."
    static const QString kLoggingIn;       // "连接成功，正在登录 ....."
    static const QString kConfigError;     // "配置文件不存在或出错，请先配置系统！"
    static const QString kOfferSetup;      // "数据连接失败，是否要安装配置数据库？"
    static const QString kSetupProgram;    // "velconf"

    // programFolder: where the setup tool lies; empty means the folder of this program.
    explicit Startup(const QString &configPath, const QString &programFolder = QString());

    // The splash line; called with each new text.
    void setStatusLine(StatusLine statusLine) { m_statusLine = std::move(statusLine); }
    // Closes the splash window before the failure question is asked.
    void setCloseSplash(std::function<void()> closeSplash) { m_closeSplash = std::move(closeSplash); }
    // Starts a program without waiting for it; QProcess::startDetached by default.
    void setStartProgram(StartProgram startProgram) { m_startProgram = std::move(startProgram); }
    // The Qt connection to open; the default connection unless set.
    void setConnectionName(const QString &name) { m_connectionName = name; }

    // Runs the procedure. True when the connection is open; false when the
    // user has been told and the program should end.
    bool connectDatabase();

    bool isConnected() const { return m_connected; }
    const AppConfig &config() const { return m_config; }
    // The database name as configured, kept for the backups.
    const QString &databaseName() const { return m_databaseName; }
    const db::DbSettings &settings() const { return m_settings; }
    QString connectionName() const { return m_connectionName; }
    // Why the connection failed, for the log; empty after success.
    const QString &lastError() const { return m_lastError; }

private:
    void status(const QString &text);
    bool prepareEmbeddedDatabase();
    bool failConnection(const QString &reason);

    AppConfig m_config;
    QString m_programFolder;
    QString m_connectionName = QLatin1String(QSqlDatabase::defaultConnection);
    StatusLine m_statusLine;
    std::function<void()> m_closeSplash;
    StartProgram m_startProgram;
    db::DbSettings m_settings;
    QString m_databaseName;
    QString m_lastError;
    bool m_connected = false;
};
