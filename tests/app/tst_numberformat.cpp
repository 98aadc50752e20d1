#include "app/numberformat.h"

#include <QtTest>

// The number-format notation as grids, inputs and printouts use it, and its
// translation into spreadsheet number formats.
class TestNumberFormat : public QObject {
    Q_OBJECT
private slots:
    void format_data();
    void format();
    void builtFormats_data();
    void builtFormats();
    void excel_data();
    void excel();
};

void TestNumberFormat::format_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("expected");

    const QString price2 = QStringLiteral("￥,0.00");
    QTest::newRow("price with thousands") << 1234.5 << price2 << QStringLiteral("￥1,234.50");
    QTest::newRow("price millions") << 1234567.891 << price2 << QStringLiteral("￥1,234,567.89");
    QTest::newRow("price below one") << 0.5 << price2 << QStringLiteral("￥0.50");
    QTest::newRow("price zero") << 0.0 << price2 << QStringLiteral("￥0.00");
    QTest::newRow("price negative") << -1234.5 << price2 << QStringLiteral("-￥1,234.50");
    QTest::newRow("price rounds half up") << 2.675 << price2 << QStringLiteral("￥2.68");
    QTest::newRow("price carry into thousands") << 999.999 << price2 << QStringLiteral("￥1,000.00");
    QTest::newRow("price no decimals") << 1234.5 << QStringLiteral("￥,0.") << QStringLiteral("￥1,235");
    QTest::newRow("price optional decimals shown") << 1.2345 << QStringLiteral("￥,0.00##")
                                                   << QStringLiteral("￥1.2345");
    QTest::newRow("price optional decimals trimmed") << 1.2 << QStringLiteral("￥,0.00##")
                                                     << QStringLiteral("￥1.20");

    QTest::newRow("amount whole") << 12.0 << QStringLiteral("0.##") << QStringLiteral("12");
    QTest::newRow("amount decimals") << 12.345 << QStringLiteral("0.##") << QStringLiteral("12.35");
    QTest::newRow("amount one decimal") << 12.5 << QStringLiteral("0.##") << QStringLiteral("12.5");
    QTest::newRow("amount zero") << 0.0 << QStringLiteral("0.##") << QStringLiteral("0");
    QTest::newRow("amount no decimals") << 7.6 << QStringLiteral("0.") << QStringLiteral("8");
    QTest::newRow("amount tiny negative is zero") << -0.001 << QStringLiteral("0.##") << QStringLiteral("0");
    QTest::newRow("no thousands without comma") << 1234567.0 << QStringLiteral("0") << QStringLiteral("1234567");

    QTest::newRow("hash hides a zero") << 0.25 << QStringLiteral("#.##") << QStringLiteral(".25");
    QTest::newRow("leading zeros") << 7.0 << QStringLiteral("000") << QStringLiteral("007");
    QTest::newRow("point only format") << 12.5 << QStringLiteral(".00") << QStringLiteral("12.50");
    QTest::newRow("literal after") << 3.5 << QStringLiteral("0.0 元") << QStringLiteral("3.5 元");
    QTest::newRow("quoted literal") << 3.0 << QStringLiteral("\"No.\"0") << QStringLiteral("No.3");
    QTest::newRow("quoted separators are text") << 3.0 << QStringLiteral("0\";.,\"") << QStringLiteral("3;.,");

    QTest::newRow("negative section") << -5.25 << QStringLiteral("0.00;(0.00)") << QStringLiteral("(5.25)");
    QTest::newRow("negative section unused") << 5.25 << QStringLiteral("0.00;(0.00)") << QStringLiteral("5.25");
    QTest::newRow("empty negative section") << -5.0 << QStringLiteral("0.0;") << QStringLiteral("-5.0");
    QTest::newRow("zero section") << 0.0 << QStringLiteral("0.00;-0.00;无") << QStringLiteral("无");
    QTest::newRow("empty format") << 2.5 << QString() << QStringLiteral("2.5");
    QTest::newRow("large value") << 123456789012.0 << price2 << QStringLiteral("￥123,456,789,012.00");
}

void TestNumberFormat::format()
{
    QFETCH(double, value);
    QFETCH(QString, format);
    QFETCH(QString, expected);
    QCOMPARE(formatNumber(value, format), expected);
}

void TestNumberFormat::builtFormats_data()
{
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("money");

    QTest::newRow("0") << 0 << QStringLiteral("0.") << QStringLiteral("￥,0.");
    QTest::newRow("1") << 1 << QStringLiteral("0.#") << QStringLiteral("￥,0.0");
    QTest::newRow("2") << 2 << QStringLiteral("0.##") << QStringLiteral("￥,0.00");
    QTest::newRow("4") << 4 << QStringLiteral("0.####") << QStringLiteral("￥,0.00##");
}

void TestNumberFormat::builtFormats()
{
    QFETCH(int, decimals);
    QFETCH(QString, amount);
    QFETCH(QString, money);
    QCOMPARE(NumberFormat::amountFormat(decimals), amount);
    QCOMPARE(NumberFormat::moneyFormat(decimals), money);
}

void TestNumberFormat::excel_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("expected");

    QTest::newRow("price") << QStringLiteral("￥,0.00") << QStringLiteral("\"￥\"#,##0.00");
    QTest::newRow("price optional") << QStringLiteral("￥,0.00##") << QStringLiteral("\"￥\"#,##0.00##");
    QTest::newRow("price no decimals") << QStringLiteral("￥,0.") << QStringLiteral("\"￥\"#,##0");
    QTest::newRow("amount") << QStringLiteral("0.##") << QStringLiteral("0.##");
    QTest::newRow("amount no decimals") << QStringLiteral("0.") << QStringLiteral("0");
    QTest::newRow("grouping written out") << QStringLiteral("#,##0.00") << QStringLiteral("#,##0.00");
    QTest::newRow("sections") << QStringLiteral("0.00;(0.00)") << QStringLiteral("0.00;\"(\"0.00\")\"");
    QTest::newRow("literal with quote") << QStringLiteral("0'\"'") << QStringLiteral("0\\\"");
    QTest::newRow("date stays") << QStringLiteral("yyyy-mm-dd") << QStringLiteral("yyyy-mm-dd");
    QTest::newRow("empty") << QString() << QStringLiteral("General");
}

void TestNumberFormat::excel()
{
    QFETCH(QString, format);
    QFETCH(QString, expected);
    QCOMPARE(NumberFormat::toExcel(format), expected);
}

QTEST_GUILESS_MAIN(TestNumberFormat)
#include "tst_numberformat.moc"
