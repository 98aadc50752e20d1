// Grid export: the workbook's content read back from the .xlsx file, and what
// the user sees when no program can open it.

#include "app/gridexport.h"
#include "app/numberformat.h"
#include "scriptedmessages.h"
#include "xlsxsheet.h"

#include <QDate>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

GridSnapshotColumn column(const QString &field, const QString &caption, const QString &format = QString(),
                          bool visible = true)
{
    GridSnapshotColumn c;
    c.fieldName = field;
    c.caption = caption;
    c.displayFormat = format;
    c.visible = visible;
    return c;
}

// The payable-fee kind of grid: codes, a hidden memo, money, counts and dates.
GridSnapshot feeGrid()
{
    GridSnapshot grid;
    grid.columns << column(QStringLiteral("F_code"), QStringLiteral("编号"))
                 << column(QStringLiteral("F_name"), QStringLiteral("名称"))
                 << column(QStringLiteral("F_memo1"), QStringLiteral("备注"), QString(), false)
                 << column(QStringLiteral("F_totalPrice"), QStringLiteral("应交费用"), QStringLiteral("￥,0.00"))
                 << column(QStringLiteral("F_amount"), QStringLiteral("数量"))
                 << column(QStringLiteral("F_JFdate"), QStringLiteral("交费日期"))
                 << column(QStringLiteral("F_editDate"), QStringLiteral("录入日期"), QStringLiteral("yyyy-mm-dd"));
    grid.rows << QList<QVariant>{QStringLiteral("001"), QStringLiteral("水费"), QStringLiteral("隐藏列的内容"),
                                 1234.5, 12, QStringLiteral("1900-08-14"), QDate(2024, 3, 5)}
              << QList<QVariant>{QStringLiteral("002"), QStringLiteral("=SUM(A1:A9)"), QVariant(),
                                 QStringLiteral("88.125"), 0.25, QDate(1900, 8, 14), QStringLiteral("2024-03-06")}
              << QList<QVariant>{QStringLiteral("003"), QStringLiteral("  带空格 "), QString(), -7.0,
                                 QStringLiteral("abc"), QStringLiteral("2024-01-31"), QVariant()};
    return grid;
}

bool haveUnzip()
{
    return !QStandardPaths::findExecutable(QStringLiteral("unzip")).isEmpty();
}

}  // namespace

class TestGridExport : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void titlesAndValuesReadBack();
    void sheetNameFollowsTheTitle_data();
    void sheetNameFollowsTheTitle();
    void emptyGridKeepsItsTitles();
    void unwritablePathFails();

    void visibleExportOpensTheWorkbook();
    void noProgramToOpenItShowsTheErrorBox();
    void invisibleExportOpensNothing();

private:
    QTemporaryDir m_dir;
    QStringList m_opened;
    bool m_openResult = true;
    DocumentOpener m_previous;
};

void TestGridExport::init()
{
    m_opened.clear();
    m_openResult = true;
    m_previous = setDocumentOpener([this](const QString &path) {
        m_opened << path;
        return m_openResult;
    });
    if (!haveUnzip())
        QSKIP("unzip is not installed: the workbook cannot be read back");
}

void TestGridExport::cleanup()
{
    setDocumentOpener(m_previous);
}

void TestGridExport::titlesAndValuesReadBack()
{
    const QString path = m_dir.filePath(QStringLiteral("fees.xlsx"));
    QString error;
    QVERIFY2(WriteGridXlsx(feeGrid(), QStringLiteral("费用项目管理"), path, &error), qPrintable(error));
    XlsxSheet sheet;
    QVERIFY2(sheet.load(path, &error), qPrintable(error));

    QCOMPARE(sheet.sheetName(), QStringLiteral("费用项目管理"));
    // Titles of every column, the hidden one included, in grid order.
    const QStringList titles{QStringLiteral("编号"), QStringLiteral("名称"), QStringLiteral("备注"),
                             QStringLiteral("应交费用"), QStringLiteral("数量"), QStringLiteral("交费日期"),
                             QStringLiteral("录入日期")};
    for (int c = 0; c < titles.size(); ++c)
        QCOMPARE(sheet.text(QChar('A' + c) + QStringLiteral("1")), titles.at(c));
    QCOMPARE(sheet.maxRow(), 4);

    // Codes stay texts with their leading zeros.
    QVERIFY(sheet.cell(QStringLiteral("A2")).isString);
    QCOMPARE(sheet.text(QStringLiteral("A2")), QStringLiteral("001"));
    QCOMPARE(sheet.cell(QStringLiteral("A2")).numFmt, QStringLiteral("@"));
    QCOMPARE(sheet.text(QStringLiteral("C2")), QStringLiteral("隐藏列的内容"));
    // A text that looks like a formula stays a text; blanks are kept.
    QVERIFY(sheet.cell(QStringLiteral("B3")).isString);
    QCOMPARE(sheet.text(QStringLiteral("B3")), QStringLiteral("=SUM(A1:A9)"));
    QCOMPARE(sheet.text(QStringLiteral("B4")), QStringLiteral("  带空格 "));
    QVERIFY(!sheet.has(QStringLiteral("C3")));

    // Money: numbers in the column's format, also when the value came as text.
    const QString money = NumberFormat::toExcel(QStringLiteral("￥,0.00"));
    for (const auto &[ref, value] : {std::pair{QStringLiteral("D2"), 1234.5}, std::pair{QStringLiteral("D3"), 88.125},
                                     std::pair{QStringLiteral("D4"), -7.0}}) {
        QVERIFY2(!sheet.cell(ref).isString, qPrintable(ref));
        QCOMPARE(sheet.cell(ref).number, value);
        QCOMPARE(sheet.cell(ref).numFmt, money);
    }
    // Numbers without a format stay numbers; a text in that column stays text.
    QVERIFY(!sheet.cell(QStringLiteral("E2")).isString);
    QCOMPARE(sheet.cell(QStringLiteral("E2")).number, 12.0);
    QCOMPARE(sheet.cell(QStringLiteral("E3")).number, 0.25);
    QCOMPARE(sheet.text(QStringLiteral("E4")), QStringLiteral("abc"));

    // The empty-date marker arrives as an empty cell, as text or as a date.
    QVERIFY(!sheet.has(QStringLiteral("F2")));
    QVERIFY(!sheet.has(QStringLiteral("F3")));
    QCOMPARE(sheet.text(QStringLiteral("F4")), QStringLiteral("2024-01-31"));

    // A date column with a date format holds real dates (serial numbers) in that format.
    QCOMPARE(sheet.cell(QStringLiteral("G2")).number, 45356.0);   // 2024-03-05
    QCOMPARE(sheet.cell(QStringLiteral("G3")).number, 45357.0);
    QCOMPARE(sheet.cell(QStringLiteral("G2")).numFmt, QStringLiteral("yyyy-mm-dd"));
    QVERIFY(!sheet.has(QStringLiteral("G4")));
}

void TestGridExport::sheetNameFollowsTheTitle_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("sheet");
    QTest::newRow("plain") << "住户报修统计列表" << "住户报修统计列表";
    QTest::newRow("forbidden characters") << "收支/统计[2024]:*?" << "收支_统计_2024____";
    QTest::newRow("too long") << QString(40, QChar(0x8D39)) << QString(31, QChar(0x8D39));
    QTest::newRow("empty") << "" << "Sheet1";
}

void TestGridExport::sheetNameFollowsTheTitle()
{
    QFETCH(QString, title);
    QFETCH(QString, sheet);
    const QString path = m_dir.filePath(QStringLiteral("named.xlsx"));
    QVERIFY(WriteGridXlsx(feeGrid(), title, path));
    XlsxSheet read;
    QString error;
    QVERIFY2(read.load(path, &error), qPrintable(error));
    QCOMPARE(read.sheetName(), sheet);
}

void TestGridExport::emptyGridKeepsItsTitles()
{
    GridSnapshot grid = feeGrid();
    grid.rows.clear();
    const QString path = m_dir.filePath(QStringLiteral("empty.xlsx"));
    QVERIFY(WriteGridXlsx(grid, QStringLiteral("空表"), path));
    XlsxSheet sheet;
    QString error;
    QVERIFY2(sheet.load(path, &error), qPrintable(error));
    QCOMPARE(sheet.maxRow(), 1);
    QCOMPARE(sheet.text(QStringLiteral("G1")), QStringLiteral("录入日期"));
}

void TestGridExport::unwritablePathFails()
{
    QString error;
    QVERIFY(!WriteGridXlsx(feeGrid(), QStringLiteral("x"), m_dir.filePath(QStringLiteral("no/such/dir/x.xlsx")), &error));
    QVERIFY(!error.isEmpty());
}

void TestGridExport::visibleExportOpensTheWorkbook()
{
    ScriptedMessages messages;
    QVERIFY(ExportToExcel(feeGrid(), QStringLiteral("费用项目管理"), true));
    QCOMPARE(messages.count(), 0);
    QCOMPARE(m_opened.size(), 1);
    QCOMPARE(m_opened.first(), lastExportPath());
    QVERIFY(lastExportPath().endsWith(QStringLiteral(".xlsx")));
    XlsxSheet sheet;
    QString error;
    QVERIFY2(sheet.load(lastExportPath(), &error), qPrintable(error));
    QCOMPARE(sheet.text(QStringLiteral("B2")), QStringLiteral("水费"));

    // A second export right away gets a file of its own.
    const QString first = lastExportPath();
    QVERIFY(ExportToExcel(feeGrid(), QStringLiteral("费用项目管理"), true));
    QVERIFY(lastExportPath() != first);
    QVERIFY(QFile::exists(first));
    QFile::remove(first);
    QFile::remove(lastExportPath());
}

void TestGridExport::noProgramToOpenItShowsTheErrorBox()
{
    ScriptedMessages messages;
    m_openResult = false;
    QVERIFY(!ExportToExcel(feeGrid(), QStringLiteral("费用项目管理"), true));
    QCOMPARE(m_opened.size(), 1);
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.last().caption, QStringLiteral("错误"));
    QCOMPARE(messages.last().text, QStringLiteral("系统中的MS Excel软件没有安装或安装不正确！"));
    QCOMPARE(messages.last().kind, int(MessError));
    QFile::remove(lastExportPath());
}

void TestGridExport::invisibleExportOpensNothing()
{
    ScriptedMessages messages;
    m_openResult = false;
    QVERIFY(ExportToExcel(feeGrid(), QStringLiteral("费用项目管理"), false));
    QVERIFY(m_opened.isEmpty());
    QCOMPARE(messages.count(), 0);
    QVERIFY(QFile::exists(lastExportPath()));
    QFile::remove(lastExportPath());
}

QTEST_MAIN(TestGridExport)
#include "tst_gridexport.moc"
