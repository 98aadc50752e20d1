#include "app/startup.h"

#include "app/databasebuilder.h"
#include "app/messages.h"
#include "db/connection.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

const QString Startup::kStarting = QStringLiteral("系统正在启动，请稍候 .....");
const QString Startup::kConnecting = QStringLiteral("正在连接数据库 .....");
const QString Startup::kConnected = QStringLiteral("连接成功，正在登录 ...");
const QString Startup::kLoggingIn = QStringLiteral("连接成功，正在登录 .....");
const QString Startup::kConfigError = QStringLiteral("配置文件不存在或出错，请先配置系统！");
const QString Startup::kOfferSetup = QStringLiteral("数据连接失败，是否要安装配置数据库？");
const QString Startup::kSetupProgram = QStringLiteral("velconf");

Startup::Startup(const QString &configPath, const QString &programFolder)
    : m_config(configPath, AppConfig::Program::Client),
      m_programFolder(programFolder.isEmpty() ? QCoreApplication::applicationDirPath() : programFolder),
      m_startProgram([](const QString &program, const QStringList &arguments) {
          return QProcess::startDetached(program, arguments);
      })
{
}

void Startup::status(const QString &text)
{
    if (m_statusLine)
        m_statusLine(text);
}

bool Startup::connectDatabase()
{
    m_connected = false;
    m_lastError.clear();

    QString error;
    if (!m_config.load(&error) || !m_config.toDbSettings(&m_settings, &error)) {
        m_lastError = error;
        // No message box may hide behind the splash window.
        if (m_closeSplash)
            m_closeSplash();
        ShowMess(kConfigError, MessWarning);
        return false;
    }
    m_databaseName = m_config.database();

    // A blank name never reaches a server.
    if (m_settings.database.trimmed().isEmpty())
        return failConnection(QStringLiteral("database name is empty"));

    status(kConnecting);
    if (m_settings.engine == db::Engine::Sqlite && !prepareEmbeddedDatabase())
        return false;
    if (!db::openConnection(m_settings, m_connectionName, &error))
        return failConnection(error);

    m_connected = true;
    status(kConnected);
    return true;
}

// The embedded database needs no set-up: on the first start it is created
// beside Config.ini. A server database is only ever created by the setup tool.
bool Startup::prepareEmbeddedDatabase()
{
    if (m_settings.sqliteFile.isEmpty())
        return failConnection(QStringLiteral("\"%1\" cannot be a database file name").arg(m_databaseName));
    if (QFileInfo::exists(m_settings.sqliteFile))
        return true;
    QString error;
    if (!DatabaseBuilder::create(m_settings, m_config.backupFolder(), &error))
        return failConnection(error);
    return true;
}

bool Startup::failConnection(const QString &reason)
{
    m_connected = false;
    m_lastError = reason;
    if (m_closeSplash)
        m_closeSplash();
    if (ShowMess(kOfferSetup, MessQuestion) == AnswerYes) {
        // A missing setup tool is not reported: the program ends either way.
        const QString program = QDir(m_programFolder).filePath(kSetupProgram);
        m_startProgram(program, {QStringLiteral("--config"), m_config.path()});
    }
    return false;
}
