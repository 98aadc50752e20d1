// The schema and the seed rows on both engines: every table and column, texts
// compared without regard to letter case, unique keys, keys never reused,
// per-connection scratch tables, dates and times, and the rows a new database
// starts with.

#include "dbtestmain.h"

#include "db/connection.h"
#include "db/databaseadmin.h"
#include "db/dialect.h"
#include "db/rowinserter.h"
#include "db/schema.h"
#include "db/seedfile.h"
#include "db/seedrows.h"
#include "db/tables.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

// Runs a statement with its values bound in order; fails the test on an error.
QSqlQuery exec(QSqlDatabase db, const QString &sql, const QVariantList &values = {})
{
    QSqlQuery q(db);
    if (!q.prepare(sql))
        qWarning("prepare failed: %s [%s]", qPrintable(q.lastError().text()), qPrintable(sql));
    for (int i = 0; i < values.size(); ++i)
        q.bindValue(i, values.at(i));
    if (!q.exec())
        qWarning("exec failed: %s [%s]", qPrintable(q.lastError().text()), qPrintable(sql));
    return q;
}

int count(QSqlDatabase db, const QString &sql, const QVariantList &values = {})
{
    QSqlQuery q = exec(db, sql, values);
    return q.next() ? q.value(0).toInt() : -1;
}

bool tryInsert(QSqlDatabase db, const QString &table, const QStringList &columns, const QVariantList &values)
{
    db::RowInserter inserter(db, *db::findTable(table), columns);
    return inserter.insert(values);
}

QStringList values(QSqlDatabase db, const QString &sql, const QVariantList &binds = {})
{
    QStringList out;
    QSqlQuery q = exec(db, sql, binds);
    while (q.next())
        out << q.value(0).toString();
    return out;
}

}  // namespace

class TestSchema : public QObject {
    Q_OBJECT

private slots:
    void everyTableAndColumnExists();
    void checkSchemaReportsAMissingColumn();
    void textsCompareWithoutCase_data();
    void textsCompareWithoutCase();
    void uniqueKeysIgnoreCase_data();
    void uniqueKeysIgnoreCase();
    void deletedHighestIdIsNotReused();
    void flagsDefaultToZero();
    void datesAndTimesKeepTheirOrder();
    void scratchTablesBelongToOneConnection();
    void feeCrossTableGrowsWithFeeItems_data();
    void feeCrossTableGrowsWithFeeItems();
    void seedRowsArePresent();
    void importMappingNamesHouseColumns();
    void newDatabaseKeepsTheBackupFolder();
    void seedFileParsing_data();
    void seedFileParsing();
};

void TestSchema::everyTableAndColumnExists()
{
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    QStringList problems;
    QVERIFY2(db::checkSchema(tdb.db(), &problems), qPrintable(problems.join(QLatin1Char('\n'))));

    for (const db::TableDef &table : db::scratchTables()) {
        QSqlQuery q(tdb.db());
        QVERIFY2(q.exec(QStringLiteral("select * from ") + table.name() + QStringLiteral(" where 1 = 0")),
                 qPrintable(table.name() + QStringLiteral(": ") + q.lastError().text()));
        for (const QString &column : table.columnNames())
            QVERIFY2(q.record().indexOf(column) >= 0, qPrintable(table.name() + QLatin1Char('.') + column));
    }
    // The extra part reference of repair rows is there, and nullable.
    QVERIFY(tryInsert(tdb.db(), QStringLiteral("t_ZHBXdetail"), {QStringLiteral("F_code")}, {QStringLiteral("001")}));
    QCOMPARE(count(tdb.db(), QStringLiteral("select count(*) from t_ZHBXdetail where F_PJid is null")), 1);
}

void TestSchema::checkSchemaReportsAMissingColumn()
{
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    QSqlQuery q(tdb.db());
    QVERIFY2(q.exec(QStringLiteral("ALTER TABLE T_YSKrec DROP COLUMN F_billCode")), qPrintable(q.lastError().text()));
    QStringList problems;
    QVERIFY(!db::checkSchema(tdb.db(), &problems));
    QCOMPARE(problems, QStringList{QStringLiteral("missing column T_YSKrec.F_billCode")});
}

// Statements as the windows write them; "%N" marks where the dialect's NOCASE
// suffix goes after a COALESCE, which loses the column's collation on SQLite.
void TestSchema::textsCompareWithoutCase_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QVariantList>("binds");
    QTest::addColumn<int>("expected");

    const QString base = QStringLiteral("select count(*) from t_code where ");
    QTest::newRow("=") << base + QStringLiteral("F_type = ?") << QVariantList{QStringLiteral("grp")} << 3;
    QTest::newRow("= upper") << base + QStringLiteral("F_type = ?") << QVariantList{QStringLiteral("GRP")} << 3;
    QTest::newRow("in") << base + QStringLiteral("F_type in (?, ?)")
                        << QVariantList{QStringLiteral("gRp"), QStringLiteral("SKTYPE")} << 5;
    QTest::newRow("like") << base + QStringLiteral("F_type like ? ESCAPE '\\'") << QVariantList{QStringLiteral("G%")}
                          << 3;
    QTest::newRow("like escaped") << base + QStringLiteral("F_name like ? ESCAPE '\\'")
                                  << QVariantList{QStringLiteral("%") + db::Dialect::escapeLike(QStringLiteral("a_B"))
                                                  + QStringLiteral("%")}
                                  << 1;
    QTest::newRow("coalesce =") << base + QStringLiteral("COALESCE(F_type,'') = ?%N")
                                << QVariantList{QStringLiteral("GRP")} << 3;
    QTest::newRow("coalesce in") << base + QStringLiteral("COALESCE(F_type,'')%N in (?, ?)")
                                 << QVariantList{QStringLiteral("grp"), QStringLiteral("sktype")} << 5;
    QTest::newRow("coalesce empty") << base + QStringLiteral("COALESCE(F_type,'') = ?%N")
                                    << QVariantList{QString(QLatin1String(""))} << 1;
    QTest::newRow("group by") << QStringLiteral("select count(*) from (select F_type from t_code "
                                                "where F_type like 'g%' group by F_type) g")
                              << QVariantList{} << 1;
    QTest::newRow("distinct") << QStringLiteral("select count(distinct F_type) from t_code where F_type = 'Grp'")
                              << QVariantList{} << 1;
    QTest::newRow("join") << QStringLiteral("select count(*) from OperLimit o join Limits l on o.F_lmtName = l.F_name "
                                            "where o.F_OperName = 'ADMIN' and l.F_code = '101'")
                          << QVariantList{} << 1;
}

void TestSchema::textsCompareWithoutCase()
{
    QFETCH(QString, sql);
    QFETCH(QVariantList, binds);
    QFETCH(int, expected);

    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    QSqlDatabase db = tdb.db();
    const QStringList columns{QStringLiteral("F_type"), QStringLiteral("F_name")};
    QVERIFY(tryInsert(db, QStringLiteral("t_code"), columns, {QStringLiteral("Grp"), QStringLiteral("x a_b y")}));
    QVERIFY(tryInsert(db, QStringLiteral("t_code"), columns, {QStringLiteral("GRP"), QStringLiteral("xaxby")}));
    QVERIFY(tryInsert(db, QStringLiteral("t_code"), columns, {QStringLiteral("grp"), QStringLiteral("z")}));
    QVERIFY(tryInsert(db, QStringLiteral("t_code"), columns, {QVariant(), QStringLiteral("untyped")}));
    QVERIFY(tryInsert(db, QStringLiteral("OperLimit"), {QStringLiteral("F_OperName"), QStringLiteral("F_lmtName")},
                      {QStringLiteral("Admin"), QStringLiteral("公司信息资料")}));

    sql.replace(QStringLiteral("%N"), db::Dialect::of(db).nocase());
    QCOMPARE(count(db, sql, binds), expected);
}

void TestSchema::uniqueKeysIgnoreCase_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QStringList>("columns");
    QTest::addColumn<QVariantList>("first");
    QTest::addColumn<QVariantList>("second");
    QTest::addColumn<bool>("refused");

    const QStringList code{QStringLiteral("F_code")};
    QTest::newRow("area code") << QStringLiteral("T_XQinfo") << code << QVariantList{QStringLiteral("ABC")}
                               << QVariantList{QStringLiteral("abc")} << true;
    QTest::newRow("operator beside admin") << QStringLiteral("OperList") << QStringList{QStringLiteral("F_Name")} << QVariantList{}
                                           << QVariantList{QStringLiteral("Admin")} << true;
    QTest::newRow("fee item name") << QStringLiteral("T_FYinfo") << QStringList{QStringLiteral("F_name")}
                                   << QVariantList{QStringLiteral("Water")} << QVariantList{QStringLiteral("WATER")}
                                   << true;
    QTest::newRow("receipt number") << QStringLiteral("T_wyFKrec") << code << QVariantList{QStringLiteral("20240101001")}
                                    << QVariantList{QStringLiteral("20240101001")} << true;
    QTest::newRow("repair code") << QStringLiteral("t_ZHBX") << code << QVariantList{QStringLiteral("R01")}
                                 << QVariantList{QStringLiteral("r01")} << true;
    QTest::newRow("shared fee serial") << QStringLiteral("T_wyGTrec") << QStringList{QStringLiteral("F_GTid")}
                                       << QVariantList{QStringLiteral("00000001")}
                                       << QVariantList{QStringLiteral("00000001")} << true;

    const QStringList part{QStringLiteral("F_code"), QStringLiteral("F_XQname")};
    QTest::newRow("part in one area") << QStringLiteral("T_PJinfo") << part << QVariantList{QStringLiteral("P1"), QStringLiteral("North")}
                                      << QVariantList{QStringLiteral("p1"), QStringLiteral("NORTH")} << true;
    QTest::newRow("part without area") << QStringLiteral("T_PJinfo") << part << QVariantList{QStringLiteral("P1"), QVariant()}
                                       << QVariantList{QStringLiteral("p1"), QString(QLatin1String(""))} << true;
    QTest::newRow("part in two areas") << QStringLiteral("T_PJinfo") << part << QVariantList{QStringLiteral("P1"), QStringLiteral("North")}
                                       << QVariantList{QStringLiteral("P1"), QStringLiteral("South")} << false;

    // Imported houses may repeat a room number within one building.
    const QStringList house{QStringLiteral("F_XQname"), QStringLiteral("F_LDcode"), QStringLiteral("F_code")};
    QTest::newRow("house twice") << QStringLiteral("T_FCinfo") << house
                                 << QVariantList{QStringLiteral("A"), QStringLiteral("1"), QStringLiteral("101")}
                                 << QVariantList{QStringLiteral("a"), QStringLiteral("1"), QStringLiteral("101")}
                                 << false;
}

void TestSchema::uniqueKeysIgnoreCase()
{
    QFETCH(QString, table);
    QFETCH(QStringList, columns);
    QFETCH(QVariantList, first);
    QFETCH(QVariantList, second);
    QFETCH(bool, refused);

    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    if (!first.isEmpty())
        QVERIFY(tryInsert(tdb.db(), table, columns, first));
    QCOMPARE(tryInsert(tdb.db(), table, columns, second), !refused);
}

void TestSchema::deletedHighestIdIsNotReused()
{
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    QSqlDatabase db = tdb.db();
    for (const db::TableDef &table : db::permanentTables()) {
        const QString name = table.name();
        QSqlQuery q(db);
        QVERIFY2(q.exec(QStringLiteral("insert into ") + name + QStringLiteral(" default values")),
                 qPrintable(name + QStringLiteral(": ") + q.lastError().text()));
        const int highest = count(db, QStringLiteral("select max(F_ID) from ") + name);
        QVERIFY2(highest > 0, qPrintable(name));
        exec(db, QStringLiteral("delete from ") + name + QStringLiteral(" where F_ID = ?"), {highest});
        QVERIFY(q.exec(QStringLiteral("insert into ") + name + QStringLiteral(" default values")));
        QVERIFY2(count(db, QStringLiteral("select max(F_ID) from ") + name) > highest, qPrintable(name));
    }
}

void TestSchema::flagsDefaultToZero()
{
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    QSqlDatabase db = tdb.db();
    QVERIFY(tryInsert(db, QStringLiteral("T_wyFYrec"), {QStringLiteral("F_mainID"), QStringLiteral("F_SFname")},
                      {7, QStringLiteral("水费")}));
    QCOMPARE(count(db, QStringLiteral("select count(*) from T_wyFYrec where F_JFflag = 0 and F_GTflag = 0")), 1);

    // Flags are bound as integers and read back through COALESCE on both engines.
    exec(db, QStringLiteral("update T_wyFYrec set F_JFflag = ? where F_mainID = ?"), {1, 7});
    QCOMPARE(count(db, QStringLiteral("select count(*) from T_wyFYrec where COALESCE(F_JFflag,0) = 1")), 1);
}

void TestSchema::datesAndTimesKeepTheirOrder()
{
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    QSqlDatabase db = tdb.db();
    const QStringList columns{QStringLiteral("F_code"), QStringLiteral("F_RZdate")};
    QVERIFY(tryInsert(db, QStringLiteral("T_FCinfo"), columns, {QStringLiteral("101"), QDate(1900, 8, 14)}));
    QVERIFY(tryInsert(db, QStringLiteral("T_FCinfo"), columns, {QStringLiteral("102"), QStringLiteral("2024-03-05")}));
    QVERIFY(tryInsert(db, QStringLiteral("T_FCinfo"), columns, {QStringLiteral("103"), QDate(2024, 12, 1)}));

    // An empty-date marker sorts before the cut-off; real dates after it.
    QCOMPARE(values(db, QStringLiteral("select F_code from T_FCinfo where F_RZdate < ? order by F_code"),
                    {QDate(1901, 8, 14)}),
             QStringList{QStringLiteral("101")});
    QCOMPARE(values(db, QStringLiteral("select F_code from T_FCinfo where F_RZdate >= ? order by F_RZdate desc"),
                    {QDate(2024, 3, 5)}),
             (QStringList{QStringLiteral("103"), QStringLiteral("102")}));
    QSqlQuery q = exec(db, QStringLiteral("select F_RZdate from T_FCinfo where F_code = '102'"));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toDate(), QDate(2024, 3, 5));

    QVERIFY(tryInsert(db, QStringLiteral("T_XLinfo"), {QStringLiteral("F_code"), QStringLiteral("F_time")},
                      {QStringLiteral("000001"), QTime(8, 30, 15, 250)}));
    q = exec(db, QStringLiteral("select F_time from T_XLinfo"));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toTime(), QTime(8, 30, 15));
}

void TestSchema::scratchTablesBelongToOneConnection()
{
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    QSqlDatabase first = tdb.db();
    QSqlDatabase second = tdb.openAnotherConnection(QStringLiteral("second client"));
    QVERIFY(second.isOpen());

    exec(first, QStringLiteral("insert into tempCode(F_code) values (?)"), {QStringLiteral("101")});
    exec(first, QStringLiteral("insert into tempFYrec(F_MainID, F_flag) values (?, ?)"), {3, 0});
    QCOMPARE(count(first, QStringLiteral("select count(*) from tempCode")), 1);
    QCOMPARE(count(second, QStringLiteral("select count(*) from tempCode")), 0);
    QCOMPARE(count(second, QStringLiteral("select count(*) from tempFYrec")), 0);

    exec(second, QStringLiteral("delete from tempCode"));
    QCOMPARE(count(first, QStringLiteral("select count(*) from tempCode")), 1);

    // Creating them again on a connection keeps what it holds.
    QString error;
    QVERIFY2(db::createScratchTables(first, &error), qPrintable(error));
    QCOMPARE(count(first, QStringLiteral("select count(*) from tempCode")), 1);
}

void TestSchema::feeCrossTableGrowsWithFeeItems_data()
{
    QTest::addColumn<int>("feeItems");
    QTest::addColumn<int>("valueColumns");
    QTest::newRow("none") << 0 << 15;
    QTest::newRow("three") << 3 << 15;
    QTest::newRow("fifteen") << 15 << 15;
    QTest::newRow("sixteen") << 16 << 16;
    QTest::newRow("twenty") << 20 << 20;
}

void TestSchema::feeCrossTableGrowsWithFeeItems()
{
    QFETCH(int, feeItems);
    QFETCH(int, valueColumns);

    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    QSqlDatabase db = tdb.db();
    exec(db, QStringLiteral("insert into tempFYrec(F_MainID, F_flag) values (?, ?)"), {1, 0});

    QString error;
    QVERIFY2(db::createFeeCrossTable(db, feeItems, &error), qPrintable(error));
    QCOMPARE(count(db, QStringLiteral("select count(*) from tempFYrec")), 0);

    // Each first-stage row fills one value column; the others and the total
    // must read 0, so that the plain sum of all columns is the row total.
    const QString last = QStringLiteral("F_SZ%1").arg(valueColumns);
    exec(db, QStringLiteral("insert into tempFYrec(F_MainID, ") + last + QStringLiteral(", F_flag) values (?, ?, ?)"),
         {5, 12.5, 0});
    QStringList sum;
    for (int i = 1; i <= valueColumns; ++i)
        sum << QStringLiteral("F_SZ%1").arg(i);
    QSqlQuery q = exec(db, QStringLiteral("select ") + sum.join(QLatin1Char('+'))
                               + QStringLiteral(", F_totalPrice, F_SZ1 from tempFYrec"));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toDouble(), 12.5);
    QCOMPARE(q.value(1).toDouble(), 0.0);
    QVERIFY(!q.value(1).isNull());
    QCOMPARE(q.record().count(), 3);
    QVERIFY(!q.exec(QStringLiteral("select F_SZ%1 from tempFYrec").arg(valueColumns + 1)));

    // The other scratch tables stay as they were.
    QCOMPARE(count(db, QStringLiteral("select count(*) from tempCode")), 0);
}

void TestSchema::seedRowsArePresent()
{
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    QSqlDatabase db = tdb.db();

    QCOMPARE(count(db, QStringLiteral("select count(*) from OperList where F_Name = 'admin' and F_PassWord = '' "
                                      "and F_Flag = 0 and F_XQflag = 0")),
             1);

    QStringList codes;
    for (const db::PermissionSeed &p : db::SeedRows::permissions())
        codes << p.code;
    QCOMPARE(codes.size(), 34);
    QCOMPARE(values(db, QStringLiteral("select F_code from Limits where F_flag = 1 order by F_code")), codes);
    QCOMPARE(values(db, QStringLiteral("select F_name from Limits where F_code = ?"), {QStringLiteral("209")}),
             QStringList{QStringLiteral("选项...")});
    QCOMPARE(values(db, QStringLiteral("select F_name from Limits where F_code = ?"), {QStringLiteral("506")}),
             QStringList{QStringLiteral("物业收费经营分析")});
    QCOMPARE(count(db, QStringLiteral("select count(*) from Limits where F_code in ('202', '302')")), 0);
    QCOMPARE(count(db, QStringLiteral("select count(distinct F_name) from Limits")), 34);

    QCOMPARE(values(db, QStringLiteral("select F_name from t_code where F_type = 'SKtype' order by F_ID")),
             (QStringList{QStringLiteral("现  金"), QStringLiteral("预收款")}));
    QCOMPARE(values(db, QStringLiteral("select F_name from t_code where F_type = 'sftype' order by F_ID")),
             (QStringList{QStringLiteral("按用量"), QStringLiteral("按面积"), QStringLiteral("按住户"),
                          QStringLiteral("按自定义")}));
    const QStringList categories{"lcjiegou", "FXtype", "chaoxiang", "chanquan", "curstatus", "settype",
                                 "pinpai", "pjtype", "unit", "area", "bjtype", "batype",
                                 "sftype", "sfcycle", "HTtype", "Sltype", "MYtype", "Contenttype",
                                 "SKtype", "JDemp", "WXemp", "SLemp", "XLtype", "EmpName"};
    for (const QString &category : categories) {
        QVERIFY2(count(db, QStringLiteral("select count(*) from t_code where F_type = ? and F_name <> ''"),
                       {category.toLower()})
                     > 0,
                 qPrintable(category));
    }

    QSqlQuery q = exec(db, QStringLiteral("select F_iAmount, F_iPrice, F_iTotal, F_BakPath, F_buildDate from sysInfo"));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(), 2);
    QCOMPARE(q.value(1).toInt(), 2);
    QCOMPARE(q.value(2).toInt(), 2);
    QCOMPARE(q.value(3).toString(), QString());
    QCOMPARE(q.value(4).toDate(), QDate(1900, 8, 14));
    QVERIFY(!q.next());

    db::SeedFile grid;
    QString error;
    QVERIFY2(grid.read(QStringLiteral(":/seeds/cfg_grid.tsv"), &error), qPrintable(error));
    QVERIFY(!grid.rows().isEmpty());
    QCOMPARE(count(db, QStringLiteral("select count(*) from cfg_Grid")), int(grid.rows().size()));
    QVERIFY(count(db, QStringLiteral("select count(*) from cfg_Grid where F_name = 'xqinfogl' and F_Visible = 1")) > 0);
}

// Every mapped column of the household import must exist in the houses table.
void TestSchema::importMappingNamesHouseColumns()
{
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    const QStringList fields = values(tdb.db(), QStringLiteral("select S_Field from cfg_import "
                                                               "where F_tablename = 'T_FCinfo' and F_iFlag = 1"));
    QVERIFY(!fields.isEmpty());
    const db::TableDef *houses = db::findTable(QStringLiteral("T_FCinfo"));
    QVERIFY(houses);
    for (const QString &field : fields)
        QVERIFY2(houses->hasColumn(field) && field.compare(QLatin1String("F_ID"), Qt::CaseInsensitive) != 0,
                 qPrintable(field));
}

void TestSchema::newDatabaseKeepsTheBackupFolder()
{
    const db::DbSettings settings = TestDatabase::newDatabaseSettings(QStringLiteral("fresh"));
    db::DatabaseAdmin admin(settings);
    QString error;
    QVERIFY2(admin.createEmpty(&error), qPrintable(error));
    const QString name = QStringLiteral("fresh database");
    bool created = false;
    QString folder;
    QStringList problems;
    {
        if (db::openConnection(settings, name, &error)) {
            QSqlDatabase db = QSqlDatabase::database(name);
            created = db::createSchema(db, &error)
                && db::seedSystemRows(db, &error, QStringLiteral("/srv/velmora/备份"));
            db::checkSchema(db, &problems);
            QSqlQuery q(db);
            if (q.exec(QStringLiteral("select F_BakPath from sysInfo")) && q.next())
                folder = q.value(0).toString();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    admin.drop(nullptr);
    QVERIFY2(created, qPrintable(error));
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    QCOMPARE(folder, QStringLiteral("/srv/velmora/备份"));
}

void TestSchema::seedFileParsing_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QStringList>("columns");
    QTest::addColumn<QStringList>("lastRow");

    QTest::newRow("plain") << QByteArray("a\tb\nx\ty\n") << true << QStringList{"a", "b"} << QStringList{"x", "y"};
    QTest::newRow("crlf, bom, blank lines") << QByteArray("\xEF\xBB\xBF" "a\tb\r\n\r\nx\ty\r\n") << true
                                            << QStringList{"a", "b"} << QStringList{"x", "y"};
    QTest::newRow("short line") << QByteArray("a\tb\tc\nx\n") << true << QStringList{"a", "b", "c"}
                                << QStringList{"x", "", ""};
    QTest::newRow("empty values kept") << QByteArray("a\tb\tc\n\t\tz\n") << true << QStringList{"a", "b", "c"}
                                       << QStringList{"", "", "z"};
    QTest::newRow("too many values") << QByteArray("a\tb\nx\ty\tz\n") << false << QStringList{} << QStringList{};
    QTest::newRow("no header") << QByteArray("\n\n") << false << QStringList{} << QStringList{};
}

void TestSchema::seedFileParsing()
{
    QFETCH(QByteArray, data);
    QFETCH(bool, ok);
    QFETCH(QStringList, columns);
    QFETCH(QStringList, lastRow);

    db::SeedFile file;
    QString error;
    QCOMPARE(file.parse(data, &error), ok);
    if (!ok) {
        QVERIFY(!error.isEmpty());
        return;
    }
    QCOMPARE(file.columns(), columns);
    QVERIFY(!file.rows().isEmpty());
    QCOMPARE(file.rows().last(), lastRow);
}

VEL_DB_TEST_MAIN(TestSchema)
#include "tst_schema.moc"
