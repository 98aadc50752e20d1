#include "app/autobackup.h"
#include "app/datamodule.h"

#include "dbtestmain.h"
#include "scriptedmessages.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <optional>

// The daily automatic backup: one file per day in the folder kept in
// sysInfo, the question before a missing folder is created, and failures
// reported without leaving a half-written file behind.
class TestAutoBackup : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void onePerDay();
    void missingFolderIsCreatedOnYes();
    void missingFolderDeclined();
    void folderThatCannotBeCreated();
    void failedBackupIsReported();
    void backupFileReplacesAnOldOne();

private:
    static void setBackupFolder(const QString &folder);
    static QStringList filesIn(const QString &folder);
    static bool looksLikeBackup(const QString &file);

    std::optional<TestDatabase> m_db;
    // The backup folder's parent: empty at the start of every test.
    std::optional<QTemporaryDir> m_dir;
};

void TestAutoBackup::init()
{
    m_db.emplace();
    QVERIFY(m_db->isValid());
    m_dir.emplace();
    QVERIFY(m_dir->isValid());
}

void TestAutoBackup::cleanup()
{
    m_dir.reset();
    m_db.reset();
}

void TestAutoBackup::setBackupFolder(const QString &folder)
{
    QSqlQuery q;
    QVERIFY(q.prepare(QStringLiteral("update sysInfo set F_BakPath = :p")));
    q.bindValue(QStringLiteral(":p"), folder);
    QVERIFY(q.exec());
}

QStringList TestAutoBackup::filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

// A complete copy starts with the engine's file signature.
bool TestAutoBackup::looksLikeBackup(const QString &file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = f.read(16);
    return TestDatabase::engine() == db::Engine::Sqlite ? head.startsWith("SQLite format 3")
                                                         : head.startsWith("PGDMP");
}

void TestAutoBackup::onePerDay()
{
    TdmData data;
    data.UseConnection(m_db->settings());
    ScriptedMessages messages;
    // Blanks around the stored folder do not matter.
    setBackupFolder(QStringLiteral("  ") + m_dir->path() + QStringLiteral(" "));

    QCOMPARE(AutoBackup::run(data, QDate(2024, 3, 5)), AutoBackup::Outcome::Written);
    QCOMPARE(filesIn(m_dir->path()), QStringList{QStringLiteral("dp20240305.back")});
    QVERIFY(looksLikeBackup(m_dir->filePath(QStringLiteral("dp20240305.back"))));

    QCOMPARE(AutoBackup::run(data, QDate(2024, 3, 5)), AutoBackup::Outcome::AlreadyDone);
    QCOMPARE(filesIn(m_dir->path()), QStringList{QStringLiteral("dp20240305.back")});

    QCOMPARE(AutoBackup::run(data, QDate(2024, 3, 6)), AutoBackup::Outcome::Written);
    QCOMPARE(filesIn(m_dir->path()), (QStringList{QStringLiteral("dp20240305.back"), QStringLiteral("dp20240306.back")}));
    QCOMPARE(messages.count(), 0);
}

void TestAutoBackup::missingFolderIsCreatedOnYes()
{
    TdmData data;
    data.UseConnection(m_db->settings());
    ScriptedMessages messages;
    const QString folder = m_dir->filePath(QStringLiteral("备份/每日"));
    setBackupFolder(folder);
    messages.answerNext(AnswerYes);

    QCOMPARE(data.LookupText(QStringLiteral("select F_BakPath from sysInfo")), folder);
    QCOMPARE(AutoBackup::run(data, QDate(2024, 3, 5)), AutoBackup::Outcome::Written);
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.last().text, QStringLiteral("当前目录") + folder + QStringLiteral(" 不存在，是否创建！"));
    QCOMPARE(messages.last().kind, int(MessQuestion));
    QVERIFY(looksLikeBackup(AutoBackup::fileName(folder, QDate(2024, 3, 5))));
}

void TestAutoBackup::missingFolderDeclined()
{
    TdmData data;
    data.UseConnection(m_db->settings());
    ScriptedMessages messages;
    const QString folder = m_dir->filePath(QStringLiteral("missing"));
    setBackupFolder(folder);
    messages.answerNext(AnswerNo);

    QCOMPARE(AutoBackup::run(data, QDate(2024, 3, 5)), AutoBackup::Outcome::Declined);
    QCOMPARE(messages.count(), 1);
    QVERIFY(!QFileInfo::exists(folder));
    QVERIFY(filesIn(m_dir->path()).isEmpty());
}

void TestAutoBackup::folderThatCannotBeCreated()
{
    TdmData data;
    data.UseConnection(m_db->settings());
    ScriptedMessages messages;
    // A plain file where a parent folder should be.
    QFile blocker(m_dir->filePath(QStringLiteral("plain.txt")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString folder = m_dir->filePath(QStringLiteral("plain.txt/sub"));
    setBackupFolder(folder);

    QCOMPARE(AutoBackup::run(data, QDate(2024, 3, 5)), AutoBackup::Outcome::Failed);
    QCOMPARE(messages.texts(),
             (QStringList{QStringLiteral("当前目录") + folder + QStringLiteral(" 不存在，是否创建！"),
                          QStringLiteral("目录") + folder + QStringLiteral(" 创建失败,请检测路径是否合法!")}));
    QCOMPARE(messages.last().kind, int(MessError));

    // No folder configured at all: nothing is written into the working directory.
    messages.clear();
    setBackupFolder(QString());
    QCOMPARE(AutoBackup::run(data, QDate(2024, 3, 5)), AutoBackup::Outcome::Failed);
    QCOMPARE(messages.last().text, QStringLiteral("目录 创建失败,请检测路径是否合法!"));
    QVERIFY(!QFileInfo::exists(AutoBackup::fileName(QDir::currentPath(), QDate(2024, 3, 5))));
}

void TestAutoBackup::failedBackupIsReported()
{
    TdmData data;
    ScriptedMessages messages;
    setBackupFolder(m_dir->path());
    QSqlQuery open(m_db->db());
    db::DbSettings settings = m_db->settings();
    if (TestDatabase::engine() == db::Engine::Sqlite)
        QVERIFY(open.exec(QStringLiteral("BEGIN")));  // no copy can be made inside a transaction
    else
        settings.password = QStringLiteral("wrong password");
    data.UseConnection(settings);

    QCOMPARE(AutoBackup::run(data, QDate(2024, 3, 5)), AutoBackup::Outcome::Failed);
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.last().text, QStringLiteral("备份失败，请与管理员联系！"));
    QCOMPARE(messages.last().kind, int(MessError));
    QVERIFY(filesIn(m_dir->path()).isEmpty());
    if (TestDatabase::engine() == db::Engine::Sqlite)
        QVERIFY(open.exec(QStringLiteral("ROLLBACK")));
}

void TestAutoBackup::backupFileReplacesAnOldOne()
{
    const QString file = m_dir->filePath(QStringLiteral("dp20240305.back"));
    QFile old(file);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("an older backup");
    old.close();

    QString error;
    QVERIFY2(AutoBackup::writeBackupFile(m_db->db(), m_db->settings(), file, &error), qPrintable(error));
    QVERIFY(looksLikeBackup(file));
    QCOMPARE(filesIn(m_dir->path()), QStringList{QStringLiteral("dp20240305.back")});
}

VEL_DB_TEST_MAIN(TestAutoBackup)
#include "tst_autobackup.moc"
