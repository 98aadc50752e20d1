#include "app/codenumbering.h"

#include "dbtestmain.h"

#include <QSqlQuery>

// Proposals of record codes and receipt numbers: the arithmetic on its own,
// then the choice of the largest stored code in real tables.
class TestCodeNumbering : public QObject {
    Q_OBJECT
private slots:
    void nextAfter_data();
    void nextAfter();
    void nextCode_data();
    void nextCode();
    void nextCodeWithCondition();
    void nextBillNo_data();
    void nextBillNo();
    void failuresReachTheCaller();

private:
    static void insertCodes(const QString &table, const QStringList &codes);
};

void TestCodeNumbering::insertCodes(const QString &table, const QStringList &codes)
{
    QSqlQuery q;
    QVERIFY(q.prepare(QStringLiteral("insert into ") + table + QStringLiteral("(F_code) values(:code)")));
    for (const QString &code : codes) {
        q.bindValue(QStringLiteral(":code"), code == QLatin1String("<null>") ? QVariant() : QVariant(code));
        QVERIFY2(q.exec(), qPrintable(code));
    }
}

void TestCodeNumbering::nextAfter_data()
{
    QTest::addColumn<QString>("largest");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("prefixLength");
    QTest::addColumn<QString>("expected");

    QTest::newRow("nothing stored") << QString() << 3 << -1 << QStringLiteral("001");
    QTest::newRow("nothing stored, width 8") << QString() << 8 << -1 << QStringLiteral("00000001");
    QTest::newRow("keeps leading zeros") << QStringLiteral("007") << 3 << -1 << QStringLiteral("008");
    QTest::newRow("carries") << QStringLiteral("009") << 3 << -1 << QStringLiteral("010");
    QTest::newRow("carries twice") << QStringLiteral("099") << 3 << -1 << QStringLiteral("100");
    QTest::newRow("grows past 999") << QStringLiteral("999") << 3 << -1 << QStringLiteral("1000");
    QTest::newRow("after the growth") << QStringLiteral("1000") << 3 << -1 << QStringLiteral("1001");
    QTest::newRow("prefix kept") << QStringLiteral("FY005") << 3 << -1 << QStringLiteral("FY006");
    QTest::newRow("prefix kept on growth") << QStringLiteral("FY999") << 3 << -1 << QStringLiteral("FY1000");
    QTest::newRow("digits before the tail carry") << QStringLiteral("1999") << 3 << -1 << QStringLiteral("2000");
    QTest::newRow("carry lengthens the number") << QStringLiteral("9999") << 3 << -1 << QStringLiteral("10000");
    QTest::newRow("carry stops at a letter") << QStringLiteral("X1999") << 3 << -1 << QStringLiteral("X2000");
    QTest::newRow("shorter than the width") << QStringLiteral("12") << 3 << -1 << QStringLiteral("13");
    QTest::newRow("width 2 behind a letter") << QStringLiteral("A12") << 2 << -1 << QStringLiteral("A13");
    QTest::newRow("letter in the tail") << QStringLiteral("A12") << 3 << -1 << QString();
    QTest::newRow("letter at the end") << QStringLiteral("A1B") << 3 << -1 << QString();
    QTest::newRow("full-width digits are no digits") << QStringLiteral("00１") << 3 << -1 << QString();
    QTest::newRow("known prefix, serial 1000") << QStringLiteral("202401011000") << 3 << 8
                                               << QStringLiteral("202401011001");
    QTest::newRow("known prefix, serial 1999") << QStringLiteral("202401011999") << 3 << 8
                                               << QStringLiteral("202401012000");
    QTest::newRow("longer than any integer") << QStringLiteral("12345678901234567899") << 3 << 0
                                             << QStringLiteral("12345678901234567900");
}

void TestCodeNumbering::nextAfter()
{
    QFETCH(QString, largest);
    QFETCH(int, width);
    QFETCH(int, prefixLength);
    QFETCH(QString, expected);
    QCOMPARE(CodeNumbering::nextAfter(largest, width, prefixLength), expected);
}

void TestCodeNumbering::nextCode_data()
{
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("expected");

    QTest::newRow("empty table") << QStringList() << 3 << QStringLiteral("001");
    QTest::newRow("009") << QStringList{QStringLiteral("001"), QStringLiteral("009")} << 3 << QStringLiteral("010");
    QTest::newRow("999 grows") << QStringList{QStringLiteral("998"), QStringLiteral("999")} << 3
                               << QStringLiteral("1000");
    QTest::newRow("1000 is larger than 999")
        << QStringList{QStringLiteral("999"), QStringLiteral("1000"), QStringLiteral("998")} << 3
        << QStringLiteral("1001");
    QTest::newRow("letter tail does not block")
        << QStringList{QStringLiteral("005"), QStringLiteral("A1B"), QStringLiteral("ZZZ")} << 3
        << QStringLiteral("006");
    QTest::newRow("only letter tails") << QStringList{QStringLiteral("A1B")} << 3 << QStringLiteral("001");
    QTest::newRow("width 2") << QStringList{QStringLiteral("A12")} << 2 << QStringLiteral("A13");
    QTest::newRow("too short a tail for width 3") << QStringList{QStringLiteral("A12")} << 3 << QStringLiteral("001");
    QTest::newRow("prefix kept") << QStringList{QStringLiteral("FY005")} << 3 << QStringLiteral("FY006");
    QTest::newRow("blank and null ignored")
        << QStringList{QString(), QStringLiteral("<null>"), QStringLiteral("003")} << 3 << QStringLiteral("004");
    QTest::newRow("width 8") << QStringList{QStringLiteral("00000041")} << 8 << QStringLiteral("00000042");
}

void TestCodeNumbering::nextCode()
{
    QFETCH(QStringList, stored);
    QFETCH(int, width);
    QFETCH(QString, expected);
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    insertCodes(QStringLiteral("T_XQinfo"), stored);

    const CodeProposal p = CodeNumbering::nextCode(tdb.db(), QStringLiteral("T_XQinfo"), width);
    QVERIFY2(p.ok, qPrintable(p.error));
    QCOMPARE(p.code, expected);
}

void TestCodeNumbering::nextCodeWithCondition()
{
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    QSqlQuery q;
    QVERIFY(q.prepare(QStringLiteral("insert into T_PJinfo(F_code, F_XQname) values(:code, :area)")));
    const QList<QPair<QString, QString>> rows = {
        {QStringLiteral("001"), QStringLiteral("东区")},
        {QStringLiteral("002"), QStringLiteral("东区")},
        {QStringLiteral("009"), QStringLiteral("西区")},
    };
    for (const auto &row : rows) {
        q.bindValue(QStringLiteral(":code"), row.first);
        q.bindValue(QStringLiteral(":area"), row.second);
        QVERIFY(q.exec());
    }
    const CodeProposal east = CodeNumbering::nextCode(tdb.db(), QStringLiteral("T_PJinfo"), 3,
                                                      QStringLiteral("F_code"), QStringLiteral("F_XQname = :area"),
                                                      {{QStringLiteral("area"), QStringLiteral("东区")}});
    QVERIFY2(east.ok, qPrintable(east.error));
    QCOMPARE(east.code, QStringLiteral("003"));

    // A value that looks like SQL stays a value.
    const CodeProposal none = CodeNumbering::nextCode(tdb.db(), QStringLiteral("T_PJinfo"), 3,
                                                      QStringLiteral("F_code"), QStringLiteral("F_XQname = :area"),
                                                      {{QStringLiteral(":area"), QStringLiteral("x' or '1'='1")}});
    QVERIFY2(none.ok, qPrintable(none.error));
    QCOMPARE(none.code, QStringLiteral("001"));
}

void TestCodeNumbering::nextBillNo_data()
{
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("expected");

    QTest::newRow("day without payments")
        << QStringList{QStringLiteral("20231231999"), QStringLiteral("20240102005")} << QString()
        << QStringLiteral("20240101001");
    QTest::newRow("after 007") << QStringList{QStringLiteral("20240101001"), QStringLiteral("20240101007")}
                               << QString() << QStringLiteral("20240101008");
    QTest::newRow("after 999") << QStringList{QStringLiteral("20240101998"), QStringLiteral("20240101999")}
                               << QString() << QStringLiteral("202401011000");
    QTest::newRow("after 1000") << QStringList{QStringLiteral("20240101999"), QStringLiteral("202401011000")}
                                << QString() << QStringLiteral("202401011001");
    QTest::newRow("after 1999") << QStringList{QStringLiteral("202401011999"), QStringLiteral("20240101999")}
                                << QString() << QStringLiteral("202401012000");
    QTest::newRow("other days ignored")
        << QStringList{QStringLiteral("20240101003"), QStringLiteral("20240102009"), QStringLiteral("2024010199")}
        << QString() << QStringLiteral("20240101004");
    QTest::newRow("hand-typed text after the day ignored")
        << QStringList{QStringLiteral("20240101002"), QStringLiteral("20240101X999")} << QString()
        << QStringLiteral("20240101003");
    QTest::newRow("with a prefix") << QStringList{QStringLiteral("S20240101004"), QStringLiteral("20240101010")}
                                   << QStringLiteral("S") << QStringLiteral("S20240101005");
    QTest::newRow("wildcards in the prefix match literally")
        << QStringList{QStringLiteral("X20240101050"), QStringLiteral("AB20240101060")} << QStringLiteral("_")
        << QStringLiteral("_20240101001");
    QTest::newRow("percent in the prefix") << QStringList{QStringLiteral("AB20240101060")} << QStringLiteral("%")
                                           << QStringLiteral("%20240101001");
}

void TestCodeNumbering::nextBillNo()
{
    QFETCH(QStringList, stored);
    QFETCH(QString, prefix);
    QFETCH(QString, expected);
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    insertCodes(QStringLiteral("T_wyFKrec"), stored);

    const CodeProposal p = CodeNumbering::nextBillNo(tdb.db(), prefix, QDate(2024, 1, 1));
    QVERIFY2(p.ok, qPrintable(p.error));
    QCOMPARE(p.code, expected);
}

void TestCodeNumbering::failuresReachTheCaller()
{
    TestDatabase tdb;
    QVERIFY(tdb.isValid());

    const CodeProposal missing = CodeNumbering::nextCode(tdb.db(), QStringLiteral("T_noSuchTable"), 3);
    QVERIFY(!missing);
    QVERIFY(missing.code.isEmpty());
    QVERIFY(!missing.error.isEmpty());

    const CodeProposal injected = CodeNumbering::nextCode(tdb.db(), QStringLiteral("T_XQinfo; delete from sysInfo"), 3);
    QVERIFY(!injected);
    QVERIFY(!injected.error.isEmpty());

    const CodeProposal badColumn = CodeNumbering::nextCode(tdb.db(), QStringLiteral("T_XQinfo"), 3,
                                                           QStringLiteral("F_noSuchColumn"));
    QVERIFY(!badColumn);

    const CodeProposal bill = CodeNumbering::nextBillNo(tdb.db(), QString(), QDate(2024, 1, 1), 3,
                                                        QStringLiteral("T_noSuchTable"));
    QVERIFY(!bill);
    QVERIFY(!bill.error.isEmpty());
}

VEL_DB_TEST_MAIN(TestCodeNumbering)
#include "tst_codenumbering.moc"
