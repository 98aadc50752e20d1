#include "app/report/reportengine.h"
#include "app/report/reporttemplatefile.h"
#include "dbtestmain.h"
#include "estatefixture.h"

#include <QSqlQueryModel>

using namespace estatefixture;

// The report layouts shipped for the estate windows load and print their
// windows' rows.
class TestEstateTemplates : public QObject {
    Q_OBJECT

private slots:
    void templatePrintsTheRows_data();
    void templatePrintsTheRows();
};

void TestEstateTemplates::templatePrintsTheRows_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("title");
    QTest::newRow("house list") << "frFCinfoGL" << "T_FCinfo" << "房屋档案列表";
    QTest::newRow("house sheet") << "frFCinfoGL1" << "T_FCinfo" << "房屋档案详单";
    QTest::newRow("parking list") << "frCarPosGL" << "T_carPos" << "车位档案统计列表";
    QTest::newRow("parking sales") << "frCarPosGL1" << "T_carPos" << "车位销售租赁表格";
    QTest::newRow("facilities") << "frPublicSetGL" << "T_publicSet" << "小区公共设施列表";
    QTest::newRow("cleaning") << "frBJinfoGL" << "T_BJinfo" << "保洁绿化记录";
    QTest::newRow("patrol") << "frXLinfoGL" << "T_XLinfo" << "保安巡逻记录";
    QTest::newRow("suggestions") << "frYJinfoGL" << "T_YJinfo" << "建议意见记录";
}

void TestEstateTemplates::templatePrintsTheRows()
{
    QFETCH(QString, name);
    QFETCH(QString, table);
    QFETCH(QString, title);
    const QString source = qEnvironmentVariable("VELMORA_SOURCE_DIR");
    if (source.isEmpty())
        QSKIP("VELMORA_SOURCE_DIR is not set: run this test through ctest");
    const QString path = ReportTemplateFile::find(source + QStringLiteral("/Qr"), name);
    QVERIFY2(!path.isEmpty(), qPrintable(name));
    ReportTemplate report;
    QString error;
    QVERIFY2(ReportTemplateFile::load(path, &report, &error), qPrintable(error));

    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    for (int i = 1; i <= 3; ++i)
        QVERIFY(insertRow(table, {{QStringLiteral("F_code"), QStringLiteral("C%1").arg(i)},
                                  {QStringLiteral("F_XQname"), QStringLiteral("阳光小区")}}) > 0);
    QSqlQueryModel rows;
    rows.setQuery(QStringLiteral("select * from %1 order by F_code").arg(table), tdb.db());
    ReportData data;
    data.master = &rows;
    const ReportDocument document = ReportEngine::run(report, data);
    QVERIFY(document.pageCount() >= 1);
    const QString text = document.pageText(0);
    QVERIFY2(text.contains(title), qPrintable(text));
    for (int i = 1; i <= 3; ++i)
        QVERIFY2(text.contains(QStringLiteral("C%1").arg(i)), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("阳光小区")));
}

VEL_DB_TEST_MAIN(TestEstateTemplates)
#include "tst_estatetemplates.moc"
