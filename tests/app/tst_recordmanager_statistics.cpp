#include "app/grid/gridview.h"
#include "app/recordmanager/statisticswindow.h"
#include "app/recordmanager/statuspanels.h"
#include "dbtestmain.h"
#include "recordmanagerfixture.h"
#include "scriptedmessages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>

using namespace fixture;

// The query-first variant: empty until "查询", criteria switched on by their
// tick boxes, the toolbar rule and the printed date range.
class TestStatisticsWindow : public QObject {
    Q_OBJECT

private slots:
    void opensEmptyWithTheToolbarOff();
    void criteria_data();
    void criteria();
    void keysAndPrinting();

private:
    static StatisticsWindowDef cleaningQuery()
    {
        StatisticsWindowDef d;
        d.className = QStringLiteral("TfrmTestBJTJ");
        d.caption = QStringLiteral("保洁统计");
        d.table = QStringLiteral("T_BJinfo");
        d.columns = {{QStringLiteral("F_code"), QStringLiteral("编号")},
                     {QStringLiteral("F_date"), QStringLiteral("日期")},
                     {QStringLiteral("F_FZRemp"), QStringLiteral("负责人")}};
        d.criteria = {
            {CriterionDef::DateFrom, QStringLiteral("自"), QStringLiteral("F_date"), QStringLiteral("dtpFrom"),
             ClauseBuilder::Match::Contains, {}, QStringLiteral("cbFrom")},
            {CriterionDef::DateTo, QStringLiteral("至"), QStringLiteral("F_date"), QStringLiteral("dtpTo"),
             ClauseBuilder::Match::Contains, {}, QStringLiteral("cbTo")},
            {CriterionDef::Text, QStringLiteral("编号："), QStringLiteral("F_code"), QStringLiteral("edtCode"),
             ClauseBuilder::Match::Prefix},
            {CriterionDef::Text, QStringLiteral("负责人："), QStringLiteral("F_FZRemp"), QStringLiteral("edtEmp"),
             ClauseBuilder::Match::Contains},
            {CriterionDef::CodeList, QStringLiteral("类型："), QStringLiteral("F_type"), QStringLiteral("cbbType"),
             ClauseBuilder::Match::Contains, QStringLiteral("bjtype")},
        };
        d.reports = {{QStringLiteral("打印格式一"), QStringLiteral("frTestBJTJ")},
                     {QStringLiteral("打印格式二"), QString()}};
        d.exportTitle = QStringLiteral("保洁统计");
        return d;
    }

    static void addCleaning(const QString &code, const QDate &date, const QString &emp, const QString &type)
    {
        QSqlQuery q;
        q.prepare(QStringLiteral("insert into T_BJinfo (F_code, F_date, F_FZRemp, F_type) values (:c, :d, :e, :t)"));
        q.bindValue(QStringLiteral(":c"), code);
        q.bindValue(QStringLiteral(":d"), date);
        q.bindValue(QStringLiteral(":e"), emp);
        q.bindValue(QStringLiteral(":t"), type);
        QVERIFY2(q.exec(), qPrintable(q.lastError().text()));
    }

    static QStringList codes(const StatisticsWindow &w)
    {
        QStringList out;
        for (int r = 0; r < w.grid()->rowCount(); ++r)
            out << w.grid()->value(r, QStringLiteral("F_code")).toString();
        return out;
    }
};

void TestStatisticsWindow::opensEmptyWithTheToolbarOff()
{
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    addCleaning(QStringLiteral("000001"), QDate::currentDate(), QStringLiteral("a"), QString());
    StatisticsWindow w(cleaningQuery());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.recordCount(), 0);
    for (const char *name : {"tbFirst", "tbPrior", "tbNext", "tbLast", "tbPrint", "tbSet", "tbExpert"})
        QVERIFY2(!enabled(&w, name), name);
    QVERIFY(enabled(&w, "tbQuery"));
    QVERIFY(enabled(&w, "tbExit"));
    const QDate today = QDate::currentDate();
    QCOMPARE(w.findChild<QDateEdit *>(QStringLiteral("dtpFrom"))->date(), QDate(today.year(), today.month(), 1));
    QCOMPARE(w.findChild<QDateEdit *>(QStringLiteral("dtpTo"))->date(), today);

    click(&w, "tbQuery");
    for (const char *name : {"tbFirst", "tbPrior", "tbNext", "tbLast", "tbPrint", "tbSet", "tbExpert"})
        QVERIFY2(enabled(&w, name), name);
    QCOMPARE(codes(w), QStringList{"000001"});
    QCOMPARE(w.statusPanels()->panelText(3), QStringLiteral("记录数/1"));
}

void TestStatisticsWindow::criteria_data()
{
    QTest::addColumn<bool>("fromTicked");
    QTest::addColumn<bool>("toTicked");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("emp");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QStringList>("expected");
    const QStringList all{"000001", "000002", "000003", "000004"};
    QTest::newRow("nothing ticked") << false << false << "" << "" << "" << all;
    QTest::newRow("from") << true << false << "" << "" << "" << QStringList{"000002", "000003", "000004"};
    QTest::newRow("to") << false << true << "" << "" << "" << QStringList{"000001", "000002", "000003"};
    QTest::newRow("between") << true << true << "" << "" << "" << QStringList{"000002", "000003"};
    QTest::newRow("code prefix") << false << false << "000003" << "" << "" << QStringList{"000003"};
    QTest::newRow("code is no contains") << false << false << "3" << "" << "" << QStringList{};
    QTest::newRow("employee contains, with a percent sign") << false << false << "" << "5%" << ""
                                                            << QStringList{"000004"};
    QTest::newRow("type") << false << false << "" << "" << "绿化" << QStringList{"000002"};
}

void TestStatisticsWindow::criteria()
{
    QFETCH(bool, fromTicked);
    QFETCH(bool, toTicked);
    QFETCH(QString, code);
    QFETCH(QString, emp);
    QFETCH(QString, type);
    QFETCH(QStringList, expected);
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    addCleaning(QStringLiteral("000001"), QDate(2024, 1, 31), QStringLiteral("王五"), QStringLiteral("保洁"));
    addCleaning(QStringLiteral("000002"), QDate(2024, 2, 1), QStringLiteral("李四"), QStringLiteral("绿化"));
    addCleaning(QStringLiteral("000003"), QDate(2024, 2, 29), QStringLiteral("张三"), QStringLiteral("保洁"));
    addCleaning(QStringLiteral("000004"), QDate(2024, 3, 1), QStringLiteral("55%组"), QStringLiteral("保洁"));
    StatisticsWindow w(cleaningQuery());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.findChild<QDateEdit *>(QStringLiteral("dtpFrom"))->setDate(QDate(2024, 2, 1));
    w.findChild<QDateEdit *>(QStringLiteral("dtpTo"))->setDate(QDate(2024, 2, 29));
    w.findChild<QCheckBox *>(QStringLiteral("cbFrom"))->setChecked(fromTicked);
    w.findChild<QCheckBox *>(QStringLiteral("cbTo"))->setChecked(toTicked);
    w.findChild<QLineEdit *>(QStringLiteral("edtCode"))->setText(code);
    w.findChild<QLineEdit *>(QStringLiteral("edtEmp"))->setText(emp);
    w.findChild<QComboBox *>(QStringLiteral("cbbType"))->setEditText(type);
    w.query();
    QCOMPARE(codes(w), expected);
}

void TestStatisticsWindow::keysAndPrinting()
{
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    ScriptedMessages messages;
    RecordedReports reports;
    addCleaning(QStringLiteral("000001"), QDate(2024, 1, 31), QStringLiteral("a"), QString());
    StatisticsWindow w(cleaningQuery());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.findChild<QDateEdit *>(QStringLiteral("dtpFrom"))->setDate(QDate(2024, 1, 1));
    w.findChild<QCheckBox *>(QStringLiteral("cbFrom"))->setChecked(true);
    auto *emp = w.findChild<QLineEdit *>(QStringLiteral("edtEmp"));
    emp->setFocus();
    QTest::keyClick(emp, Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(codes(w), QStringList{"000001"});

    click(&w, "tbPrint");
    w.findChild<QAction *>(QStringLiteral("tbPrintItem2"))->trigger();
    click(&w, "tbExpert");
    QCOMPARE(reports.calls.size(), 3);
    const QString range = QStringLiteral("统计日期：自 2024-01-01 至 记帐最后一天");
    QCOMPARE(reports.calls.at(0).name, QStringLiteral("frTestBJTJ"));
    QCOMPARE(reports.calls.at(0).variables.value(QStringLiteral("memDate")).toString(), range);
    QCOMPARE(reports.calls.at(1).what, QStringLiteral("grid"));
    QCOMPARE(reports.calls.at(1).name, QStringLiteral("保洁统计"));
    QCOMPARE(reports.calls.at(1).variables.value(QStringLiteral("header")).toString(), range);
    QCOMPARE(reports.calls.at(1).variables.value(QStringLiteral("footer")).toString(), QStringLiteral("date"));
    QCOMPARE(reports.calls.at(2).what, QStringLiteral("export"));

    QTest::keyClick(emp, Qt::Key_Escape);
    QVERIFY(!w.isVisible());
    QCOMPARE(messages.count(), 0);
}

VEL_DB_TEST_MAIN(TestStatisticsWindow)
#include "tst_recordmanager_statistics.moc"
