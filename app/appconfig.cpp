#include "app/appconfig.h"

#include "app/passwordcodec.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString kDBconn = QStringLiteral("DBconn");
const QString kConfig = QStringLiteral("Config");
const QString kConfigLower = QStringLiteral("config");
const QString kSetup = QStringLiteral("setup");
const QString kIniName = QStringLiteral("Config.ini");

bool fail(QString *error, const QString &text)
{
    if (error)
        *error = text;
    return false;
}

}  // namespace

const QString AppConfig::kDefaultClientDatabase = QStringLiteral("wstlHBS");
const QString AppConfig::kDefaultSetupDatabase = QStringLiteral("wsTLhbs");
const QString AppConfig::kDefaultServer = QStringLiteral("(Local)");
const QString AppConfig::kDefaultUser = QStringLiteral("sa");
const QString AppConfig::kDefaultMainApp = QStringLiteral("Velmora.exe");
const QString AppConfig::kDefaultFile1 = QStringLiteral("vuROzedData.MDF");
const QString AppConfig::kDefaultFile2 = QStringLiteral("vuROzedLog.LDF");

AppConfig::AppConfig(const QString &path, Program program) : m_ini(path), m_program(program) {}

QString AppConfig::configArgument(const QStringList &arguments)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &arg = arguments.at(i);
        if (arg == QLatin1String("--config") && i + 1 < arguments.size())
            return arguments.at(i + 1);
        if (arg.startsWith(QLatin1String("--config=")))
            return arg.mid(int(qstrlen("--config=")));
    }
    return QString();
}

QString AppConfig::locate(const QStringList &arguments)
{
    const QString given = configArgument(arguments);
    if (!given.isEmpty())
        return QFileInfo(given).absoluteFilePath();
    const QDir programDir(QCoreApplication::applicationDirPath());
    const QString beside = programDir.filePath(kIniName);
    if (QFileInfo::exists(beside) || QFileInfo(programDir.absolutePath()).isWritable())
        return beside;
    // An installed program folder is read-only: keep the settings with the user.
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("velmora/") + kIniName);
}

bool AppConfig::load(QString *error)
{
    return m_ini.load(error);
}

QString AppConfig::read(const QString &section, const QString &key, const QString &defaultValue) const
{
    return m_ini.value(section, key, defaultValue);
}

QString AppConfig::driver() const
{
    const QString value = read(kDBconn, QStringLiteral("driver"), QString()).trimmed().toLower();
    return value.isEmpty() ? QStringLiteral("sqlite") : value;
}

QString AppConfig::database() const
{
    return read(kDBconn, QStringLiteral("Database"),
                m_program == Program::Client ? kDefaultClientDatabase : kDefaultSetupDatabase);
}

QString AppConfig::server() const
{
    return read(kDBconn, QStringLiteral("server"), kDefaultServer);
}

QString AppConfig::user() const
{
    const QString value = read(kDBconn, QStringLiteral("user"), QString()).trimmed();
    return value.isEmpty() ? kDefaultUser : value;
}

QString AppConfig::storedPassword() const
{
    return read(kDBconn, QStringLiteral("password"), QString());
}

QString AppConfig::password() const
{
    return GetPass(storedPassword());
}

QString AppConfig::curOperName() const
{
    return read(kConfig, QStringLiteral("CurOperName"), QString());
}

int AppConfig::autoBackupMode() const
{
    const int mode = m_ini.intValue(kConfigLower, QStringLiteral("ibak"), 0);
    return mode >= 0 && mode <= 3 ? mode : 0;
}

QString AppConfig::organisation() const
{
    return read(kConfigLower, QStringLiteral("user"), QString());
}

QString AppConfig::mainApp() const
{
    return read(kSetup, QStringLiteral("MainApp"), kDefaultMainApp);
}

QString AppConfig::file1() const
{
    return read(kSetup, QStringLiteral("File1"), kDefaultFile1);
}

QString AppConfig::file2() const
{
    return read(kSetup, QStringLiteral("File2"), kDefaultFile2);
}

QString AppConfig::configFolder() const
{
    return QFileInfo(path()).absolutePath();
}

QString AppConfig::dataFolder() const
{
    return QDir(configFolder()).filePath(QStringLiteral("data"));
}

QString AppConfig::backupFolder() const
{
    return QDir(dataFolder()).filePath(QStringLiteral("backup"));
}

QString AppConfig::sqliteFile() const
{
    const QString name = database().trimmed().toLower();
    // The name becomes a file name inside the data folder, nowhere else.
    if (name.isEmpty() || name.startsWith(QLatin1Char('.')) || name.contains(QLatin1Char('/'))
        || name.contains(QLatin1Char('\\')) || name.contains(QChar(0)))
        return QString();
    return QDir(dataFolder()).filePath(name + QStringLiteral(".db"));
}

bool AppConfig::parseServer(const QString &server, QString *host, int *port)
{
    QString h = server.trimmed();
    int p = 5432;
    if (h.startsWith(QLatin1Char('['))) {
        // [IPv6 address] or [IPv6 address]:port
        const qsizetype close = h.indexOf(QLatin1Char(']'));
        if (close < 0)
            return false;
        const QString rest = h.mid(close + 1);
        h = h.mid(1, close - 1);
        if (!rest.isEmpty()) {
            if (!rest.startsWith(QLatin1Char(':')))
                return false;
            bool ok = false;
            p = rest.mid(1).toInt(&ok);
            if (!ok || p <= 0 || p > 65535)
                return false;
        }
    } else if (h.count(QLatin1Char(':')) == 1) {
        bool ok = false;
        p = h.section(QLatin1Char(':'), 1).trimmed().toInt(&ok);
        if (!ok || p <= 0 || p > 65535)
            return false;
        h = h.section(QLatin1Char(':'), 0, 0).trimmed();
    }
    if (h.isEmpty() || h.compare(QLatin1String("(Local)"), Qt::CaseInsensitive) == 0 || h == QLatin1String("."))
        h = QStringLiteral("localhost");
    *host = h;
    *port = p;
    return true;
}

bool AppConfig::toDbSettings(db::DbSettings *settings, QString *error) const
{
    db::DbSettings s;
    const QString engine = driver();
    if (engine == QLatin1String("sqlite")) {
        s.engine = db::Engine::Sqlite;
        s.sqliteFile = sqliteFile();
    } else if (engine == QLatin1String("postgres") || engine == QLatin1String("postgresql")) {
        s.engine = db::Engine::Postgres;
        if (!parseServer(server(), &s.host, &s.port))
            return fail(error, QStringLiteral("server \"%1\" is not host or host:port").arg(server()));
    } else {
        return fail(error, QStringLiteral("unknown driver \"%1\" (sqlite or postgres)").arg(engine));
    }
    s.database = database().trimmed();
    s.user = user();
    s.password = password();
    *settings = s;
    return true;
}

bool AppConfig::setCurOperName(const QString &name, QString *error)
{
    return m_ini.writeValue(kConfig, QStringLiteral("CurOperName"), name, error);
}

bool AppConfig::setAutoBackupMode(int mode, QString *error)
{
    return m_ini.writeValue(kConfigLower, QStringLiteral("ibak"), QString::number(mode), error);
}

bool AppConfig::saveConnection(const QString &organisation, const QString &database, const QString &server,
                               const QString &clearPassword, QString *error)
{
    if (!m_ini.load(error))
        return false;
    m_ini.setValue(kConfigLower, QStringLiteral("user"), organisation.trimmed());
    m_ini.setValue(QStringLiteral("DBConn"), QStringLiteral("dataBase"), database.trimmed());
    m_ini.setValue(QStringLiteral("DBConn"), QStringLiteral("server"), server.trimmed());
    m_ini.setValue(QStringLiteral("DBConn"), QStringLiteral("password"), SavePass(clearPassword.trimmed()));
    return m_ini.save(error);
}
