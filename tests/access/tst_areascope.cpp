#include "access/areascope.h"
#include "dbtestmain.h"
#include "testdatabase.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QtTest>

// The operator's area restriction: parsing of the stored list and the
// conditions it gives on both engines.
class TestAreaScope : public QObject {
    Q_OBJECT

private slots:
    void parseList_data();
    void parseList();
    void formatListRoundTrip();
    void flagDecidesRestriction();
    void unparsableListSeesOnlyRowsWithoutArea();

    void clauseSelectsPermittedRows_data();
    void clauseSelectsPermittedRows();
    void nameClauseSelectsPermittedNames_data();
    void nameClauseSelectsPermittedNames();
    void bothClausesInOneStatement();

private:
    void addHouse(const QVariant &area);
    void addArea(const QString &name);
    QStringList areasOfHouses(const QString &sql, const AreaScope &scope);
};

void TestAreaScope::parseList_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QStringList>("names");

    QTest::newRow("empty") << QString() << true << QStringList();
    QTest::newRow("blanks only") << QStringLiteral("   ") << true << QStringList();
    QTest::newRow("one") << QStringLiteral("'A'") << true << QStringList{QStringLiteral("A")};
    QTest::newRow("two") << QStringLiteral("'A','B'") << true << QStringList{QStringLiteral("A"), QStringLiteral("B")};
    QTest::newRow("full-width comma and blanks")
        << QStringLiteral(" '阳光小区' ，  '绿洲花园' ") << true
        << QStringList{QStringLiteral("阳光小区"), QStringLiteral("绿洲花园")};
    QTest::newRow("doubled quote and comma inside")
        << QStringLiteral("'O''Brien','x,y'") << true << QStringList{QStringLiteral("O'Brien"), QStringLiteral("x,y")};
    QTest::newRow("empty literal") << QStringLiteral("''") << true << QStringList{QString()};
    QTest::newRow("unquoted") << QStringLiteral("A,B") << false << QStringList();
    QTest::newRow("unterminated") << QStringLiteral("'A','B") << false << QStringList();
    QTest::newRow("missing separator") << QStringLiteral("'A' 'B'") << false << QStringList();
    QTest::newRow("trailing separator") << QStringLiteral("'A',") << false << QStringList();
    QTest::newRow("injection") << QStringLiteral("'A'))Or((1=1") << false << QStringList();
    QTest::newRow("comment") << QStringLiteral("'A') --") << false << QStringList();
}

void TestAreaScope::parseList()
{
    QFETCH(QString, stored);
    QFETCH(bool, ok);
    QFETCH(QStringList, names);

    QStringList parsed{QStringLiteral("untouched")};
    QCOMPARE(AreaScope::parseList(stored, &parsed), ok);
    if (ok)
        QCOMPARE(parsed, names);
}

void TestAreaScope::formatListRoundTrip()
{
    const QStringList names{QStringLiteral("O'Brien"), QStringLiteral("x,y"), QStringLiteral("阳光'小区"),
                            QStringLiteral("''")};
    const QString stored = AreaScope::formatList(names);
    QCOMPARE(stored, QStringLiteral("'O''Brien','x,y','阳光''小区',''''''"));
    QStringList back;
    QVERIFY(AreaScope::parseList(stored, &back));
    QCOMPARE(back, names);
}

void TestAreaScope::flagDecidesRestriction()
{
    const AreaScope all = AreaScope::parse(0, QStringLiteral("'A'"));
    QVERIFY(!all.isRestricted());
    QVERIFY(all.clause().isEmpty());
    QVERIFY(all.nameClause().isEmpty());
    QVERIFY(all.binds().isEmpty());

    const AreaScope some = AreaScope::parse(1, QStringLiteral("'A','B'"));
    QVERIFY(some.isRestricted());
    QCOMPARE(some.names(), (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
    QCOMPARE(some.binds().size(), 2);
    QVERIFY(!some.clause(QStringLiteral("FY")).contains(QLatin1Char('\'') + QStringLiteral("A")));
    QVERIFY(some.clause(QStringLiteral("FY")).contains(QStringLiteral("FY.F_XQname")));
    QCOMPARE(some.clause(QStringLiteral("FY")), some.clause(QStringLiteral("FY.")));
}

void TestAreaScope::unparsableListSeesOnlyRowsWithoutArea()
{
    bool ok = true;
    const AreaScope scope = AreaScope::parse(1, QStringLiteral("'A')) or (1=1"), &ok);
    QVERIFY(!ok);
    QVERIFY(scope.isRestricted());
    QVERIFY(scope.names().isEmpty());
    QCOMPARE(scope.nameClause(), QStringLiteral(" and (1=0) "));
}

void TestAreaScope::addHouse(const QVariant &area)
{
    QSqlQuery q;
    QVERIFY(q.prepare(QStringLiteral("insert into T_FCinfo(F_XQname, F_code) values(:area, :code)")));
    q.bindValue(QStringLiteral(":area"), area);
    q.bindValue(QStringLiteral(":code"), QStringLiteral("101"));
    QVERIFY2(q.exec(), qPrintable(q.lastError().text()));
}

void TestAreaScope::addArea(const QString &name)
{
    QSqlQuery q;
    QVERIFY(q.prepare(QStringLiteral("insert into T_XQinfo(F_code, F_name) values(:code, :name)")));
    static int code = 0;
    q.bindValue(QStringLiteral(":code"), QString::number(++code));
    q.bindValue(QStringLiteral(":name"), name);
    QVERIFY2(q.exec(), qPrintable(q.lastError().text()));
}

QStringList TestAreaScope::areasOfHouses(const QString &sql, const AreaScope &scope)
{
    QSqlQuery q;
    if (!q.prepare(sql)) {
        qWarning("prepare failed: %s", qPrintable(q.lastError().text()));
        return {QStringLiteral("<prepare failed>")};
    }
    scope.bindTo(q);
    if (!q.exec()) {
        qWarning("exec failed: %s", qPrintable(q.lastError().text()));
        return {QStringLiteral("<exec failed>")};
    }
    QStringList found;
    while (q.next())
        found.append(q.value(0).isNull() ? QStringLiteral("<null>") : q.value(0).toString());
    found.sort();
    return found;
}

const QStringList kAreas{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("O'Brien"),
                         QStringLiteral("x,y"), QStringLiteral("阳光小区"), QStringLiteral("阳光小区二期")};

void TestAreaScope::clauseSelectsPermittedRows_data()
{
    QTest::addColumn<int>("flag");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("alias");
    QTest::addColumn<QStringList>("expected");

    const QStringList noArea{QString(), QStringLiteral("<null>")};
    QTest::newRow("all areas") << 0 << QString() << QString()
                               << (QStringList(kAreas) << noArea);
    QTest::newRow("two names") << 1 << QStringLiteral("'A','B'") << QString()
                               << (QStringList{QStringLiteral("A"), QStringLiteral("B")} << noArea);
    QTest::newRow("quotes and commas, with alias")
        << 1 << QStringLiteral("'O''Brien','x,y'") << QStringLiteral("g")
        << (QStringList{QStringLiteral("O'Brien"), QStringLiteral("x,y")} << noArea);
    QTest::newRow("letter case ignored") << 1 << QStringLiteral("'a','o''brien'") << QStringLiteral("g.")
                                         << (QStringList{QStringLiteral("A"), QStringLiteral("O'Brien")} << noArea);
    QTest::newRow("no prefix match") << 1 << QStringLiteral("'阳光小区'") << QString()
                                     << (QStringList{QStringLiteral("阳光小区")} << noArea);
    QTest::newRow("empty list") << 1 << QString() << QString() << noArea;
    QTest::newRow("unparsable list") << 1 << QStringLiteral("'A'))Or((1=1") << QStringLiteral("g") << noArea;
}

void TestAreaScope::clauseSelectsPermittedRows()
{
    QFETCH(int, flag);
    QFETCH(QString, stored);
    QFETCH(QString, alias);
    QFETCH(QStringList, expected);

    TestDatabase db;
    QVERIFY(db.isValid());
    for (const QString &area : kAreas)
        addHouse(area);
    addHouse(QString(""));
    addHouse(QVariant(QMetaType::fromType<QString>()));

    const AreaScope scope = AreaScope::parse(flag, stored);
    const QString from = alias.isEmpty() ? QStringLiteral("T_FCinfo") : QStringLiteral("T_FCinfo g");
    const QString column = alias.isEmpty() ? QStringLiteral("F_XQname") : QStringLiteral("g.F_XQname");
    const QString sql = QStringLiteral("select ") + column + QStringLiteral(" from ") + from
                        + QStringLiteral(" where (1=1) ") + scope.clause(alias) + QStringLiteral("order by 1");
    expected.sort();
    QCOMPARE(areasOfHouses(sql, scope), expected);
}

void TestAreaScope::nameClauseSelectsPermittedNames_data()
{
    QTest::addColumn<int>("flag");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("all areas") << 0 << QString() << kAreas;
    QTest::newRow("quotes and commas") << 1 << QStringLiteral("'O''Brien','x,y','D'")
                                       << QStringList{QStringLiteral("O'Brien"), QStringLiteral("x,y")};
    QTest::newRow("letter case ignored") << 1 << QStringLiteral("'b'") << QStringList{QStringLiteral("B")};
    QTest::newRow("empty list") << 1 << QString() << QStringList();
}

void TestAreaScope::nameClauseSelectsPermittedNames()
{
    QFETCH(int, flag);
    QFETCH(QString, stored);
    QFETCH(QStringList, expected);

    TestDatabase db;
    QVERIFY(db.isValid());
    for (const QString &area : kAreas)
        addArea(area);

    const AreaScope scope = AreaScope::parse(flag, stored);
    const QString sql = QStringLiteral("select f_name from T_XQinfo where (1=1) ") + scope.nameClause();
    expected.sort();
    QCOMPARE(areasOfHouses(sql, scope), expected);
}

// A statement may carry the scope more than once (a house list restricted by
// its own area and by the area table); the names are bound once for all.
void TestAreaScope::bothClausesInOneStatement()
{
    TestDatabase db;
    QVERIFY(db.isValid());
    for (const QString &area : kAreas) {
        addHouse(area);
        addArea(area);
    }
    addHouse(QStringLiteral("D"));
    const AreaScope scope = AreaScope::parse(1, QStringLiteral("'x,y','D','A'"));
    const QString sql = QStringLiteral("select h.F_XQname from T_FCinfo h where (1=1) ") + scope.clause(QStringLiteral("h"))
                        + QStringLiteral(" and h.F_XQname in (select x.F_name from T_XQinfo x where (1=1) ")
                        + scope.nameClause(QStringLiteral("x")) + QStringLiteral(")");
    QCOMPARE(areasOfHouses(sql, scope), (QStringList{QStringLiteral("A"), QStringLiteral("x,y")}));
}

VEL_DB_TEST_MAIN(TestAreaScope)
#include "tst_areascope.moc"
