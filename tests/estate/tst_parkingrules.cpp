#include "dbtestmain.h"
#include "estate/emptydate.h"
#include "estate/parkinglistquery.h"
#include "estate/parkingrules.h"
#include "estatefixture.h"

#include <QSqlRecord>

using namespace estate;
using namespace estatefixture;

// Creating, selling, renting and listing parking spaces.
class TestParkingRules : public QObject {
    Q_OBJECT

private slots:
    void createChecks_data();
    void createChecks();
    void newSpaceHasNoHouseholdAndIsSeenByEveryone();
    void saleGuard_data();
    void saleGuard();
    void saleWithoutHouseholdAndOpenEnd();
    void saleWithPickedHouse();
    void changeWithoutPickerKeepsTheHousehold();
    void valueListAndFilters_data();
    void valueListAndFilters();

private:
    static QStringList codes(const BoundStatement &statement);
    static QSqlRecord row(int id);
};

QStringList TestParkingRules::codes(const BoundStatement &statement)
{
    QSqlQuery q;
    q.prepare(statement.sql);
    statement.bindTo(q);
    if (!q.exec()) {
        qWarning("%s: %s", qPrintable(statement.sql), qPrintable(q.lastError().text()));
        return {QStringLiteral("<error>")};
    }
    QStringList out;
    while (q.next())
        out << q.value(q.record().indexOf(QStringLiteral("F_code"))).toString();
    return out;
}

QSqlRecord TestParkingRules::row(int id)
{
    QSqlQuery q;
    q.prepare(QStringLiteral("select * from T_carPos where F_ID = :id"));
    q.bindValue(QStringLiteral(":id"), id);
    if (!q.exec() || !q.next())
        return QSqlRecord();
    return q.record();
}

void TestParkingRules::createChecks_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty") << "  " << "当前车位编号不能为空！";
    QTest::newRow("taken") << "P-001" << "车位编号重复，请重新输入！";
    QTest::newRow("taken, other letter case") << " p-001 " << "车位编号重复，请重新输入！";
    QTest::newRow("free") << "P-002" << "";
}

void TestParkingRules::createChecks()
{
    QFETCH(QString, code);
    QFETCH(QString, message);
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    QVERIFY(ParkingRules().create(QStringLiteral("P-001"), QString(), 0, 0, QString()).isDone());
    const RuleOutcome outcome = ParkingRules().create(code, QStringLiteral("B1层"), 1, 2, QString());
    if (message.isEmpty()) {
        QVERIFY2(outcome.isDone(), qPrintable(outcome.message));
        QCOMPARE(count(QStringLiteral("T_carPos")), 2);
    } else {
        QCOMPARE(outcome.message, message);
        QCOMPARE(outcome.kind, 0);
        QCOMPARE(outcome.focus, QStringLiteral("edtCode"));
        QCOMPARE(count(QStringLiteral("T_carPos")), 1);
    }
}

void TestParkingRules::newSpaceHasNoHouseholdAndIsSeenByEveryone()
{
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    const RuleOutcome created = ParkingRules().create(QStringLiteral(" P-007 "), QStringLiteral(" 北区 "), 120000.5,
                                                      800.25, QStringLiteral(" 靠近电梯 "));
    QVERIFY(created.isDone());
    const QSqlRecord r = row(created.id);
    QCOMPARE(r.value(QStringLiteral("F_code")).toString(), QStringLiteral("P-007"));
    QCOMPARE(r.value(QStringLiteral("F_address")).toString(), QStringLiteral("北区"));
    QCOMPARE(r.value(QStringLiteral("F_YSprice")).toDouble(), 120000.5);
    QCOMPARE(r.value(QStringLiteral("F_memo1")).toString(), QStringLiteral(" 靠近电梯 "));
    QCOMPARE(r.value(QStringLiteral("F_flag")).toInt(), 0);
    QCOMPARE(dateText(r.value(QStringLiteral("F_fromDate"))), QStringLiteral("1900-08-14"));
    QCOMPARE(dateText(r.value(QStringLiteral("F_toDate"))), QStringLiteral("3000-08-14"));
    QVERIFY(r.value(QStringLiteral("F_XQname")).isNull());
    QVERIFY(r.value(QStringLiteral("F_CQstatus")).isNull());

    const AreaScope restricted = AreaScope::restrictedTo({QStringLiteral("阳光小区")});
    QCOMPARE(codes(ParkingListQuery::build(-1, QString(), ParkingListQuery::ByStatus, nullptr, restricted,
                                           db::Dialect::of(tdb.db()))),
             QStringList{QStringLiteral("P-007")});
}

void TestParkingRules::saleGuard_data()
{
    QTest::addColumn<QString>("status");
    QTest::addColumn<bool>("refused");
    QTest::newRow("never sold") << "" << false;
    QTest::newRow("free") << "空闲" << false;
    QTest::newRow("sold") << "出售" << true;
    QTest::newRow("rented") << "出租" << true;
    QTest::newRow("rented, blanks") << " 出租 " << true;
}

void TestParkingRules::saleGuard()
{
    QFETCH(QString, status);
    QFETCH(bool, refused);
    QCOMPARE(ParkingRules::saleRefusal(status), refused ? QStringLiteral("此车位已经销售或租赁！") : QString());
}

void TestParkingRules::saleWithoutHouseholdAndOpenEnd()
{
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    const int id = ParkingRules().create(QStringLiteral("P-001"), QString(), 0, 0, QString()).id;
    ParkingSale sale = ParkingSale::fromRecord(row(id), QDate(2024, 7, 1));
    QCOMPARE(sale.household, -1);
    QVERIFY(!sale.fromTicked);
    QVERIFY(!sale.toTicked);
    QCOMPARE(sale.toDate, QDate(2024, 7, 1));
    sale.fromDate = QDate(2024, 7, 1);
    sale.fromTicked = true;
    sale.status = QStringLiteral("出租");
    sale.amount = 300;
    sale.carCode = QStringLiteral(" 京A12345 ");
    QVERIFY(ParkingRules().saveSale(id, sale).isDone());

    const QSqlRecord r = row(id);
    QCOMPARE(r.value(QStringLiteral("F_mainID")).toInt(), -1);
    QCOMPARE(r.value(QStringLiteral("F_XQname")).toString(), QString());
    QCOMPARE(r.value(QStringLiteral("F_FZname")).toString(), QString());
    QCOMPARE(r.value(QStringLiteral("F_FZcode")).toString(), QString());
    QCOMPARE(r.value(QStringLiteral("F_CarCode")).toString(), QStringLiteral("京A12345"));
    QCOMPARE(dateText(r.value(QStringLiteral("F_fromDate"))), QStringLiteral("2024-07-01"));
    QCOMPARE(dateText(r.value(QStringLiteral("F_toDate"))), QStringLiteral("3000-08-14"));

    const ParkingSale reopened = ParkingSale::fromRecord(r, QDate(2025, 1, 1));
    QVERIFY(reopened.fromTicked);
    QCOMPARE(reopened.fromDate, QDate(2024, 7, 1));
    QVERIFY(!reopened.toTicked);
    QCOMPARE(reopened.toDate, QDate(2025, 1, 1));
    QCOMPARE(ParkingRules::saleRefusal(reopened.status), QStringLiteral("此车位已经销售或租赁！"));
}

void TestParkingRules::saleWithPickedHouse()
{
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    addArea(QStringLiteral("阳光小区"));
    const int house = addHouse(QStringLiteral("阳光小区"), QStringLiteral("3"), QStringLiteral("301"),
                               QStringLiteral("已入住"), {{QStringLiteral("F_FZname"), QStringLiteral("张三")}});
    const int id = ParkingRules().create(QStringLiteral("P-001"), QString(), 0, 0, QString()).id;
    ParkingSale sale = ParkingSale::fromRecord(row(id), QDate::currentDate());
    const std::optional<SoldHouse> picked = HousePickerQuery::soldHouse(house);
    QVERIFY(picked.has_value());
    sale.takeHouse(*picked);
    sale.status = QStringLiteral("出售");
    sale.toDate = QDate(2030, 12, 31);
    sale.toTicked = true;
    sale.outOfUse = true;
    QVERIFY(ParkingRules().saveSale(id, sale).isDone());
    const QSqlRecord r = row(id);
    QCOMPARE(r.value(QStringLiteral("F_mainID")).toInt(), house);
    QCOMPARE(r.value(QStringLiteral("F_FZcode")).toString(), QStringLiteral("301"));
    QCOMPARE(r.value(QStringLiteral("F_LDcode")).toString(), QStringLiteral("3"));
    QCOMPARE(r.value(QStringLiteral("F_XQname")).toString(), QStringLiteral("阳光小区"));
    QCOMPARE(r.value(QStringLiteral("F_FZname")).toString(), QStringLiteral("张三"));
    QCOMPARE(r.value(QStringLiteral("F_flag")).toInt(), 1);
    QCOMPARE(dateText(r.value(QStringLiteral("F_fromDate"))), QStringLiteral("1900-08-14"));
    QCOMPARE(dateText(r.value(QStringLiteral("F_toDate"))), QStringLiteral("2030-12-31"));
}

void TestParkingRules::changeWithoutPickerKeepsTheHousehold()
{
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    const int id = insertRow(QStringLiteral("T_carPos"),
                             {{QStringLiteral("F_code"), QStringLiteral("P-9")},
                              {QStringLiteral("F_mainID"), 42},
                              {QStringLiteral("F_XQname"), QStringLiteral("月亮小区")},
                              {QStringLiteral("F_LDcode"), QStringLiteral("7")},
                              {QStringLiteral("F_FZcode"), QStringLiteral("701")},
                              {QStringLiteral("F_CQstatus"), QStringLiteral("出售")},
                              {QStringLiteral("F_fromDate"), QDate(2022, 2, 2)},
                              {QStringLiteral("F_toDate"), EmptyDate::openEnd()}});
    ParkingSale sale = ParkingSale::fromRecord(row(id), QDate::currentDate());
    sale.status = QStringLiteral("空闲");
    sale.phone = QStringLiteral("5550199");
    QVERIFY(ParkingRules().saveSale(id, sale).isDone());
    const QSqlRecord r = row(id);
    QCOMPARE(r.value(QStringLiteral("F_mainID")).toInt(), 42);
    QCOMPARE(r.value(QStringLiteral("F_LDcode")).toString(), QStringLiteral("7"));
    QCOMPARE(r.value(QStringLiteral("F_XQname")).toString(), QStringLiteral("月亮小区"));
    QCOMPARE(r.value(QStringLiteral("F_CQstatus")).toString(), QStringLiteral("空闲"));
    QCOMPARE(dateText(r.value(QStringLiteral("F_fromDate"))), QStringLiteral("2022-02-02"));
    QCOMPARE(dateText(r.value(QStringLiteral("F_toDate"))), QStringLiteral("3000-08-14"));
}

void TestParkingRules::valueListAndFilters_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("listValue");   // empty: the "全部" row
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("all") << 1 << "" << -1 << "" << QStringList{"P1", "P2", "P3", "P4"};
    QTest::newRow("status sold") << 1 << "出售" << -1 << "" << QStringList{"P1", "P3"};
    QTest::newRow("employee") << 2 << "小王" << -1 << "" << QStringList{"P2", "P3"};
    QTest::newRow("employee and car") << 2 << "小王" << 4 << "B" << QStringList{"P3"};
    QTest::newRow("owner contains") << 1 << "" << 3 << "三" << QStringList{"P1"};
    QTest::newRow("percent literal") << 1 << "" << 7 << "5%" << QStringList{"P4"};
}

void TestParkingRules::valueListAndFilters()
{
    QFETCH(int, kind);
    QFETCH(QString, listValue);
    QFETCH(int, item);
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    const auto add = [](const char *code, const char *status, const char *employee, const char *car, const char *owner,
                        const char *memo) {
        insertRow(QStringLiteral("T_carPos"), {{QStringLiteral("F_code"), QString::fromUtf8(code)},
                                               {QStringLiteral("F_CQstatus"), QString::fromUtf8(status)},
                                               {QStringLiteral("F_empName"), QString::fromUtf8(employee)},
                                               {QStringLiteral("F_CarCode"), QString::fromUtf8(car)},
                                               {QStringLiteral("F_FZname"), QString::fromUtf8(owner)},
                                               {QStringLiteral("F_memo1"), QString::fromUtf8(memo)}});
    };
    add("P1", "出售", "小李", "A1", "张三", "");
    add("P2", "出租", "小王", "A2", "李四", "");
    add("P3", "出售", "小王", "B3", "王五", "");
    add("P4", "", "", "", "", "优惠5%");

    const auto listKind = ParkingListQuery::ListKind(kind);
    QSqlQuery values;
    QVERIFY(values.exec(ParkingListQuery::valueListStatement(listKind)));
    QStringList names;
    while (values.next())
        names << values.value(0).toString();
    QCOMPARE(names, kind == 1 ? (QStringList{"出售", "出租"}) : (QStringList{"小李", "小王"}));

    const QString *selected = listValue.isEmpty() ? nullptr : &listValue;
    QCOMPARE(codes(ParkingListQuery::build(item, text, listKind, selected, AreaScope(), db::Dialect::of(tdb.db()))),
             expected);
}

VEL_DB_TEST_MAIN(TestParkingRules)
#include "tst_parkingrules.moc"
