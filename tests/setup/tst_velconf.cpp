#include "app/appconfig.h"
#include "app/passwordcodec.h"
#include "db/connection.h"
#include "db/databaseadmin.h"
#include "dbtestmain.h"
#include "setup/setupmessages.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QTemporaryDir>

// The setup tool's command line, run as the real program against a Config.ini
// of its own: installing, testing, refusing to overwrite and moving aside.
class TestVelconf : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void installGivesAWorkingDatabase();
    void secondInstallRefusesAndKeepsTheData();
    void replaceMovesTheOldDatabaseAside();
    void blankDatabaseNameInstallsNothing();
    void testReportsWhyItFails();
    void configureWritesTheConnection();
    void argumentsAndUsage_data();
    void argumentsAndUsage();

private:
    struct Result {
        int exitCode = -1;
        QString out;
        QString err;
    };
    Result velconf(const QStringList &arguments);
    // Writes Config.ini for the engine under test, naming `database`.
    void writeConfig(const QString &database, const QByteArray &extra = QByteArray());
    db::DbSettings configuredSettings();
    bool setMarker(const db::DbSettings &settings, const QString &marker);
    QString marker(const db::DbSettings &settings);

    QScopedPointer<QTemporaryDir> m_dir;
    QString m_configPath;
    db::DbSettings m_engine;            // server, login and a unique name
    QList<db::DbSettings> m_toDrop;
};

void TestVelconf::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    m_configPath = m_dir->filePath(QStringLiteral("Config.ini"));
    m_engine = TestDatabase::newDatabaseSettings(QStringLiteral("conf"));
    m_toDrop.clear();
}

void TestVelconf::cleanup()
{
    for (const db::DbSettings &s : std::as_const(m_toDrop))
        db::DatabaseAdmin(s).drop(nullptr);
    m_toDrop.clear();
}

TestVelconf::Result TestVelconf::velconf(const QStringList &arguments)
{
    Result result;
    QProcess process;
    process.start(QDir(qEnvironmentVariable("VELMORA_BIN_DIR")).filePath(QStringLiteral("velconf")), arguments);
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        result.err = QStringLiteral("velconf did not finish: ") + process.errorString();
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

void TestVelconf::configureWritesTheConnection()
{
    // A file with a client key of its own, which configuring must keep.
    QFile f(m_configPath);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("[Config]\nCurOperName=张三\n");
    f.close();
    m_toDrop.append(m_engine);

    QStringList arguments{QStringLiteral("--configure"), QStringLiteral("--config"), m_configPath,
                          QStringLiteral("--database"), m_engine.database};
    if (m_engine.engine == db::Engine::Postgres) {
        arguments << QStringLiteral("--driver") << QStringLiteral("postgres") << QStringLiteral("--server")
                  << m_engine.host + QLatin1Char(':') + QString::number(m_engine.port) << QStringLiteral("--user")
                  << m_engine.user << QStringLiteral("--password") << m_engine.password;
    } else {
        arguments << QStringLiteral("--password") << QStringLiteral("密码 1;x");
    }
    Result r = velconf(arguments);
    QVERIFY2(r.exitCode == 0, qPrintable(r.err));

    AppConfig config(m_configPath, AppConfig::Program::Client);
    QVERIFY(config.load());
    QCOMPARE(config.curOperName(), QStringLiteral("张三"));
    QCOMPARE(config.database(), m_engine.database);
    QVERIFY(config.storedPassword() != config.password());
    QCOMPARE(config.password(),
             m_engine.engine == db::Engine::Postgres ? m_engine.password : QStringLiteral("密码 1;x"));

    // The configured connection is the one install and test then use.
    const QStringList onConfig{QStringLiteral("--config"), m_configPath};
    r = velconf(QStringList{QStringLiteral("--install")} + onConfig);
    QVERIFY2(r.exitCode == 0, qPrintable(r.err));
    r = velconf(QStringList{QStringLiteral("--test")} + onConfig);
    QVERIFY2(r.exitCode == 0, qPrintable(r.err));

    QCOMPARE(velconf({QStringLiteral("--configure"), QStringLiteral("--config"), m_configPath,
                      QStringLiteral("--driver"), QStringLiteral("oracle")})
                 .exitCode,
             1);
    QCOMPARE(velconf({QStringLiteral("--test"), QStringLiteral("--user"), QStringLiteral("x")}).exitCode, 2);
}

void TestVelconf::writeConfig(const QString &database, const QByteArray &extra)
{
    QByteArray text = "[DBConn]\ndataBase=" + database.toUtf8() + "\n";
    if (m_engine.engine == db::Engine::Postgres) {
        text += "driver=postgres\nserver=" + m_engine.host.toUtf8() + ':' + QByteArray::number(m_engine.port)
                + "\nuser=" + m_engine.user.toUtf8() + "\npassword=" + SavePass(m_engine.password).toUtf8() + "\n";
    }
    text += extra;
    QFile f(m_configPath);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(text);
    f.close();

    db::DbSettings settings = configuredSettings();
    if (!settings.database.trimmed().isEmpty())
        m_toDrop.append(settings);
}

db::DbSettings TestVelconf::configuredSettings()
{
    AppConfig config(m_configPath, AppConfig::Program::SetupTool);
    db::DbSettings settings;
    if (!config.load() || !config.toDbSettings(&settings))
        qWarning("the test's own Config.ini cannot be read");
    return settings;
}

bool TestVelconf::setMarker(const db::DbSettings &settings, const QString &marker)
{
    const QString name = QStringLiteral("velconf_marker");
    bool ok = false;
    {
        if (db::openConnection(settings, name, nullptr)) {
            QSqlQuery q(QSqlDatabase::database(name, false));
            q.prepare(QStringLiteral("update sysInfo set F_name = :m"));
            q.bindValue(QStringLiteral(":m"), marker);
            ok = q.exec() && q.numRowsAffected() == 1;
        }
        QSqlDatabase::database(name, false).close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

QString TestVelconf::marker(const db::DbSettings &settings)
{
    const QString name = QStringLiteral("velconf_marker");
    QString value = QStringLiteral("<no database>");
    {
        if (db::openConnection(settings, name, nullptr)) {
            QSqlQuery q(QSqlDatabase::database(name, false));
            if (q.exec(QStringLiteral("select F_name from sysInfo")) && q.next())
                value = q.value(0).toString();
        }
        QSqlDatabase::database(name, false).close();
    }
    QSqlDatabase::removeDatabase(name);
    return value;
}

void TestVelconf::installGivesAWorkingDatabase()
{
    // Mixed case as an operator types it: both engines fold it.
    writeConfig(m_engine.database.toUpper());
    const QStringList config{QStringLiteral("--config"), m_configPath};

    Result r = velconf(QStringList{QStringLiteral("--test")} + config);
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains(SetupMessages::kTestFailed), qPrintable(r.err));

    r = velconf(QStringList{QStringLiteral("--install")} + config);
    QVERIFY2(r.exitCode == 0, qPrintable(r.err));
    QVERIFY(r.out.contains(SetupMessages::kCreated));

    r = velconf(QStringList{QStringLiteral("--test")} + config);
    QVERIFY2(r.exitCode == 0, qPrintable(r.err));
    QVERIFY(r.out.contains(SetupMessages::kTestSucceeded));

    const db::DbSettings settings = configuredSettings();
    if (settings.engine == db::Engine::Sqlite)
        QCOMPARE(settings.sqliteFile, m_dir->filePath(QStringLiteral("data/") + m_engine.database.toLower() + ".db"));
    // The seeds know where the backups go.
    const QString name = QStringLiteral("velconf_check");
    {
        QVERIFY(db::openConnection(settings, name, nullptr));
        QSqlQuery q(QSqlDatabase::database(name, false));
        QVERIFY(q.exec(QStringLiteral("select F_BakPath from sysInfo")) && q.next());
        QCOMPARE(q.value(0).toString(), m_dir->filePath(QStringLiteral("data/backup")));
        QSqlDatabase::database(name, false).close();
    }
    QSqlDatabase::removeDatabase(name);
}

void TestVelconf::secondInstallRefusesAndKeepsTheData()
{
    writeConfig(m_engine.database);
    const QStringList install{QStringLiteral("--install"), QStringLiteral("--config"), m_configPath};
    QCOMPARE(velconf(install).exitCode, 0);
    const db::DbSettings settings = configuredSettings();
    QVERIFY(setMarker(settings, QStringLiteral("first")));

    const Result r = velconf(install);
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains(QLatin1String("exists already")), qPrintable(r.err));
    QVERIFY(r.out.isEmpty());
    QCOMPARE(marker(settings), QStringLiteral("first"));
}

void TestVelconf::replaceMovesTheOldDatabaseAside()
{
    writeConfig(m_engine.database);
    QCOMPARE(velconf({QStringLiteral("--install"), QStringLiteral("--config"), m_configPath}).exitCode, 0);
    const db::DbSettings settings = configuredSettings();
    QVERIFY(setMarker(settings, QStringLiteral("old data")));

    const Result r = velconf({QStringLiteral("--install"), QStringLiteral("--replace"), QStringLiteral("--config"),
                              m_configPath});
    QVERIFY2(r.exitCode == 0, qPrintable(r.err));
    const QRegularExpressionMatch moved = QRegularExpression(QStringLiteral("moved aside to (\\S+)")).match(r.out);
    QVERIFY2(moved.hasMatch(), qPrintable(r.out));

    db::DbSettings old = settings;
    if (old.engine == db::Engine::Sqlite)
        old.sqliteFile = moved.captured(1);
    else
        old.database = moved.captured(1);
    m_toDrop.append(old);

    QCOMPARE(marker(settings), QString());   // a new database with the seed row
    QCOMPARE(marker(old), QStringLiteral("old data"));
}

void TestVelconf::blankDatabaseNameInstallsNothing()
{
    writeConfig(QStringLiteral("   "));
    const Result r = velconf({QStringLiteral("--install"), QStringLiteral("--config"), m_configPath});
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains(SetupMessages::kEnterDatabaseName), qPrintable(r.err));
    QVERIFY(!QFile::exists(m_dir->filePath(QStringLiteral("data"))));
}

void TestVelconf::testReportsWhyItFails()
{
    if (m_engine.engine == db::Engine::Sqlite) {
        writeConfig(m_engine.database);
        const Result r = velconf({QStringLiteral("--test"), QStringLiteral("--config"), m_configPath});
        QCOMPARE(r.exitCode, 1);
        QVERIFY(r.err.contains(SetupMessages::kTestFailed));
        QVERIFY2(r.err.contains(QLatin1String("does not exist")), qPrintable(r.err));
        // Testing never creates the database.
        QVERIFY(!QFile::exists(configuredSettings().sqliteFile));
        return;
    }
    // A wrong password: the server refuses the login, and the tool says what
    // the server must allow.
    const QString wrong = SavePass(m_engine.password + QStringLiteral("-wrong"));
    writeConfig(m_engine.database, QByteArray());
    AppConfig config(m_configPath);
    QVERIFY(config.load());
    QVERIFY(config.ini().writeValue(QStringLiteral("DBconn"), QStringLiteral("password"), wrong));
    Result r = velconf({QStringLiteral("--test"), QStringLiteral("--config"), m_configPath});
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains(SetupMessages::kServerUnreachable), qPrintable(r.err));
    QVERIFY2(r.err.contains(QLatin1String("pg_hba.conf")), qPrintable(r.err));

    // The right password but no such database.
    QVERIFY(config.ini().writeValue(QStringLiteral("DBconn"), QStringLiteral("password"), SavePass(m_engine.password)));
    r = velconf({QStringLiteral("--test"), QStringLiteral("--config"), m_configPath});
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains(SetupMessages::kTestFailed), qPrintable(r.err));
}

void TestVelconf::argumentsAndUsage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("none") << QStringList() << 0;
    QTest::newRow("help") << QStringList{QStringLiteral("--help")} << 0;
    QTest::newRow("unknown option") << QStringList{QStringLiteral("--bogus")} << 2;
    QTest::newRow("replace alone") << QStringList{QStringLiteral("--replace")} << 2;
    QTest::newRow("install and test") << QStringList{QStringLiteral("--install"), QStringLiteral("--test")} << 2;
}

void TestVelconf::argumentsAndUsage()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    const Result r = velconf(arguments);
    QCOMPARE(r.exitCode, exitCode);
    QVERIFY((exitCode == 0 ? r.out : r.err).contains(QLatin1String("Usage: velconf")));
    QVERIFY(!QFile::exists(m_dir->filePath(QStringLiteral("data"))));
}

VEL_DB_TEST_MAIN(TestVelconf)
#include "tst_velconf.moc"
