#include "dbtestmain.h"
#include "estate/emptydate.h"
#include "estate/houserules.h"
#include "estate/housestatus.h"
#include "estatefixture.h"

using estate::EmptyDate;
using estate::HouseMode;
using estate::HouseRules;
using estate::RuleOutcome;
using namespace estatefixture;

Q_DECLARE_METATYPE(estate::HouseMode)

// Saving, selling, moving in, vacating and deleting houses.
class TestHouseRules : public QObject {
    Q_OBJECT

private slots:
    void saveChecks_data();
    void saveChecks();
    void saleThenSecondSaleRefused();
    void moveInFromAnyStatus_data();
    void moveInFromAnyStatus();
    void vacateEmptiesOnlyTheResident();
    void contractDateRule_data();
    void contractDateRule();
    void untouchedEmptyContractDateStaysEmpty();
    void savedValuesAreTrimmedExceptRemarks();
    void deleteGuard_data();
    void deleteGuard();

private:
    static QVariantMap values(const QString &area, const QString &building, const QString &room,
                              const QString &status = QStringLiteral("未销售"));
};

QVariantMap TestHouseRules::values(const QString &area, const QString &building, const QString &room,
                                   const QString &status)
{
    return {{QStringLiteral("F_XQname"), area},
            {QStringLiteral("F_LDcode"), building},
            {QStringLiteral("F_code"), room},
            {QStringLiteral("F_curStatus"), status},
            {QStringLiteral("F_HTdate"), QDate(2024, 3, 1)}};
}

void TestHouseRules::saveChecks_data()
{
    QTest::addColumn<HouseMode>("mode");
    QTest::addColumn<bool>("asTheExistingHouse");
    QTest::addColumn<QString>("area");
    QTest::addColumn<QString>("building");
    QTest::addColumn<QString>("room");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("focus");

    const QString noArea = QStringLiteral("小区名称不能为空！");
    const QString unknownArea = QStringLiteral("小区名称不存在，请在楼宇信息里增加新的小区名！");
    const QString noRoom = QStringLiteral("房间编号不能为空！");
    const QString duplicate = QStringLiteral("房间编号重复，请修改！");
    const QString area = QStringLiteral("阳光小区");
    // An area "阳光小区" with house 1-101 exists in every row.
    QTest::newRow("empty area") << HouseMode::New << false << "" << "1" << "102" << noArea << 0 << "cbbXQname";
    QTest::newRow("blank area") << HouseMode::New << false << "  " << "1" << "102" << noArea << 0 << "cbbXQname";
    QTest::newRow("unknown area") << HouseMode::New << false << "月亮小区" << "1" << "102" << unknownArea << 0
                                  << "cbbXQname";
    QTest::newRow("empty room") << HouseMode::New << false << area << "1" << " " << noRoom << 0 << "edtcode";
    QTest::newRow("same room, same building") << HouseMode::New << false << area << "1" << "101" << duplicate << 3
                                              << "edtcode";
    QTest::newRow("same room with blanks") << HouseMode::New << false << area << " 1 " << "101 " << duplicate << 3
                                           << "edtcode";
    QTest::newRow("copy unchanged") << HouseMode::Copy << false << area << "1" << "101" << duplicate << 3
                                    << "edtcode";
    QTest::newRow("other house changed to a taken room") << HouseMode::Change << false << area << "1" << "101"
                                                         << duplicate << 3 << "edtcode";
    QTest::newRow("same room, other building") << HouseMode::New << false << area << "2" << "101" << "" << 0 << "";
    QTest::newRow("copy into another building") << HouseMode::Copy << false << area << "2" << "101" << "" << 0 << "";
    QTest::newRow("house keeps its own room") << HouseMode::Change << true << area << "1" << "101" << "" << 0 << "";
    QTest::newRow("sale keeps its own room") << HouseMode::Sale << true << area << "1" << "101" << "" << 0 << "";
}

void TestHouseRules::saveChecks()
{
    QFETCH(HouseMode, mode);
    QFETCH(bool, asTheExistingHouse);
    QFETCH(QString, area);
    QFETCH(QString, building);
    QFETCH(QString, room);
    QFETCH(QString, message);
    QFETCH(int, kind);
    QFETCH(QString, focus);

    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    addArea(QStringLiteral("阳光小区"));
    const int existing = addHouse(QStringLiteral("阳光小区"), QStringLiteral("1"), QStringLiteral("101"));
    const int other = addHouse(QStringLiteral("阳光小区"), QStringLiteral("1"), QStringLiteral("102"));
    const int editedId = asTheExistingHouse ? existing : other;

    const RuleOutcome outcome = HouseRules().save(mode, values(area, building, room), editedId);
    if (message.isEmpty()) {
        QVERIFY2(outcome.isDone(), qPrintable(outcome.message));
        QCOMPARE(count(QStringLiteral("T_FCinfo")), estate::HouseModes::inserts(mode) ? 3 : 2);
    } else {
        QCOMPARE(outcome.status, RuleOutcome::Refused);
        QCOMPARE(outcome.message, message);
        QCOMPARE(outcome.kind, kind);
        QCOMPARE(outcome.focus, focus);
        QCOMPARE(count(QStringLiteral("T_FCinfo")), 2);
        QCOMPARE(value(QStringLiteral("T_FCinfo"), other, QStringLiteral("F_code")).toString(), QStringLiteral("102"));
    }
}

void TestHouseRules::saleThenSecondSaleRefused()
{
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    addArea(QStringLiteral("阳光小区"));
    const int id = addHouse(QStringLiteral("阳光小区"), QStringLiteral("1"), QStringLiteral("101"),
                            QStringLiteral("未销售"), {{QStringLiteral("F_buildArea"), 88.5}});
    QVERIFY(HouseRules::saleRefusal(QStringLiteral("未销售")).isEmpty());

    QVariantMap v = values(QStringLiteral("阳光小区"), QStringLiteral("1"), QStringLiteral("101"),
                           estate::HouseModes::statusAtOpening(HouseMode::Sale, QStringLiteral("未销售")));
    v.insert(QStringLiteral("F_buildArea"), 88.5);
    v.insert(QStringLiteral("F_FZname"), QStringLiteral("张三"));
    QVERIFY(HouseRules().save(HouseMode::Sale, v, id).isDone());

    const QString stored = value(QStringLiteral("T_FCinfo"), id, QStringLiteral("F_curStatus")).toString();
    QCOMPARE(stored, QStringLiteral("已销售"));
    QCOMPARE(value(QStringLiteral("T_FCinfo"), id, QStringLiteral("F_buildArea")).toDouble(), 88.5);
    QCOMPARE(value(QStringLiteral("T_FCinfo"), id, QStringLiteral("F_FZname")).toString(), QStringLiteral("张三"));
    QCOMPARE(HouseRules::saleRefusal(stored), QStringLiteral("此房间已经销售！"));
    QCOMPARE(HouseRules::saleRefusal(QStringLiteral("已入住 ")), QStringLiteral("此房间已经销售！"));
    QVERIFY(HouseRules::saleRefusal(QString()).isEmpty());
}

void TestHouseRules::moveInFromAnyStatus_data()
{
    QTest::addColumn<QVariant>("status");
    QTest::newRow("unsold") << QVariant(QStringLiteral("未销售"));
    QTest::newRow("sold") << QVariant(QStringLiteral("已销售"));
    QTest::newRow("occupied") << QVariant(QStringLiteral("已入住"));
    QTest::newRow("no status") << QVariant();
}

void TestHouseRules::moveInFromAnyStatus()
{
    QFETCH(QVariant, status);
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    addArea(QStringLiteral("阳光小区"));
    const int id = addHouse(QStringLiteral("阳光小区"), QStringLiteral("1"), QStringLiteral("101"), status);

    QVariantMap v = values(QStringLiteral("阳光小区"), QStringLiteral("1"), QStringLiteral("101"),
                           estate::HouseModes::statusAtOpening(HouseMode::MoveIn, status.toString()));
    v.insert(QStringLiteral("F_ZHname"), QStringLiteral("李四"));
    v.insert(QStringLiteral("F_RZdate"), QDate(2024, 5, 6));
    v.insert(QStringLiteral("F_ZHnum"), 3);
    QVERIFY(HouseRules().save(HouseMode::MoveIn, v, id).isDone());
    QCOMPARE(value(QStringLiteral("T_FCinfo"), id, QStringLiteral("F_curStatus")).toString(), QStringLiteral("已入住"));
    QCOMPARE(dateText(value(QStringLiteral("T_FCinfo"), id, QStringLiteral("F_RZdate"))), QStringLiteral("2024-05-06"));
}

void TestHouseRules::vacateEmptiesOnlyTheResident()
{
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    addArea(QStringLiteral("阳光小区"));
    const int id = addHouse(QStringLiteral("阳光小区"), QStringLiteral("1"), QStringLiteral("101"),
                            QStringLiteral("已入住"),
                            {{QStringLiteral("F_FZname"), QStringLiteral("张三")},
                             {QStringLiteral("F_HTcode"), QStringLiteral("HT-9")},
                             {QStringLiteral("F_ZHname"), QStringLiteral("李四")},
                             {QStringLiteral("F_ZHphone"), QStringLiteral("123")},
                             {QStringLiteral("F_ZHhandphone"), QStringLiteral("139")},
                             {QStringLiteral("F_ZHSFZcode"), QStringLiteral("110")},
                             {QStringLiteral("F_ZHwork"), QStringLiteral("教师")},
                             {QStringLiteral("F_mem3"), QStringLiteral("养猫")},
                             {QStringLiteral("F_RZdate"), QDate(2023, 1, 2)},
                             {QStringLiteral("F_ZHnum"), 4}});
    const int neighbour = addHouse(QStringLiteral("阳光小区"), QStringLiteral("1"), QStringLiteral("102"),
                                   QStringLiteral("已入住"), {{QStringLiteral("F_ZHname"), QStringLiteral("王五")}});

    QVERIFY(HouseRules().vacate(id).isDone());
    const QString table = QStringLiteral("T_FCinfo");
    for (const char *column : {"F_ZHname", "F_ZHphone", "F_ZHhandphone", "F_ZHSFZcode", "F_ZHwork", "F_mem3"})
        QCOMPARE(value(table, id, QString::fromLatin1(column)).toString(), QString());
    QCOMPARE(dateText(value(table, id, QStringLiteral("F_RZdate"))), QStringLiteral("1900-08-14"));
    QCOMPARE(value(table, id, QStringLiteral("F_ZHnum")).toDouble(), 0.0);
    QCOMPARE(value(table, id, QStringLiteral("F_curStatus")).toString(), QStringLiteral("已入住"));
    QCOMPARE(value(table, id, QStringLiteral("F_FZname")).toString(), QStringLiteral("张三"));
    QCOMPARE(value(table, id, QStringLiteral("F_HTcode")).toString(), QStringLiteral("HT-9"));
    QCOMPARE(value(table, neighbour, QStringLiteral("F_ZHname")).toString(), QStringLiteral("王五"));
}

void TestHouseRules::contractDateRule_data()
{
    QTest::addColumn<HouseMode>("mode");
    QTest::addColumn<bool>("storedWasNone");
    QTest::addColumn<bool>("touched");
    QTest::addColumn<bool>("keepsEmpty");
    QTest::newRow("change, untouched empty") << HouseMode::Change << true << false << true;
    QTest::newRow("copy, untouched empty") << HouseMode::Copy << true << false << true;
    QTest::newRow("move-in, untouched empty") << HouseMode::MoveIn << true << false << true;
    QTest::newRow("change, date chosen") << HouseMode::Change << true << true << false;
    QTest::newRow("change, real date") << HouseMode::Change << false << false << false;
    QTest::newRow("sale stores the picker") << HouseMode::Sale << true << false << false;
    QTest::newRow("new stores the picker") << HouseMode::New << true << false << false;
}

void TestHouseRules::contractDateRule()
{
    QFETCH(HouseMode, mode);
    QFETCH(bool, storedWasNone);
    QFETCH(bool, touched);
    QFETCH(bool, keepsEmpty);
    const QDate picker(2024, 6, 30);
    QCOMPARE(HouseRules::contractDateToStore(mode, storedWasNone, touched, picker),
             keepsEmpty ? EmptyDate::none() : picker);
}

void TestHouseRules::untouchedEmptyContractDateStaysEmpty()
{
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    addArea(QStringLiteral("阳光小区"));
    const int id = addHouse(QStringLiteral("阳光小区"), QStringLiteral("1"), QStringLiteral("101"),
                            QStringLiteral("已销售"), {{QStringLiteral("F_HTdate"), EmptyDate::none()}});
    const QVariant stored = value(QStringLiteral("T_FCinfo"), id, QStringLiteral("F_HTdate"));
    QVERIFY(EmptyDate::isNone(stored));

    // The edit window shows today in the picker; the operator changes only a telephone.
    QVariantMap v = values(QStringLiteral("阳光小区"), QStringLiteral("1"), QStringLiteral("101"),
                           QStringLiteral("已销售"));
    v.insert(QStringLiteral("F_ZHphone"), QStringLiteral("5550101"));
    v.insert(QStringLiteral("F_HTdate"),
             HouseRules::contractDateToStore(HouseMode::Change, EmptyDate::isNone(stored), false, QDate::currentDate()));
    QVERIFY(HouseRules().save(HouseMode::Change, v, id).isDone());
    QCOMPARE(dateText(value(QStringLiteral("T_FCinfo"), id, QStringLiteral("F_HTdate"))), QStringLiteral("1900-08-14"));
    QCOMPARE(value(QStringLiteral("T_FCinfo"), id, QStringLiteral("F_ZHphone")).toString(), QStringLiteral("5550101"));
}

void TestHouseRules::savedValuesAreTrimmedExceptRemarks()
{
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    addArea(QStringLiteral("阳光小区"));
    QVariantMap v = values(QStringLiteral(" 阳光小区 "), QStringLiteral(" 3 "), QStringLiteral(" 301 "));
    v.insert(QStringLiteral("F_FZname"), QStringLiteral(" 张三 "));
    v.insert(QStringLiteral("F_mem1"), QStringLiteral("  朝南\n"));
    v.insert(QStringLiteral("F_mem2"), QStringLiteral(" 分期 "));
    v.insert(QStringLiteral("F_mem3"), QStringLiteral(" 养狗 "));
    v.insert(QStringLiteral("F_buildArea"), QString());
    const RuleOutcome outcome = HouseRules().save(HouseMode::New, v, 0);
    QVERIFY2(outcome.isDone(), qPrintable(outcome.message));
    QVERIFY(outcome.id > 0);
    const QString t = QStringLiteral("T_FCinfo");
    QCOMPARE(value(t, outcome.id, QStringLiteral("F_XQname")).toString(), QStringLiteral("阳光小区"));
    QCOMPARE(value(t, outcome.id, QStringLiteral("F_LDcode")).toString(), QStringLiteral("3"));
    QCOMPARE(value(t, outcome.id, QStringLiteral("F_code")).toString(), QStringLiteral("301"));
    QCOMPARE(value(t, outcome.id, QStringLiteral("F_FZname")).toString(), QStringLiteral("张三"));
    QCOMPARE(value(t, outcome.id, QStringLiteral("F_mem1")).toString(), QStringLiteral("  朝南\n"));
    QCOMPARE(value(t, outcome.id, QStringLiteral("F_mem2")).toString(), QStringLiteral(" 分期 "));
    QCOMPARE(value(t, outcome.id, QStringLiteral("F_mem3")).toString(), QStringLiteral("养狗"));
    QCOMPARE(value(t, outcome.id, QStringLiteral("F_buildArea")).toDouble(), 0.0);
    // No move-in date given: the marker, not NULL.
    QCOMPARE(dateText(value(t, outcome.id, QStringLiteral("F_RZdate"))), QStringLiteral("1900-08-14"));
}

void TestHouseRules::deleteGuard_data()
{
    QTest::addColumn<QVariantList>("feeFlags");      // one unpaid/paid fee row per entry (null = unset)
    QTest::addColumn<QVariantList>("prepayments");   // signed amounts
    QTest::addColumn<QString>("refusal");

    const QString unpaid = QStringLiteral("此房间还有未交的费用记录，不能删除！");
    const QString money = QStringLiteral("此房间还有预收款余额，不能删除！");
    QTest::newRow("nothing attached") << QVariantList() << QVariantList() << "";
    QTest::newRow("unpaid fee") << QVariantList{0} << QVariantList() << unpaid;
    QTest::newRow("fee without paid flag") << QVariantList{QVariant()} << QVariantList() << unpaid;
    QTest::newRow("paid fees only") << QVariantList{1, 1} << QVariantList() << "";
    QTest::newRow("paid and unpaid") << QVariantList{1, 0} << QVariantList() << unpaid;
    QTest::newRow("deposit left") << QVariantList() << QVariantList{100.0} << money;
    QTest::newRow("overdrawn") << QVariantList() << QVariantList{-20.0} << money;
    QTest::newRow("account used up") << QVariantList{1} << QVariantList{100.0, -60.5, -39.5} << "";
}

void TestHouseRules::deleteGuard()
{
    QFETCH(QVariantList, feeFlags);
    QFETCH(QVariantList, prepayments);
    QFETCH(QString, refusal);
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    addArea(QStringLiteral("阳光小区"));
    const int id = addHouse(QStringLiteral("阳光小区"), QStringLiteral("1"), QStringLiteral("101"));
    const int other = addHouse(QStringLiteral("阳光小区"), QStringLiteral("1"), QStringLiteral("102"));
    // The neighbour's debts and money never hold this house back.
    insertRow(QStringLiteral("T_wyFYrec"), {{QStringLiteral("F_mainID"), other}, {QStringLiteral("F_JFflag"), 0}});
    insertRow(QStringLiteral("T_YSKrec"), {{QStringLiteral("F_mainID"), other},
                                           {QStringLiteral("F_price"), 50.0},
                                           {QStringLiteral("F_operFlag"), 1}});
    for (const QVariant &flag : feeFlags)
        QVERIFY(insertRow(QStringLiteral("T_wyFYrec"), {{QStringLiteral("F_mainID"), id},
                                                        {QStringLiteral("F_JFflag"), flag.isNull() ? QVariant() : flag}}) > 0);
    for (const QVariant &amount : prepayments) {
        const double a = amount.toDouble();
        QVERIFY(insertRow(QStringLiteral("T_YSKrec"), {{QStringLiteral("F_mainID"), id},
                                                       {QStringLiteral("F_price"), qAbs(a)},
                                                       {QStringLiteral("F_operFlag"), a < 0 ? -1 : 1}}) > 0);
    }

    const RuleOutcome outcome = HouseRules().remove(id);
    if (refusal.isEmpty()) {
        QVERIFY2(outcome.isDone(), qPrintable(outcome.message));
        QVERIFY(!value(QStringLiteral("T_FCinfo"), id, QStringLiteral("F_ID")).isValid());
    } else {
        QCOMPARE(outcome.status, RuleOutcome::Refused);
        QCOMPARE(outcome.message, refusal);
        QCOMPARE(outcome.kind, 0);
        QCOMPARE(value(QStringLiteral("T_FCinfo"), id, QStringLiteral("F_ID")).toInt(), id);
    }
    QCOMPARE(value(QStringLiteral("T_FCinfo"), other, QStringLiteral("F_ID")).toInt(), other);
}

VEL_DB_TEST_MAIN(TestHouseRules)
#include "tst_houserules.moc"
