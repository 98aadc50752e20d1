#include "access/areascope.h"
#include "db/dialect.h"
#include "dbtestmain.h"
#include "estate/areatree.h"
#include "estate/houselistquery.h"
#include "estate/housepickerquery.h"
#include "estatefixture.h"

#include <QSqlRecord>

using namespace estate;
using namespace estatefixture;

// What the house list, its area tree and the house picker show.
class TestHouseQueries : public QObject {
    Q_OBJECT

private slots:
    void treeListsAreasWithTheirBuildings();
    void restrictedOperatorSeesOnlyHisAreas();
    void listIsEmptyUntilANodeIsChosen();
    void treeAndStatusFilter_data();
    void treeAndStatusFilter();
    void fieldFilters_data();
    void fieldFilters();
    void pickerOffersOnlySoldHouses_data();
    void pickerOffersOnlySoldHouses();
    void pickerReturnsTheCallersValueUnlessAHouseIsChosen();
    void soldHouseReadBack();

private:
    static void addEstate();
    static QStringList run(const BoundStatement &statement);
};

// Two areas; building "1" exists in both; statuses of every kind.
void TestHouseQueries::addEstate()
{
    addArea(QStringLiteral("阳光小区"));
    addArea(QStringLiteral("月亮小区"));
    addArea(QStringLiteral("O'Brien园"));
    addHouse(QStringLiteral("阳光小区"), QStringLiteral("1"), QStringLiteral("101"), QStringLiteral("未销售"));
    addHouse(QStringLiteral("阳光小区"), QStringLiteral("1"), QStringLiteral("102"), QStringLiteral("已销售"),
             {{QStringLiteral("F_FZname"), QStringLiteral("张三")}, {QStringLiteral("F_chanquan"), QStringLiteral("完全产权")}});
    addHouse(QStringLiteral("阳光小区"), QStringLiteral("2"), QStringLiteral("101"), QStringLiteral("已入住"),
             {{QStringLiteral("F_FZname"), QStringLiteral("10%业主")}, {QStringLiteral("F_FZsex"), QStringLiteral("女")}});
    addHouse(QStringLiteral("阳光小区"), QStringLiteral("2"), QStringLiteral("201"), QVariant(),
             {{QStringLiteral("F_FZname"), QStringLiteral("A_1")}});
    addHouse(QStringLiteral("阳光小区"), QStringLiteral(""), QStringLiteral("999"), QStringLiteral("已销售"));
    addHouse(QStringLiteral("月亮小区"), QStringLiteral("1"), QStringLiteral("101"), QStringLiteral("已销售"));
    addHouse(QStringLiteral("O'Brien园"), QStringLiteral("9"), QStringLiteral("901"), QStringLiteral("已入住"));
}

QStringList TestHouseQueries::run(const BoundStatement &statement)
{
    QSqlQuery q;
    if (!q.prepare(statement.sql)) {
        qWarning("%s: %s", qPrintable(statement.sql), qPrintable(q.lastError().text()));
        return {QStringLiteral("<error>")};
    }
    statement.bindTo(q);
    if (!q.exec()) {
        qWarning("%s: %s", qPrintable(statement.sql), qPrintable(q.lastError().text()));
        return {QStringLiteral("<error>")};
    }
    QStringList rows;
    const int area = q.record().indexOf(QStringLiteral("F_XQname"));
    const int building = q.record().indexOf(QStringLiteral("F_LDcode"));
    const int room = q.record().indexOf(QStringLiteral("F_code"));
    while (q.next())
        rows << q.value(area).toString() + QLatin1Char('/') + q.value(building).toString() + QLatin1Char('/')
                    + q.value(room).toString();
    return rows;
}

void TestHouseQueries::treeListsAreasWithTheirBuildings()
{
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    addEstate();
    addArea(QString());   // an area without a name

    bool ok = false;
    const QList<AreaTreeNode> tree = AreaTree::load(AreaScope(), true, tdb.db(), &ok);
    QVERIFY(ok);
    QStringList shown;
    for (const AreaTreeNode &node : tree)
        shown << node.area + QLatin1Char(':') + node.buildings.join(QLatin1Char(','));
    QCOMPARE(shown, (QStringList{QStringLiteral("O'Brien园:9"), QStringLiteral("月亮小区:1"),
                                 QStringLiteral("阳光小区:1,2")}));

    // The picker keeps the unnamed area.
    QCOMPARE(AreaTree::load(AreaScope(), false, tdb.db()).size(), 4);
}

void TestHouseQueries::restrictedOperatorSeesOnlyHisAreas()
{
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    addEstate();
    const AreaScope scope = AreaScope::restrictedTo({QStringLiteral("月亮小区"), QStringLiteral("O'Brien园")});
    QStringList areas;
    for (const AreaTreeNode &node : AreaTree::load(scope, true, tdb.db()))
        areas << node.area;
    QCOMPARE(areas, (QStringList{QStringLiteral("O'Brien园"), QStringLiteral("月亮小区")}));

    QVERIFY(AreaTree::load(AreaScope::restrictedTo({}), true, tdb.db()).isEmpty());

    // The picker applies the scope to its statement too, whatever node is chosen.
    const AreaTreeSelection foreign = AreaTreeSelection::ofArea(QStringLiteral("阳光小区"));
    QVERIFY(run(HousePickerQuery::build(&foreign, {}, scope, db::Dialect::of(tdb.db()))).isEmpty());
    const AreaTreeSelection own = AreaTreeSelection::ofArea(QStringLiteral("O'Brien园"));
    QCOMPARE(run(HousePickerQuery::build(&own, {}, scope, db::Dialect::of(tdb.db()))),
             QStringList{QStringLiteral("O'Brien园/9/901")});
}

void TestHouseQueries::listIsEmptyUntilANodeIsChosen()
{
    QVERIFY(HouseListQuery::build(nullptr, 3, 0, QString(), db::Dialect(db::Engine::Sqlite)).sql.isEmpty());
    QVERIFY(HousePickerQuery::build(nullptr, {}, AreaScope(), db::Dialect(db::Engine::Sqlite)).sql.isEmpty());
    QCOMPARE(HouseListQuery::filterItems().size(), 26);
    QCOMPARE(HouseListQuery::statusItems().first(), QStringLiteral("未销售"));
}

void TestHouseQueries::treeAndStatusFilter_data()
{
    QTest::addColumn<QString>("area");
    QTest::addColumn<QString>("building");   // empty: the area node
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("expected");

    const QString sun = QStringLiteral("阳光小区");
    QTest::newRow("area, unsold (opening filter)") << sun << "" << 0 << QStringList{sun + "/1/101"};
    QTest::newRow("area, sold") << sun << "" << 1 << QStringList{sun + "//999", sun + "/1/102"};
    QTest::newRow("area, occupied") << sun << "" << 2 << QStringList{sun + "/2/101"};
    QTest::newRow("area, all (status-less too)")
        << sun << "" << 3 << QStringList{sun + "//999", sun + "/1/101", sun + "/1/102", sun + "/2/101", sun + "/2/201"};
    QTest::newRow("building 1 of this area only")
        << sun << "1" << 3 << QStringList{sun + "/1/101", sun + "/1/102"};
    QTest::newRow("same building code elsewhere")
        << QStringLiteral("月亮小区") << "1" << 3 << QStringList{QStringLiteral("月亮小区/1/101")};
    QTest::newRow("area name with a quote")
        << QStringLiteral("O'Brien园") << "" << 2 << QStringList{QStringLiteral("O'Brien园/9/901")};
}

void TestHouseQueries::treeAndStatusFilter()
{
    QFETCH(QString, area);
    QFETCH(QString, building);
    QFETCH(int, status);
    QFETCH(QStringList, expected);
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    addEstate();
    const AreaTreeSelection node = building.isEmpty() ? AreaTreeSelection::ofArea(area)
                                                      : AreaTreeSelection::ofBuilding(area, building);
    QCOMPARE(run(HouseListQuery::build(&node, status, -1, QString(), db::Dialect::of(tdb.db()))), expected);
}

void TestHouseQueries::fieldFilters_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QStringList>("expected");
    const QString sun = QStringLiteral("阳光小区");
    QTest::newRow("room number is a prefix match") << "门牌编号" << "10" << QStringList{sun + "/1/101", sun + "/1/102", sun + "/2/101"};
    QTest::newRow("room number does not match inside") << "门牌编号" << "01" << QStringList();
    QTest::newRow("owner contains") << "业主姓名" << "三" << QStringList{sun + "/1/102"};
    QTest::newRow("percent is literal") << "业主姓名" << "10%" << QStringList{sun + "/2/101"};
    QTest::newRow("underscore is literal") << "业主姓名" << "A_1" << QStringList{sun + "/2/201"};
    QTest::newRow("quote") << "业主姓名" << "O'" << QStringList();
    QTest::newRow("sex from the fixed items") << "业主性别" << "女" << QStringList{sun + "/2/101"};
    QTest::newRow("empty value matches every row")
        << "业主姓名" << "" << QStringList{sun + "//999", sun + "/1/101", sun + "/1/102", sun + "/2/101", sun + "/2/201"};
    QTest::newRow("blank item adds nothing")
        << "" << "zzz" << QStringList{sun + "//999", sun + "/1/101", sun + "/1/102", sun + "/2/101", sun + "/2/201"};
}

void TestHouseQueries::fieldFilters()
{
    QFETCH(QString, caption);
    QFETCH(QString, value);
    QFETCH(QStringList, expected);
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    addEstate();
    const QList<FilterItem> items = HouseListQuery::filterItems();
    int index = -1;
    for (int i = 0; i < items.size() && index < 0; ++i) {
        if (items.at(i).caption == caption)
            index = i;
    }
    QVERIFY(index >= 0);
    const AreaTreeSelection node = AreaTreeSelection::ofArea(QStringLiteral("阳光小区"));
    QCOMPARE(run(HouseListQuery::build(&node, HouseListQuery::allStatusIndex(), index, value,
                                       db::Dialect::of(tdb.db()))),
             expected);
}

void TestHouseQueries::pickerOffersOnlySoldHouses_data()
{
    QTest::addColumn<QString>("building");
    QTest::addColumn<QString>("areaFilter");
    QTest::addColumn<QString>("roomFilter");
    QTest::addColumn<QString>("rightFilter");
    QTest::addColumn<QStringList>("expected");
    const QString sun = QStringLiteral("阳光小区");
    QTest::newRow("area node") << "" << "" << "" << "" << QStringList{sun + "/2/101", sun + "/1/102", sun + "//999"};
    QTest::newRow("building node") << "1" << "" << "" << "" << QStringList{sun + "/1/102"};
    QTest::newRow("room contains") << "" << "" << "0" << "" << QStringList{sun + "/2/101", sun + "/1/102"};
    QTest::newRow("room contains, narrower") << "" << "" << "02" << "" << QStringList{sun + "/1/102"};
    QTest::newRow("area filter contains") << "" << "阳光" << "" << "" << QStringList{sun + "/2/101", sun + "/1/102", sun + "//999"};
    QTest::newRow("area filter against the node") << "" << "月亮" << "" << "" << QStringList();
    QTest::newRow("property right") << "" << "" << "" << "完全" << QStringList{sun + "/1/102"};
    QTest::newRow("wildcard typed") << "" << "" << "%" << "" << QStringList();
}

void TestHouseQueries::pickerOffersOnlySoldHouses()
{
    QFETCH(QString, building);
    QFETCH(QString, areaFilter);
    QFETCH(QString, roomFilter);
    QFETCH(QString, rightFilter);
    QFETCH(QStringList, expected);
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    addEstate();
    const QString sun = QStringLiteral("阳光小区");
    const AreaTreeSelection node = building.isEmpty() ? AreaTreeSelection::ofArea(sun)
                                                      : AreaTreeSelection::ofBuilding(sun, building);
    HousePickerFilters filters;
    filters.area = areaFilter;
    filters.room = roomFilter;
    filters.propertyRight = rightFilter;
    // Ordered by room number only; ties keep no fixed order, so compare as sets.
    QStringList found = run(HousePickerQuery::build(&node, filters, AreaScope(), db::Dialect::of(tdb.db())));
    found.sort();
    expected.sort();
    QCOMPARE(found, expected);
}

void TestHouseQueries::pickerReturnsTheCallersValueUnlessAHouseIsChosen()
{
    QCOMPARE(HousePickerQuery::result(-1, false, 7), -1);
    QCOMPARE(HousePickerQuery::result(5, false, 7), 5);
    QCOMPARE(HousePickerQuery::result(5, true, std::nullopt), 5);
    QCOMPARE(HousePickerQuery::result(5, true, 7), 7);
    QCOMPARE(HousePickerQuery::result(-1, true, 7), 7);
}

void TestHouseQueries::soldHouseReadBack()
{
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    addArea(QStringLiteral("阳光小区"));
    const int sold = addHouse(QStringLiteral("阳光小区"), QStringLiteral("1"), QStringLiteral("102"),
                              QStringLiteral("已销售"),
                              {{QStringLiteral("F_FZname"), QStringLiteral("张三")},
                               {QStringLiteral("F_buildArea"), 90.5},
                               {QStringLiteral("F_ZHnum"), 3}});
    const int unsold = addHouse(QStringLiteral("阳光小区"), QStringLiteral("1"), QStringLiteral("101"),
                                QStringLiteral("未销售"));
    const int noStatus = addHouse(QStringLiteral("阳光小区"), QStringLiteral("1"), QStringLiteral("103"), QVariant());

    const std::optional<SoldHouse> house = HousePickerQuery::soldHouse(sold);
    QVERIFY(house.has_value());
    QCOMPARE(house->code, QStringLiteral("102"));
    QCOMPARE(house->area, QStringLiteral("阳光小区"));
    QCOMPARE(house->building, QStringLiteral("1"));
    QCOMPARE(house->owner, QStringLiteral("张三"));
    QCOMPARE(house->buildArea, 90.5);
    QCOMPARE(house->residents, 3.0);
    QVERIFY(!HousePickerQuery::soldHouse(unsold).has_value());
    QVERIFY(!HousePickerQuery::soldHouse(noStatus).has_value());
    const AreaScope elsewhere = AreaScope::restrictedTo({QStringLiteral("月亮小区")});
    QVERIFY(!HousePickerQuery::soldHouse(sold, &elsewhere).has_value());
}

VEL_DB_TEST_MAIN(TestHouseQueries)
#include "tst_housequeries.moc"
