#include "app/databasebuilder.h"
#include "app/passwordcodec.h"
#include "app/snapshot.h"
#include "app/windowregistry.h"
#include "db/databaseadmin.h"
#include "dbtestmain.h"
#include "testdatabase.h"

#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QProcess>
#include <QRawFont>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QtTest>

// velmora --snapshot: pictures of the windows made without a display, with
// the configured database of either engine.
class TestSnapshot : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void folderArgument_data();
    void folderArgument();
    void fontShowsChineseTexts();
    void programWritesLoginAndMainWindow();
    void missingFolderIsRefused();
    void registeredWindowsAreIncluded();

private:
    struct Result {
        int exitCode = -1;
        QString out;
        QString err;
    };
    Result velmora(const QStringList &arguments);

    QScopedPointer<QTemporaryDir> m_dir;
    QString m_configPath;
    db::DbSettings m_server;
    bool m_serverDatabase = false;
};

void TestSnapshot::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    m_configPath = m_dir->filePath(QStringLiteral("Config.ini"));
    QByteArray text = "[DBconn]\n";
    m_serverDatabase = TestDatabase::engine() == db::Engine::Postgres;
    if (m_serverDatabase) {
        m_server = TestDatabase::newDatabaseSettings(QStringLiteral("snap"));
        QString error;
        QVERIFY2(DatabaseBuilder::create(m_server, m_dir->filePath(QStringLiteral("backup")), &error),
                 qPrintable(error));
        text += "Database=" + m_server.database.toUtf8() + "\ndriver=postgres\nserver=" + m_server.host.toUtf8()
                + ':' + QByteArray::number(m_server.port) + "\nuser=" + m_server.user.toUtf8()
                + "\npassword=" + SavePass(m_server.password).toUtf8() + "\n";
    } else {
        // The embedded database is created beside Config.ini on the first start.
        text += "Database=snapdemo\n";
    }
    QFile file(m_configPath);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

void TestSnapshot::cleanup()
{
    const QStringList names = QSqlDatabase::connectionNames();
    for (const QString &name : names) {
        QSqlDatabase::database(name, false).close();
        QSqlDatabase::removeDatabase(name);
    }
    if (m_serverDatabase)
        db::DatabaseAdmin(m_server).drop(nullptr);
}

TestSnapshot::Result TestSnapshot::velmora(const QStringList &arguments)
{
    Result result;
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // The program must not need a display of its own.
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    process.setProcessEnvironment(environment);
    process.start(QDir(qEnvironmentVariable("VELMORA_BIN_DIR")).filePath(QStringLiteral("velmora")), arguments);
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        result.err = QStringLiteral("velmora did not finish: ") + process.errorString();
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

void TestSnapshot::folderArgument_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("requested");
    QTest::addColumn<QString>("folder");
    QTest::newRow("absent") << QStringList{"velmora", "--config", "x.ini"} << false << QString();
    QTest::newRow("folder") << QStringList{"velmora", "--snapshot", "pics"} << true << QStringLiteral("pics");
    QTest::newRow("after config") << QStringList{"velmora", "--config", "x.ini", "--snapshot", "pics"} << true
                                  << QStringLiteral("pics");
    QTest::newRow("with equals") << QStringList{"velmora", "--snapshot=pics"} << true << QStringLiteral("pics");
    QTest::newRow("no folder") << QStringList{"velmora", "--snapshot"} << true << QString();
    QTest::newRow("option, no folder") << QStringList{"velmora", "--snapshot", "--config", "x.ini"} << true
                                       << QString();
}

void TestSnapshot::folderArgument()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, requested);
    QFETCH(QString, folder);
    bool found = !requested;
    QCOMPARE(Snapshot::folderArgument(arguments, &found), folder);
    QCOMPARE(found, requested);
}

void TestSnapshot::fontShowsChineseTexts()
{
    const QFont font = Snapshot::chooseFont();
    const QRawFont raw = QRawFont::fromFont(font, QFontDatabase::SimplifiedChinese);
    QVERIFY(raw.isValid());
    const QString texts = QStringLiteral("登录窗口请输入正确的操作员编号及密码系统管理基本资料日常管理信息查询报表中心"
                                         "窗体辅助导航图当前用户日期时间桌面预收款房产住户物业费");
    for (const QChar c : texts)
        QVERIFY2(raw.supportsCharacter(c), qPrintable(QStringLiteral("%1 lacks %2").arg(font.family(), c)));
}

void TestSnapshot::programWritesLoginAndMainWindow()
{
    const QString folder = m_dir->filePath(QStringLiteral("pictures"));
    const Result result = velmora({QStringLiteral("--snapshot"), folder, QStringLiteral("--config"), m_configPath});
    QVERIFY2(result.exitCode == 0, qPrintable(result.err));
    QVERIFY(result.out.contains(QStringLiteral("font: ") + Snapshot::chooseFont().family()));

    const QImage login(QDir(folder).filePath(QStringLiteral("TfrmOperLogin.png")));
    QVERIFY(!login.isNull());
    QVERIFY(login.width() >= 300 && login.height() >= 150);
    const QImage main(QDir(folder).filePath(QStringLiteral("TFrmMain.png")));
    QVERIFY(!main.isNull());
    QCOMPARE(main.size(), QSize(1280, 800));
    // Something is drawn: not a single flat colour.
    QSet<QRgb> colours;
    for (int x = 0; x < main.width(); x += 7)
        colours.insert(main.pixel(x, 10));
    QVERIFY(colours.size() > 3);
    // No message box was needed on the way.
    QVERIFY2(!result.err.contains(QStringLiteral("message (")), qPrintable(result.err));
}

void TestSnapshot::missingFolderIsRefused()
{
    const Result result = velmora({QStringLiteral("--snapshot"), QStringLiteral("--config"), m_configPath});
    QCOMPARE(result.exitCode, 2);
    QVERIFY(result.err.contains(QStringLiteral("--snapshot DIR")));
}

void TestSnapshot::registeredWindowsAreIncluded()
{
    WindowRegistry::instance().registerWindow(
        QStringLiteral("Action202test"),
        [](QWidget *owner) {
            auto *dialog = new QDialog(owner);
            dialog->setObjectName(QStringLiteral("TfrmSnapTest"));
            auto *layout = new QVBoxLayout(dialog);
            layout->addWidget(new QLabel(QStringLiteral("小区信息设置"), dialog));
            return dialog;
        },
        1);
    const QString folder = m_dir->filePath(QStringLiteral("pictures"));
    QCOMPARE(Snapshot::run(folder, m_configPath), 0);
    for (const QString &name : {QStringLiteral("TfrmOperLogin"), QStringLiteral("TFrmMain"),
                                QStringLiteral("TfrmAboutInfo"), QStringLiteral("TfrmSnapTest")})
        QVERIFY2(!QImage(QDir(folder).filePath(name + QStringLiteral(".png"))).isNull(), qPrintable(name));
}

VEL_DB_TEST_MAIN(TestSnapshot)
#include "tst_snapshot.moc"
