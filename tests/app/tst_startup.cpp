#include "app/passwordcodec.h"
#include "app/splashwindow.h"
#include "app/startup.h"
#include "db/databaseadmin.h"
#include "dbtestmain.h"
#include "scriptedmessages.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QSqlQuery>
#include <QTemporaryDir>

// The client's start-up: reading Config.ini, connecting, creating the embedded
// database on the first start, and the two ways it ends when it cannot connect.
class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void blankDatabaseNameOffersSetupAtOnce_data();
    void blankDatabaseNameOffersSetupAtOnce();
    void unusableConfigWarnsAndEnds_data();
    void unusableConfigWarnsAndEnds();
    void failedConnectionOffersSetup();
    void connectsToTheConfiguredDatabase();
    void splashShowsItsStatusLine();

private:
    struct Run {
        bool connected = false;
        QStringList statusLines;
        int messagesBeforeSplashClosed = -1;
        QList<QPair<QString, QStringList>> started;
    };
    // Runs the connection procedure on m_configPath, answering through messages.
    Run runStartup(ScriptedMessages &messages);
    void writeConfig(const QByteArray &bytes);
    static QByteArray connectionLines(const db::DbSettings &settings, const QString &databaseName);

    QScopedPointer<QTemporaryDir> m_dir;
    QString m_configPath;
    db::DbSettings m_cleanup;
    bool m_needsCleanup = false;
};

namespace {
const QString kConnection = QStringLiteral("startup_test");
}

void TestStartup::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    m_configPath = m_dir->filePath(QStringLiteral("Config.ini"));
    m_needsCleanup = false;
}

void TestStartup::cleanup()
{
    QSqlDatabase::removeDatabase(kConnection);
    if (m_needsCleanup)
        db::DatabaseAdmin(m_cleanup).drop(nullptr);
    m_needsCleanup = false;
}

void TestStartup::writeConfig(const QByteArray &bytes)
{
    QFile f(m_configPath);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray TestStartup::connectionLines(const db::DbSettings &settings, const QString &databaseName)
{
    QByteArray text = "[DBConn]\ndataBase=" + databaseName.toUtf8() + "\n";
    if (settings.engine == db::Engine::Postgres) {
        text += "driver=postgres\nserver=" + settings.host.toUtf8() + ':' + QByteArray::number(settings.port)
                + "\nuser=" + settings.user.toUtf8() + "\npassword=" + SavePass(settings.password).toUtf8()
                + "\n";
    }
    return text;
}

TestStartup::Run TestStartup::runStartup(ScriptedMessages &messages)
{
    Run run;
    Startup startup(m_configPath);
    startup.setConnectionName(kConnection);
    startup.setStatusLine([&run](const QString &text) { run.statusLines << text; });
    startup.setCloseSplash([&] { run.messagesBeforeSplashClosed = messages.count(); });
    startup.setStartProgram([&run](const QString &program, const QStringList &arguments) {
        run.started.append({program, arguments});
        return true;
    });
    run.connected = startup.connectDatabase();
    if (run.connected != startup.isConnected())
        qWarning("isConnected() disagrees with the result");
    return run;
}

void TestStartup::blankDatabaseNameOffersSetupAtOnce_data()
{
    QTest::addColumn<int>("answer");
    QTest::newRow("yes starts the setup tool") << int(AnswerYes);
    QTest::newRow("no starts nothing") << int(AnswerNo);
}

void TestStartup::blankDatabaseNameOffersSetupAtOnce()
{
    QFETCH(int, answer);
    // The server is an address that never answers: reaching for it would hang
    // for the connect timeout and then fail differently.
    writeConfig("[DBConn]\ndataBase=   \ndriver=postgres\nserver=192.0.2.1:5432\n");
    ScriptedMessages messages;
    messages.answerNext(answer);
    const Run run = runStartup(messages);

    QVERIFY(!run.connected);
    QCOMPARE(messages.texts(), QStringList{Startup::kOfferSetup});
    QCOMPARE(messages.last().kind, int(MessQuestion));
    QCOMPARE(run.messagesBeforeSplashClosed, 0);
    QVERIFY(!run.statusLines.contains(Startup::kConnecting));
    QVERIFY(!QSqlDatabase::contains(kConnection));
    if (answer == AnswerYes) {
        QCOMPARE(run.started.size(), 1);
        QCOMPARE(run.started[0].first,
                 QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("velconf")));
        QCOMPARE(run.started[0].second, QStringList({QStringLiteral("--config"), m_configPath}));
    } else {
        QVERIFY(run.started.isEmpty());
    }
}

void TestStartup::unusableConfigWarnsAndEnds_data()
{
    QTest::addColumn<QByteArray>("contents");   // empty: Config.ini is a folder
    QTest::newRow("unreadable") << QByteArray();
    QTest::newRow("unknown driver") << QByteArray("[DBconn]\ndriver=mssql\n");
    QTest::newRow("server port not a number") << QByteArray("[DBconn]\ndriver=postgres\nserver=db:port\n");
}

void TestStartup::unusableConfigWarnsAndEnds()
{
    QFETCH(QByteArray, contents);
    if (contents.isEmpty())
        QVERIFY(QDir().mkpath(m_configPath));
    else
        writeConfig(contents);
    ScriptedMessages messages;
    const Run run = runStartup(messages);

    QVERIFY(!run.connected);
    QCOMPARE(messages.texts(), QStringList{Startup::kConfigError});
    QCOMPARE(messages.last().kind, int(MessWarning));
    QCOMPARE(run.messagesBeforeSplashClosed, 0);
    QVERIFY(run.started.isEmpty());
    QVERIFY(!QSqlDatabase::contains(kConnection));
    QVERIFY(!QFile::exists(m_dir->filePath(QStringLiteral("data"))));
}

void TestStartup::failedConnectionOffersSetup()
{
    ScriptedMessages messages(AnswerNo);
    const db::DbSettings missing = TestDatabase::newDatabaseSettings(QStringLiteral("missing"));
    if (TestDatabase::engine() == db::Engine::Sqlite) {
        // A file where the data folder should be: the database cannot be created.
        writeConfig(connectionLines(missing, missing.database));
        QFile blocker(m_dir->filePath(QStringLiteral("data")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
    } else {
        writeConfig(connectionLines(missing, missing.database));
    }
    const Run run = runStartup(messages);

    QVERIFY(!run.connected);
    QCOMPARE(messages.texts(), QStringList{Startup::kOfferSetup});
    QCOMPARE(run.messagesBeforeSplashClosed, 0);
    QVERIFY(run.started.isEmpty());
    QVERIFY(!QSqlDatabase::database(kConnection, false).isOpen());
    if (TestDatabase::engine() == db::Engine::Postgres) {
        // The client never creates a server database.
        bool found = true;
        QVERIFY(db::DatabaseAdmin(missing).exists(&found, nullptr));
        QVERIFY(!found);
    }
}

void TestStartup::connectsToTheConfiguredDatabase()
{
    ScriptedMessages messages;
    QString expectedName;
    if (TestDatabase::engine() == db::Engine::Sqlite) {
        // No Config.ini at all: the defaults lead to an embedded database that
        // the first start creates.
        expectedName = QStringLiteral("wstlHBS");
    } else {
        m_cleanup = TestDatabase::newDatabaseSettings(QStringLiteral("conn"));
        QString error;
        QVERIFY2(db::DatabaseAdmin(m_cleanup).createEmpty(&error), qPrintable(error));
        m_needsCleanup = true;
        // Names are compared without regard to case, as the server did.
        expectedName = m_cleanup.database.toUpper();
        writeConfig(connectionLines(m_cleanup, expectedName));
    }

    Run run = runStartup(messages);
    QVERIFY(run.connected);
    QVERIFY2(messages.texts().isEmpty(), qPrintable(messages.texts().join(QLatin1Char('\n'))));
    QCOMPARE(run.statusLines, QStringList({Startup::kConnecting, Startup::kConnected}));
    QVERIFY(QSqlDatabase::database(kConnection, false).isOpen());

    if (TestDatabase::engine() == db::Engine::Postgres)
        return;
    const QString file = m_dir->filePath(QStringLiteral("data/wstlhbs.db"));
    QVERIFY(QFile::exists(file));
    {
        QSqlQuery q(QSqlDatabase::database(kConnection, false));
        QVERIFY(q.exec(QStringLiteral("select F_BakPath from sysInfo")) && q.next());
        QCOMPARE(q.value(0).toString(), m_dir->filePath(QStringLiteral("data/backup")));
        QVERIFY(q.exec(QStringLiteral("select count(*) from OperList where F_Name = 'admin'")) && q.next());
        QCOMPARE(q.value(0).toInt(), 1);
        // A mark that shows whether the second start keeps the database.
        QVERIFY(q.exec(QStringLiteral("update sysInfo set F_name = 'kept'")));
    }
    QSqlDatabase::database(kConnection, false).close();
    QSqlDatabase::removeDatabase(kConnection);

    run = runStartup(messages);
    QVERIFY(run.connected);
    QSqlQuery q(QSqlDatabase::database(kConnection, false));
    QVERIFY(q.exec(QStringLiteral("select F_name from sysInfo")) && q.next());
    QCOMPARE(q.value(0).toString(), QStringLiteral("kept"));
}

void TestStartup::splashShowsItsStatusLine()
{
    TfrmSplash splash;
    QVERIFY(splash.windowFlags() & Qt::FramelessWindowHint);
    auto *label = splash.findChild<QLabel *>(QStringLiteral("Label1"));
    QVERIFY(label);
    QCOMPARE(label->text(), Startup::kStarting);
    splash.show();
    QVERIFY(QTest::qWaitForWindowExposed(&splash));
    splash.setStatus(Startup::kConnecting);
    QCOMPARE(label->text(), Startup::kConnecting);
    QVERIFY(!splash.grab().isNull());
}

VEL_DB_TEST_MAIN(TestStartup)
#include "tst_startup.moc"
