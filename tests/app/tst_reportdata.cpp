// Reports and exports fed by real statements on both engines: field names in
// the engine's spelling, numbers, texts and dates as the driver returns them.

#include "app/gridexport.h"
#include "app/numberformat.h"
#include "app/report/reports.h"
#include "dbtestmain.h"
#include "testdatabase.h"
#include "xlsxsheet.h"

#include <QDate>
#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString pdfText(const QString &path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

bool exec(QSqlQuery &query)
{
    if (query.exec())
        return true;
    qWarning("%s", qPrintable(query.lastError().text()));
    return false;
}

}  // namespace

class TestReportData : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void areaListPrintsFromTheTable();
    void feeListPrintsFromTheTable();
    void exportKeepsTheTypesOfTheColumns();

private:
    void addArea(const QString &code, const QString &name, double buildings, int rooms, const QString &memo);
    void addFee(const QString &code, const QString &name, double price);

    TestDatabase *m_db = nullptr;
    QTemporaryDir m_dir;
};

void TestReportData::initTestCase()
{
    QVERIFY(m_dir.isValid());
    const QString source = qEnvironmentVariable("VELMORA_SOURCE_DIR");
    if (!source.isEmpty())
        setReportTemplateDir(source + QStringLiteral("/Qr"));
}

void TestReportData::init()
{
    m_db = new TestDatabase;
    QVERIFY(m_db->isValid());
}

void TestReportData::cleanup()
{
    delete m_db;
    m_db = nullptr;
}

void TestReportData::addArea(const QString &code, const QString &name, double buildings, int rooms,
                             const QString &memo)
{
    QSqlQuery q(m_db->db());
    q.prepare(QStringLiteral("insert into T_XQinfo(F_code, F_name, F_address, F_LDamount, F_FJamount, F_mem1) "
                             "values(:code, :name, :address, :ld, :fj, :mem1)"));
    q.bindValue(QStringLiteral(":code"), code);
    q.bindValue(QStringLiteral(":name"), name);
    q.bindValue(QStringLiteral(":address"), QStringLiteral("%1路").arg(name));
    q.bindValue(QStringLiteral(":ld"), buildings);
    q.bindValue(QStringLiteral(":fj"), rooms);
    q.bindValue(QStringLiteral(":mem1"), memo);
    QVERIFY(exec(q));
}

void TestReportData::addFee(const QString &code, const QString &name, double price)
{
    QSqlQuery q(m_db->db());
    q.prepare(QStringLiteral("insert into T_FYinfo(F_code, F_name, F_SFtype, F_SFprice, F_SFcycle, F_XQname) "
                             "values(:code, :name, :type, :price, :cycle, :area)"));
    q.bindValue(QStringLiteral(":code"), code);
    q.bindValue(QStringLiteral(":name"), name);
    q.bindValue(QStringLiteral(":type"), QStringLiteral("按面积"));
    q.bindValue(QStringLiteral(":price"), price);
    q.bindValue(QStringLiteral(":cycle"), QStringLiteral("月"));
    q.bindValue(QStringLiteral(":area"), QStringLiteral("阳光小区"));
    QVERIFY(exec(q));
}

void TestReportData::areaListPrintsFromTheTable()
{
    addArea(QStringLiteral("002"), QStringLiteral("翠湖花园"), 6, 144, QStringLiteral("二期在建"));
    addArea(QStringLiteral("001"), QStringLiteral("阳光小区"), 12.5, 480, QString());
    QSqlQueryModel model;
    model.setQuery(QStringLiteral("select * from T_XQinfo order by F_code"), m_db->db());
    QVERIFY(!model.lastError().isValid());

    ReportData data;
    data.master = &model;
    const QString pdf = m_dir.filePath(QStringLiteral("areas-%1.pdf").arg(TestDatabase::engineName()));
    QVERIFY(RenderReportToPdf(QStringLiteral("frXQinfoGL"), data, pdf));
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed: PDF text not checked");
    const QString text = pdfText(pdf);
    const QStringList lines = text.split(QLatin1Char('\n'));
    int sunny = -1;
    int lake = -1;
    for (int i = 0; i < lines.size(); ++i) {
        if (lines.at(i).contains(QStringLiteral("阳光小区")))
            sunny = i;
        if (lines.at(i).contains(QStringLiteral("翠湖花园")))
            lake = i;
    }
    QVERIFY2(sunny >= 0 && lake > sunny, qPrintable(text));
    QVERIFY2(lines.at(sunny).contains(QStringLiteral("12.5")) && lines.at(sunny).contains(QStringLiteral("480")),
             qPrintable(lines.at(sunny)));
    QVERIFY2(lines.at(lake).contains(QStringLiteral("二期在建")), qPrintable(lines.at(lake)));
    // The summary adds the counts of both areas.
    QVERIFY2(text.contains(QStringLiteral("18.5")) && text.contains(QStringLiteral("624")), qPrintable(text));
}

void TestReportData::feeListPrintsFromTheTable()
{
    addFee(QStringLiteral("001"), QStringLiteral("物业管理费"), 1.2);
    addFee(QStringLiteral("002"), QStringLiteral("电梯费"), 1234.5678);
    QSqlQueryModel model;
    model.setQuery(QStringLiteral("select * from T_FYinfo order by F_code"), m_db->db());
    ReportData data;
    data.master = &model;
    const QString pdf = m_dir.filePath(QStringLiteral("fees-%1.pdf").arg(TestDatabase::engineName()));
    QVERIFY(RenderReportToPdf(QStringLiteral("frFYinfoGL"), data, pdf));
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed: PDF text not checked");
    const QString text = pdfText(pdf);
    for (const QString &piece : {QStringLiteral("物业管理费"), QStringLiteral("￥1.20"), QStringLiteral("电梯费"),
                                 QStringLiteral("￥1,234.5678"), QStringLiteral("按面积"),
                                 QStringLiteral("共 2 个费用项目")})
        QVERIFY2(text.contains(piece), qPrintable(piece + QStringLiteral(" not in:\n") + text));
}

void TestReportData::exportKeepsTheTypesOfTheColumns()
{
    if (QStandardPaths::findExecutable(QStringLiteral("unzip")).isEmpty())
        QSKIP("unzip is not installed: the workbook cannot be read back");
    QSqlQuery q(m_db->db());
    q.prepare(QStringLiteral("insert into T_wyFYrec(F_FZcode, F_SFname, F_SFdate, F_editDate, F_amount, F_totalPrice) "
                             "values(:code, :name, :sfdate, :edit, :amount, :total)"));
    q.bindValue(QStringLiteral(":code"), QStringLiteral("0101"));
    q.bindValue(QStringLiteral(":name"), QStringLiteral("水费"));
    q.bindValue(QStringLiteral(":sfdate"), QDate(1900, 8, 14));
    q.bindValue(QStringLiteral(":edit"), QDate(2024, 3, 5));
    q.bindValue(QStringLiteral(":amount"), 12.5);
    q.bindValue(QStringLiteral(":total"), 37.5);
    QVERIFY(exec(q));

    QSqlQuery select(m_db->db());
    QVERIFY(select.exec(QStringLiteral("select F_FZcode, F_SFname, F_SFdate, F_editDate, F_amount, F_totalPrice "
                                       "from T_wyFYrec")));
    GridSnapshot grid;
    const QStringList formats{QString(), QString(), QString(), QStringLiteral("yyyy-mm-dd"), QString(),
                              QStringLiteral("￥,0.00")};
    for (int c = 0; c < formats.size(); ++c) {
        GridSnapshotColumn column;
        column.fieldName = select.record().fieldName(c);
        column.caption = column.fieldName;
        column.displayFormat = formats.at(c);
        grid.columns << column;
    }
    while (select.next()) {
        QList<QVariant> row;
        for (int c = 0; c < formats.size(); ++c)
            row << select.value(c);
        grid.rows << row;
    }
    QCOMPARE(grid.rows.size(), 1);

    const QString path = m_dir.filePath(QStringLiteral("fees-%1.xlsx").arg(TestDatabase::engineName()));
    QString error;
    QVERIFY2(WriteGridXlsx(grid, QStringLiteral("物业应交费用统计列表"), path, &error), qPrintable(error));
    XlsxSheet sheet;
    QVERIFY2(sheet.load(path, &error), qPrintable(error));
    QVERIFY(sheet.cell(QStringLiteral("A2")).isString);
    QCOMPARE(sheet.text(QStringLiteral("A2")), QStringLiteral("0101"));
    QCOMPARE(sheet.text(QStringLiteral("B2")), QStringLiteral("水费"));
    QVERIFY(!sheet.has(QStringLiteral("C2")));   // the empty-date marker
    QCOMPARE(sheet.cell(QStringLiteral("D2")).number, 45356.0);
    QCOMPARE(sheet.cell(QStringLiteral("D2")).numFmt, QStringLiteral("yyyy-mm-dd"));
    QVERIFY(!sheet.cell(QStringLiteral("E2")).isString);
    QCOMPARE(sheet.cell(QStringLiteral("E2")).number, 12.5);
    QVERIFY(!sheet.cell(QStringLiteral("F2")).isString);
    QCOMPARE(sheet.cell(QStringLiteral("F2")).number, 37.5);
    QCOMPARE(sheet.cell(QStringLiteral("F2")).numFmt, NumberFormat::toExcel(QStringLiteral("￥,0.00")));
}

VEL_DB_TEST_MAIN(TestReportData)
#include "tst_reportdata.moc"
