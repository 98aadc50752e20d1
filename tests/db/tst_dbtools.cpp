#include "db/databaseadmin.h"
#include "db/dialect.h"
#include "db/transactionguard.h"
#include "dbtestmain.h"

#include <QSqlError>
#include <QSqlQuery>

// The small database tools every feature relies on: literal LIKE matching,
// transactions that roll back unless committed, databases set aside.
class TestDbTools : public QObject {
    Q_OBJECT

private slots:
    void likeMatchesWildcardsLiterally_data();
    void likeMatchesWildcardsLiterally();
    void guardRollsBackUnlessCommitted();
    void moveAsideKeepsTheOldDatabase();
};

void TestDbTools::likeMatchesWildcardsLiterally_data()
{
    QTest::addColumn<QString>("search");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("percent") << "10%" << QStringList{"10%off"};
    QTest::newRow("underscore") << "A_1" << QStringList{"A_1"};
    QTest::newRow("backslash") << "a\\b" << QStringList{"a\\b"};
    QTest::newRow("quote") << "O'B" << QStringList{"O'Brien"};
    QTest::newRow("letter case") << "brien" << QStringList{"O'Brien"};
}

void TestDbTools::likeMatchesWildcardsLiterally()
{
    QFETCH(QString, search);
    QFETCH(QStringList, expected);
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    QSqlQuery q(tdb.db());
    QVERIFY(q.exec(QStringLiteral("create temp table likes (v %1)")
                       .arg(db::Dialect::of(tdb.db()).isSqlite() ? "text collate nocase" : "citext")));
    for (const char *v : {"10%off", "100ff", "A_1", "AB1", "a\\b", "axb", "O'Brien"}) {
        q.prepare(QStringLiteral("insert into likes (v) values (:v)"));
        q.bindValue(QStringLiteral(":v"), QString::fromUtf8(v));
        QVERIFY2(q.exec(), qPrintable(q.lastError().text()));
    }
    q.prepare(QStringLiteral("select v from likes where v like :p") + db::Dialect::likeEscape()
              + QStringLiteral(" order by v"));
    q.bindValue(QStringLiteral(":p"), QLatin1Char('%') + db::Dialect::escapeLike(search) + QLatin1Char('%'));
    QVERIFY2(q.exec(), qPrintable(q.lastError().text()));
    QStringList found;
    while (q.next())
        found << q.value(0).toString();
    QCOMPARE(found, expected);
}

void TestDbTools::guardRollsBackUnlessCommitted()
{
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    QSqlQuery q(tdb.db());
    QVERIFY(q.exec(QStringLiteral("create table guarded (v integer)")));
    {
        db::TransactionGuard guard(tdb.db(), QStringLiteral("guarded"));
        QVERIFY2(guard.isActive(), qPrintable(guard.errorText()));
        QVERIFY(q.exec(QStringLiteral("insert into guarded (v) values (1)")));
    }
    {
        db::TransactionGuard guard(tdb.db());
        QVERIFY(q.exec(QStringLiteral("insert into guarded (v) values (2)")));
        QVERIFY(guard.commit());
    }
    QVERIFY(q.exec(QStringLiteral("select v from guarded")));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(), 2);
    QVERIFY(!q.next());
}

void TestDbTools::moveAsideKeepsTheOldDatabase()
{
    db::DbSettings s = TestDatabase::newDatabaseSettings(QStringLiteral("aside"));
    db::DatabaseAdmin admin(s);
    QString error;
    QVERIFY2(admin.createEmpty(&error), qPrintable(error));
    bool found = false;
    QVERIFY2(admin.exists(&found, &error), qPrintable(error));
    QVERIFY(found);
    QString oldName;
    QVERIFY2(admin.moveAside(&oldName, &error), qPrintable(error));
    QVERIFY(admin.exists(&found, &error));
    QVERIFY(!found);
    db::DbSettings old = s;
    old.database = oldName;
    old.sqliteFile = oldName;
    QVERIFY(db::DatabaseAdmin(old).exists(&found, &error));
    QVERIFY(found);
    QVERIFY(db::DatabaseAdmin(old).drop(&error));
}

VEL_DB_TEST_MAIN(TestDbTools)
#include "tst_dbtools.moc"
