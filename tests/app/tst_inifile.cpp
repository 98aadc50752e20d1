#include "app/appconfig.h"
#include "app/inifile.h"
#include "app/passwordcodec.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// Config.ini as both programs read and write it.
class TestIniFile : public QObject {
    Q_OBJECT

private slots:
    void init();

    void findsKeysWithoutRegardToCase_data();
    void findsKeysWithoutRegardToCase();
    void clientReadsWhatTheSetupToolWrote();
    void defaultsOfAMissingFile();
    void writingAKeyKeepsTheRest_data();
    void writingAKeyKeepsTheRest();
    void readsLegacyCodePageFile();
    void savedFileIsUtf8AndOwnerOnly();
    void unreadableFileIsAnError();
    void serverValues_data();
    void serverValues();
    void connectionSettings_data();
    void connectionSettings();
    void configLocationFromArguments();

private:
    QString writeFile(const QByteArray &bytes);
    QString m_path;
    QScopedPointer<QTemporaryDir> m_dir;
};

namespace {

// Config.ini as the setup tool writes it, on Windows line ends.
const QByteArray kSetupToolFile = "[DBConn]\r\n"
                                  "dataBase=PropDB\r\n"
                                  "server=(Local)\r\n"
                                  "password=x1y6z3w7q\r\n"
                                  "[config]\r\n"
                                  "user=Acme\r\n"
                                  "ibak=2\r\n";

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

void TestIniFile::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    m_path = m_dir->filePath(QStringLiteral("Config.ini"));
}

QString TestIniFile::writeFile(const QByteArray &bytes)
{
    QFile f(m_path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(m_path));
    return m_path;
}

void TestIniFile::findsKeysWithoutRegardToCase_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");
    QTest::newRow("client spelling") << "DBconn" << "Database" << "PropDB";
    QTest::newRow("tool spelling") << "DBConn" << "dataBase" << "PropDB";
    QTest::newRow("upper case") << "DBCONN" << "SERVER" << "(Local)";
    QTest::newRow("Config is config") << "Config" << "USER" << "Acme";
    QTest::newRow("missing key") << "DBconn" << "driver" << "-";
    QTest::newRow("missing section") << "setup" << "MainApp" << "-";
}

void TestIniFile::findsKeysWithoutRegardToCase()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    IniFile ini(writeFile(kSetupToolFile));
    QVERIFY(ini.load());
    QCOMPARE(ini.value(section, key, QStringLiteral("-")), expected);
}

void TestIniFile::clientReadsWhatTheSetupToolWrote()
{
    AppConfig client(writeFile(kSetupToolFile), AppConfig::Program::Client);
    QVERIFY(client.load());
    QCOMPARE(client.database(), QStringLiteral("PropDB"));
    QCOMPARE(client.server(), QStringLiteral("(Local)"));
    QCOMPARE(client.password(), QStringLiteral("sa"));
    QCOMPARE(client.organisation(), QStringLiteral("Acme"));
    QCOMPARE(client.autoBackupMode(), 2);
}

void TestIniFile::defaultsOfAMissingFile()
{
    AppConfig client(m_path, AppConfig::Program::Client);
    AppConfig tool(m_path, AppConfig::Program::SetupTool);
    QVERIFY(client.load());
    QVERIFY(tool.load());
    QCOMPARE(client.database(), QStringLiteral("wstlHBS"));
    QCOMPARE(tool.database(), QStringLiteral("wsTLhbs"));
    QCOMPARE(client.server(), QStringLiteral("(Local)"));
    QCOMPARE(client.password(), QString());
    QCOMPARE(client.driver(), QStringLiteral("sqlite"));
    QCOMPARE(client.user(), QStringLiteral("sa"));
    QCOMPARE(client.autoBackupMode(), 0);
    QCOMPARE(client.curOperName(), QString());
    QCOMPARE(tool.mainApp(), QStringLiteral("Velmora.exe"));
    QCOMPARE(tool.file1(), QStringLiteral("vuROzedData.MDF"));
    QCOMPARE(tool.file2(), QStringLiteral("vuROzedLog.LDF"));
    // The two programs' default names meet in one SQLite file.
    QCOMPARE(client.sqliteFile(), tool.sqliteFile());
    QCOMPARE(client.sqliteFile(), m_dir->filePath(QStringLiteral("data/wstlhbs.db")));
    QVERIFY(!QFile::exists(m_path));
}

void TestIniFile::writingAKeyKeepsTheRest_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("after");

    const QByteArray file = "; settings of the office PC\n"
                            "[DBConn]\n"
                            "dataBase = PropDB\n"
                            "server=(Local)\n"
                            "\n"
                            "# the client's own\n"
                            "[Config]\n"
                            "CurOperName=admin\n"
                            "\n"
                            "[setup]\n"
                            "MainApp=Velmora.exe\n";
    QTest::newRow("change a key, spelled as the file does not")
        << file << "DBconn" << "Database" << "Other"
        << QByteArray(file).replace("dataBase = PropDB", "dataBase=Other");
    QTest::newRow("new key goes to the end of its section")
        << file << "config" << "ibak" << "1"
        << QByteArray(file).replace("CurOperName=admin\n", "CurOperName=admin\nibak=1\n");
    QTest::newRow("new section goes to the end")
        << file << "Extra" << "k" << "v" << file + "\n[Extra]\nk=v\n";
    QTest::newRow("windows line ends stay")
        << kSetupToolFile << "DBconn" << "server" << "db1:5433"
        << QByteArray(kSetupToolFile).replace("server=(Local)", "server=db1:5433");
    QTest::newRow("no final line end stays so")
        << QByteArray("[a]\nx=1\ny=2") << "A" << "X" << "3" << QByteArray("[a]\nx=3\ny=2");
    QTest::newRow("byte order mark stays")
        << QByteArray("\xEF\xBB\xBF[a]\nx=1\n") << "a" << "x" << "2" << QByteArray("\xEF\xBB\xBF[a]\nx=2\n");
    QTest::newRow("empty file")
        << QByteArray() << "DBconn" << "driver" << "postgres" << QByteArray("[DBconn]\ndriver=postgres\n");
}

void TestIniFile::writingAKeyKeepsTheRest()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QByteArray, after);
    IniFile ini(writeFile(before));
    QString error;
    QVERIFY2(ini.writeValue(section, key, value, &error), qPrintable(error));
    QCOMPARE(readAll(m_path), after);
}

void TestIniFile::readsLegacyCodePageFile()
{
    // [config] user=测试公司, saved by an older version in the Chinese code page.
    const QByteArray legacy = QByteArray("[config]\r\nuser=") + QByteArray::fromHex("b2e2cad4b9abcbbe")
                              + QByteArray("\r\n[DBConn]\r\ndataBase=PropDB\r\n");
    IniFile ini(writeFile(legacy));
    QVERIFY(ini.load());
    QVERIFY(ini.wasLegacyEncoding());
    QCOMPARE(ini.value(QStringLiteral("Config"), QStringLiteral("user")), QStringLiteral("测试公司"));

    // Writing another key turns the whole file into UTF-8.
    QVERIFY(ini.writeValue(QStringLiteral("DBconn"), QStringLiteral("server"), QStringLiteral("(Local)")));
    const QByteArray written = readAll(m_path);
    QVERIFY(written.contains(QStringLiteral("user=测试公司").toUtf8()));
    IniFile again(m_path);
    QVERIFY(again.load());
    QVERIFY(!again.wasLegacyEncoding());
    QCOMPARE(again.value(QStringLiteral("config"), QStringLiteral("user")), QStringLiteral("测试公司"));
    QCOMPARE(again.value(QStringLiteral("dbconn"), QStringLiteral("database")), QStringLiteral("PropDB"));
}

void TestIniFile::savedFileIsUtf8AndOwnerOnly()
{
    writeFile(kSetupToolFile);
    QVERIFY(QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup
                                              | QFile::ReadOther | QFile::ReadUser | QFile::WriteUser));
    AppConfig tool(m_path, AppConfig::Program::SetupTool);
    QString error;
    QVERIFY2(tool.saveConnection(QStringLiteral("物业公司"), QStringLiteral(" NewDB "), QStringLiteral("."),
                                 QStringLiteral("中文密码"), &error),
             qPrintable(error));
    const QFile::Permissions mode = QFile::permissions(m_path)
                                    & (QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                                       | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther
                                       | QFile::WriteOther | QFile::ExeOther);
    QCOMPARE(mode, QFile::ReadOwner | QFile::WriteOwner);

    const QByteArray bytes = readAll(m_path);
    QVERIFY(bytes.contains(QStringLiteral("user=物业公司").toUtf8()));
    QVERIFY(!bytes.contains("中文密码"));
    AppConfig client(m_path, AppConfig::Program::Client);
    QVERIFY(client.load());
    QCOMPARE(client.database(), QStringLiteral("NewDB"));
    QCOMPARE(client.password(), QStringLiteral("中文密码"));
    QCOMPARE(client.server(), QStringLiteral("."));
    // The section keeps the spelling it had, and no second one appears.
    QCOMPARE(client.ini().sections(), QStringList({QStringLiteral("DBConn"), QStringLiteral("config")}));
}

void TestIniFile::unreadableFileIsAnError()
{
    QVERIFY(QDir().mkpath(m_path));
    AppConfig config(m_path);
    QString error;
    QVERIFY(!config.load(&error));
    QVERIFY(!error.isEmpty());
}

void TestIniFile::serverValues_data()
{
    QTest::addColumn<QString>("server");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("port");
    QTest::newRow("(Local)") << "(Local)" << true << "localhost" << 5432;
    QTest::newRow("(local) lower case") << "(local)" << true << "localhost" << 5432;
    QTest::newRow("dot") << "." << true << "localhost" << 5432;
    QTest::newRow("host") << "db.office" << true << "db.office" << 5432;
    QTest::newRow("host and port") << "10.0.0.5:6543" << true << "10.0.0.5" << 6543;
    QTest::newRow("local with port") << "(Local):5433" << true << "localhost" << 5433;
    QTest::newRow("ipv6 with port") << "[::1]:5433" << true << "::1" << 5433;
    QTest::newRow("port not a number") << "db:abc" << false << "" << 0;
    QTest::newRow("port out of range") << "db:70000" << false << "" << 0;
}

void TestIniFile::serverValues()
{
    QFETCH(QString, server);
    QFETCH(bool, valid);
    QFETCH(QString, host);
    QFETCH(int, port);
    QString gotHost;
    int gotPort = 0;
    QCOMPARE(AppConfig::parseServer(server, &gotHost, &gotPort), valid);
    if (valid) {
        QCOMPARE(gotHost, host);
        QCOMPARE(gotPort, port);
    }
}

void TestIniFile::connectionSettings_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("engine");
    QTest::addColumn<QString>("sqliteFile");   // relative to the folder of Config.ini
    QTest::addColumn<QString>("host");
    QTest::addColumn<QString>("user");

    const int sqlite = int(db::Engine::Sqlite);
    const int postgres = int(db::Engine::Postgres);
    QTest::newRow("sqlite by default") << QByteArray("[DBConn]\ndataBase=PropDB\n") << true << sqlite
                                       << "data/propdb.db" << "" << "sa";
    QTest::newRow("postgres") << QByteArray("[dbconn]\nDRIVER=Postgres\nserver=db:5433\nuser=office\n")
                              << true << postgres << "" << "db" << "office";
    QTest::newRow("unknown driver") << QByteArray("[DBconn]\ndriver=mssql\n") << false << 0 << "" << "" << "";
    QTest::newRow("bad port") << QByteArray("[DBconn]\ndriver=postgres\nserver=db:x\n") << false << 0 << ""
                              << "" << "";
    QTest::newRow("database name that leaves the data folder")
        << QByteArray("[DBconn]\nDatabase=../../elsewhere\n") << true << sqlite << "" << "" << "sa";
}

void TestIniFile::connectionSettings()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, valid);
    QFETCH(int, engine);
    QFETCH(QString, sqliteFile);
    QFETCH(QString, host);
    QFETCH(QString, user);
    AppConfig config(writeFile(file + "password=x1y6z3w7q\n"));
    QVERIFY(config.load());
    db::DbSettings settings;
    QString error;
    QCOMPARE(config.toDbSettings(&settings, &error), valid);
    if (!valid) {
        QVERIFY(!error.isEmpty());
        return;
    }
    QCOMPARE(int(settings.engine), engine);
    QCOMPARE(settings.sqliteFile, sqliteFile.isEmpty() ? QString() : m_dir->filePath(sqliteFile));
    if (settings.engine == db::Engine::Postgres)
        QCOMPARE(settings.host, host);
    QCOMPARE(settings.user, user);
    QCOMPARE(settings.password, QStringLiteral("sa"));
}

void TestIniFile::configLocationFromArguments()
{
    const QString given = m_dir->filePath(QStringLiteral("elsewhere/Config.ini"));
    QCOMPARE(AppConfig::locate({QStringLiteral("velmora"), QStringLiteral("--config"), given}), given);
    QCOMPARE(AppConfig::locate({QStringLiteral("velmora"), QStringLiteral("--config=") + given}), given);
    QCOMPARE(AppConfig::locate({QStringLiteral("velmora")}),
             QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Config.ini")));
}

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
