#include "app/recordmanager/recordsaver.h"
#include "db/dialect.h"
#include "dbtestmain.h"
#include "recordmanagerfixture.h"

using namespace fixture;

// The save of one row: the code check inside the writer's transaction, the
// backstop of the unique index, refusals and the all-or-nothing rule.
class TestRecordSaver : public QObject {
    Q_OBJECT

private slots:
    void takenCodeBecomesTheNextFree_data();
    void takenCodeBecomesTheNextFree();
    void refusedCodeWritesNothing();
    void changedRowKeepsItsOwnCode();
    void uniqueIndexBackstopRetries();
    void failingDependentRollsBackTheRow();

private:
    static RecordSaver::Request newSuggestion(const QString &code, const QString &name)
    {
        RecordSaver::Request r;
        r.table = QStringLiteral("T_YJinfo");
        r.codeColumn = QStringLiteral("F_code");
        r.code = code;
        r.values = {{QStringLiteral("F_code"), code}, {QStringLiteral("F_YZname"), name}};
        return r;
    }
};

void TestRecordSaver::takenCodeBecomesTheNextFree_data()
{
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("expected");
    QTest::newRow("free") << QStringList{"001"} << "002" << "002";
    QTest::newRow("taken") << QStringList{"001", "002"} << "002" << "003";
    QTest::newRow("taken, other letter case") << QStringList{"X001"} << "x001" << "X002";
    QTest::newRow("letters at the end are not counted") << QStringList{"001", "00A"} << "00a" << "002";
    QTest::newRow("taken below the largest") << QStringList{"001", "007"} << "001" << "008";
    QTest::newRow("past 999") << QStringList{"999"} << "999" << "1000";
}

void TestRecordSaver::takenCodeBecomesTheNextFree()
{
    QFETCH(QStringList, stored);
    QFETCH(QString, code);
    QFETCH(QString, expected);
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    for (const QString &s : stored)
        addSuggestion(s, QStringLiteral("old"));
    RecordSaver saver(tdb.db());
    const RecordSaver::Result r = saver.save(newSuggestion(code, QStringLiteral("new")));
    QVERIFY2(r.status == RecordSaver::Status::Saved, qPrintable(r.error));
    QCOMPARE(r.code, expected);
    QCOMPARE(r.codeChanged, code != expected);
    QCOMPARE(column(QStringLiteral("select F_code from T_YJinfo where F_YZname = 'new'")), QStringList{expected});
    QCOMPARE(column(QStringLiteral("select F_ID from T_YJinfo where F_YZname = 'new'")),
             QStringList{r.id.toString()});
}

void TestRecordSaver::refusedCodeWritesNothing()
{
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    addSuggestion(QStringLiteral("001"), QStringLiteral("old"));
    RecordSaver::Request request = newSuggestion(QStringLiteral("001"), QStringLiteral("new"));
    request.codePolicy = RecordSaver::CodePolicy::Refuse;
    bool checked = false;
    request.check = [&checked](QSqlDatabase, const QVariant &) {
        checked = true;
        return std::optional<RecordSaver::Refusal>();
    };
    const RecordSaver::Result r = RecordSaver(tdb.db()).save(request);
    QVERIFY(r.status == RecordSaver::Status::CodeTaken);
    QVERIFY(!checked);
    QCOMPARE(column(QStringLiteral("select count(*) from T_YJinfo")), QStringList{"1"});
}

void TestRecordSaver::changedRowKeepsItsOwnCode()
{
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    addSuggestion(QStringLiteral("001"), QStringLiteral("a"));
    addSuggestion(QStringLiteral("002"), QStringLiteral("b"));
    const QString id = column(QStringLiteral("select F_ID from T_YJinfo where F_code = '002'")).value(0);
    RecordSaver::Request request = newSuggestion(QStringLiteral("002"), QStringLiteral("b2"));
    request.id = id.toLongLong();
    request.codePolicy = RecordSaver::CodePolicy::Refuse;
    const RecordSaver::Result r = RecordSaver(tdb.db()).save(request);
    QVERIFY2(r.status == RecordSaver::Status::Saved, qPrintable(r.error));
    QCOMPARE(column(QStringLiteral("select F_code || F_YZname from T_YJinfo order by F_code")),
             (QStringList{"001a", "002b2"}));
}

void TestRecordSaver::uniqueIndexBackstopRetries()
{
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    if (db::Dialect::of(tdb.db()).isSqlite())
        QSKIP("SQLite lets one writer in at a time: no other connection can insert between the check and the row");
    QSqlDatabase other = tdb.openAnotherConnection(QStringLiteral("other"));
    QVERIFY(other.isOpen());
    RecordSaver::Request request = newSuggestion(QStringLiteral("001"), QStringLiteral("mine"));
    int writes = 0;
    // A writer that takes no lock stores the code after the check passed.
    request.beforeWrite = [&writes, other](QSqlDatabase) {
        if (writes++ == 0)
            addSuggestion(QStringLiteral("001"), QStringLiteral("theirs"), QString(), other);
    };
    const RecordSaver::Result r = RecordSaver(tdb.db()).save(request);
    QVERIFY2(r.status == RecordSaver::Status::Saved, qPrintable(r.error));
    QCOMPARE(writes, 2);
    QCOMPARE(r.code, QStringLiteral("002"));
    QCOMPARE(column(QStringLiteral("select F_code || F_YZname from T_YJinfo order by F_code")),
             (QStringList{"001theirs", "002mine"}));
}

void TestRecordSaver::failingDependentRollsBackTheRow()
{
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    RecordSaver::Request request = newSuggestion(QStringLiteral("001"), QStringLiteral("new"));
    QVariant seenId;
    request.dependents = [&seenId](QSqlDatabase db, const QVariant &id, QString *error) {
        seenId = id;
        QSqlQuery q(db);
        q.exec(QStringLiteral("update T_YJinfo set F_YZname = 'changed'"));
        *error = QStringLiteral("refused");
        return false;
    };
    const RecordSaver::Result r = RecordSaver(tdb.db()).save(request);
    QVERIFY(r.status == RecordSaver::Status::Failed);
    QVERIFY(!seenId.isNull());
    QCOMPARE(column(QStringLiteral("select count(*) from T_YJinfo")), QStringList{"0"});
    // The connection is usable again afterwards.
    QVERIFY(RecordSaver(tdb.db()).save(newSuggestion(QStringLiteral("001"), QStringLiteral("x"))).status
            == RecordSaver::Status::Saved);
}

VEL_DB_TEST_MAIN(TestRecordSaver)
#include "tst_recordmanager_saver.moc"
