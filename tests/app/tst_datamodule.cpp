#include "app/datamodule.h"

#include "dbtestmain.h"
#include "scriptedmessages.h"

#include <QComboBox>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QSqlQueryModel>

#include <optional>

// The shared data services: each operation's result, its report on a
// database error, and the values of the run it keeps.
class TestDataModule : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void errorIsReportedWithNeutralResult_data();
    void errorIsReportedWithNeutralResult();
    void writeAndReadBack();
    void lookupWithoutRowIsNotAnError();
    void deleteByIdRemovesOnlyThatRow();
    void deleteByIdRefusesATableNameWithSql();
    void openQueryFetchesEveryRow();
    void fillComboSkipsBlanksKeepsDuplicates();
    void fillComboKeepsCurrentText_data();
    void fillComboKeepsCurrentText();
    void fillCodeListIgnoresLetterCase();
    void hasPermission_data();
    void hasPermission();
    void buildDisplayFormatsFromSysInfo();
    void dateRangeCaption_data();
    void dateRangeCaption();
    void writeLogWritesOneRow();
    void writeLogFailsSilently();
    void codeProposalsUseTheSharedConnection();
    void newestModuleIsTheCurrentOne();

private:
    static bool exec(const QString &sql, const QVariantMap &binds = QVariantMap());

    std::optional<TestDatabase> m_db;
};

void TestDataModule::init()
{
    m_db.emplace();
    QVERIFY(m_db->isValid());
}

void TestDataModule::cleanup()
{
    m_db.reset();
}

bool TestDataModule::exec(const QString &sql, const QVariantMap &binds)
{
    QSqlQuery q;
    if (binds.isEmpty())
        return q.exec(sql);
    if (!q.prepare(sql))
        return false;
    for (auto it = binds.cbegin(); it != binds.cend(); ++it)
        q.bindValue(it.key(), it.value());
    return q.exec();
}

void TestDataModule::errorIsReportedWithNeutralResult_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("message");

    const QString failed = QStringLiteral("操作失败，请检查数据连接... ");
    QTest::newRow("DeleteByID") << "DeleteByID" << QStringLiteral("删除操作失败，请检查数据连接... ");
    QTest::newRow("RunSql") << "RunSql" << failed;
    QTest::newRow("LookupText") << "LookupText" << failed;
    QTest::newRow("LookupFloat") << "LookupFloat" << failed;
    QTest::newRow("LookupInt") << "LookupInt" << failed;
    QTest::newRow("HasPermission") << "HasPermission" << failed;
    QTest::newRow("OpenQuery model") << "OpenQueryModel" << QStringLiteral("打开操作失败，请检查数据连接... ");
    QTest::newRow("OpenQuery query") << "OpenQueryQuery" << QStringLiteral("打开操作失败，请检查数据连接... ");
    QTest::newRow("FillCombo") << "FillCombo" << failed;
}

void TestDataModule::errorIsReportedWithNeutralResult()
{
    QFETCH(QString, operation);
    QFETCH(QString, message);
    TdmData data;
    data.UseConnection(m_db->settings());
    data.SetCurrentOperator(QStringLiteral("admin"));
    ScriptedMessages messages;
    const QString missing = QStringLiteral("select F_code from T_noSuchTable where F_ID = :id");
    const QVariantMap binds{{QStringLiteral(":id"), 1}};

    if (operation == QLatin1String("DeleteByID")) {
        QCOMPARE(data.DeleteByID(QStringLiteral("T_noSuchTable"), 1), false);
    } else if (operation == QLatin1String("RunSql")) {
        QCOMPARE(data.RunSql(QStringLiteral("update T_noSuchTable set F_code = :id"), binds), false);
    } else if (operation == QLatin1String("LookupText")) {
        bool ok = true;
        QCOMPARE(data.LookupText(missing, binds, &ok), QString());
        QVERIFY(!ok);
    } else if (operation == QLatin1String("LookupFloat")) {
        QCOMPARE(data.LookupFloat(missing, binds), 0.0);
    } else if (operation == QLatin1String("LookupInt")) {
        bool ok = true;
        QCOMPARE(data.LookupInt(missing, binds, &ok), 0);
        QVERIFY(!ok);
    } else if (operation == QLatin1String("HasPermission")) {
        QVERIFY(exec(QStringLiteral("alter table OperLimit rename to OperLimitGone")));
        QCOMPARE(data.HasPermission(QStringLiteral("101")), false);
    } else if (operation == QLatin1String("OpenQueryModel")) {
        QSqlQueryModel model;
        QVERIFY(data.OpenQuery(&model, QStringLiteral("select F_Name from OperList")));
        QVERIFY(model.rowCount() > 0);
        messages.clear();
        QCOMPARE(data.OpenQuery(&model, missing, binds), false);
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(model.columnCount(), 0);
    } else if (operation == QLatin1String("OpenQueryQuery")) {
        QSqlQuery query;
        QCOMPARE(data.OpenQuery(query, missing, binds), false);
        QVERIFY(!query.isActive());
    } else if (operation == QLatin1String("FillCombo")) {
        QComboBox combo;
        combo.addItems({QStringLiteral("甲"), QStringLiteral("乙")});
        data.FillCombo(missing, binds, &combo);
        QCOMPARE(combo.count(), 2);
        QCOMPARE(combo.itemText(1), QStringLiteral("乙"));
    } else {
        QFAIL("unknown operation");
    }
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.last().text, message);
    QCOMPARE(messages.last().kind, int(MessError));
}

void TestDataModule::writeAndReadBack()
{
    TdmData data;
    ScriptedMessages messages;

    QVERIFY(data.RunSql(QStringLiteral("insert into OperList(F_Name, F_PassWord, F_Flag, F_XQflag) "
                                       "values(:name, :pass, :flag, 0)"),
                        {{QStringLiteral(":name"), QStringLiteral("O'Brien")},
                         {QStringLiteral("pass"), QStringLiteral("x'); delete from OperList; --")},
                         {QStringLiteral(":flag"), true}}));
    const QVariantMap who{{QStringLiteral(":name"), QStringLiteral("o'brien")}};
    QCOMPARE(data.LookupText(QStringLiteral("select F_PassWord from OperList where F_Name = :name"), who),
             QStringLiteral("x'); delete from OperList; --"));
    // A flag given as bool is stored as the number 1.
    QCOMPARE(data.LookupInt(QStringLiteral("select F_Flag from OperList where F_Name = :name"), who), 1);
    QVERIFY(data.LookupInt(QStringLiteral("select F_ID from OperList where F_Name = :name"), who) > 0);
    QVERIFY(data.LookupInt(QStringLiteral("select count(*) from OperList")) >= 2);

    QVERIFY(data.RunSql(QStringLiteral("update sysInfo set F_enrolPrice = :price"),
                        {{QStringLiteral(":price"), 1234.25}}));
    QCOMPARE(data.LookupFloat(QStringLiteral("select F_enrolPrice from sysInfo")), 1234.25);
    QCOMPARE(messages.count(), 0);
}

void TestDataModule::lookupWithoutRowIsNotAnError()
{
    TdmData data;
    ScriptedMessages messages;
    const QVariantMap nobody{{QStringLiteral(":name"), QStringLiteral("nobody")}};
    bool ok = false;

    QCOMPARE(data.LookupInt(QStringLiteral("select F_ID from OperList where F_Name = :name"), nobody, &ok), 0);
    QVERIFY(ok);
    QCOMPARE(data.LookupText(QStringLiteral("select F_Name from OperList where F_Name = :name"), nobody, &ok),
             QString());
    QVERIFY(ok);
    QCOMPARE(data.LookupFloat(QStringLiteral("select F_ID from OperList where F_Name = :name"), nobody), 0.0);
    // A null converts to empty text and 0.
    QVERIFY(data.RunSql(QStringLiteral("update sysInfo set F_fax = null, F_enrolPrice = null")));
    QCOMPARE(data.LookupText(QStringLiteral("select F_fax from sysInfo")), QString());
    QCOMPARE(data.LookupFloat(QStringLiteral("select F_enrolPrice from sysInfo")), 0.0);
    QCOMPARE(messages.count(), 0);
}

void TestDataModule::deleteByIdRemovesOnlyThatRow()
{
    TdmData data;
    ScriptedMessages messages;
    for (const QString &code : {QStringLiteral("001"), QStringLiteral("002"), QStringLiteral("003")})
        QVERIFY(exec(QStringLiteral("insert into T_XQinfo(F_code) values(:c)"), {{QStringLiteral(":c"), code}}));
    const int id = data.LookupInt(QStringLiteral("select F_ID from T_XQinfo where F_code = '002'"));
    QVERIFY(id > 0);

    QVERIFY(data.DeleteByID(QStringLiteral("T_XQinfo"), id));
    QCOMPARE(data.LookupInt(QStringLiteral("select count(*) from T_XQinfo")), 2);
    QCOMPARE(data.LookupInt(QStringLiteral("select count(*) from T_XQinfo where F_code = '002'")), 0);
    // Deleting a row that is gone already is no error.
    QVERIFY(data.DeleteByID(QStringLiteral("T_XQinfo"), id));
    QCOMPARE(messages.count(), 0);
}

void TestDataModule::deleteByIdRefusesATableNameWithSql()
{
    TdmData data;
    ScriptedMessages messages;
    QVERIFY(exec(QStringLiteral("insert into T_XQinfo(F_code) values('001')")));

    QCOMPARE(data.DeleteByID(QStringLiteral("T_XQinfo where 1=1 or F_ID"), 0), false);
    QCOMPARE(messages.last().text, QStringLiteral("删除操作失败，请检查数据连接... "));
    QCOMPARE(data.LookupInt(QStringLiteral("select count(*) from T_XQinfo")), 1);
}

void TestDataModule::openQueryFetchesEveryRow()
{
    TdmData data;
    ScriptedMessages messages;
    // More rows than a model fetches in one go.
    const int rows = 600;
    {
        QSqlQuery q;
        QVERIFY(q.exec(QStringLiteral("BEGIN")));
        QVERIFY(q.prepare(QStringLiteral("insert into t_code(F_type, F_name) values('bulk', :n)")));
        for (int i = 0; i < rows; ++i) {
            q.bindValue(QStringLiteral(":n"), QString::number(i));
            QVERIFY(q.exec());
        }
        QVERIFY(q.exec(QStringLiteral("COMMIT")));
    }
    QSqlQueryModel model;
    QVERIFY(data.OpenQuery(&model, QStringLiteral("select F_name from t_code where F_type = :t order by F_ID"),
                           {{QStringLiteral(":t"), QStringLiteral("BULK")}}));
    QCOMPARE(model.rowCount(), rows);
    QCOMPARE(model.data(model.index(rows - 1, 0)).toString(), QString::number(rows - 1));

    QSqlQuery query;
    QVERIFY(data.OpenQuery(query, QStringLiteral("select count(*) from t_code where F_type = :t"),
                           {{QStringLiteral(":t"), QStringLiteral("bulk")}}));
    QVERIFY(query.next());
    QCOMPARE(query.value(0).toInt(), rows);
    QCOMPARE(messages.count(), 0);
}

void TestDataModule::fillComboSkipsBlanksKeepsDuplicates()
{
    TdmData data;
    ScriptedMessages messages;
    const QStringList stored{QStringLiteral("砖混"), QStringLiteral("  "), QStringLiteral(" 框架"),
                             QString(), QStringLiteral("砖混"), QStringLiteral("钢结构 ")};
    for (const QString &name : stored)
        QVERIFY(exec(QStringLiteral("insert into t_code(F_type, F_name) values('testcat', :n)"),
                     {{QStringLiteral(":n"), name.isNull() ? QVariant() : QVariant(name)}}));
    QComboBox combo;
    combo.addItems({QStringLiteral("old")});

    data.FillCombo(QStringLiteral("select F_name from t_code where F_type = :t order by F_ID"),
                   {{QStringLiteral(":t"), QStringLiteral("testcat")}}, &combo);
    QStringList items;
    for (int i = 0; i < combo.count(); ++i)
        items << combo.itemText(i);
    QCOMPARE(items, (QStringList{QStringLiteral("砖混"), QStringLiteral(" 框架"), QStringLiteral("砖混"),
                                 QStringLiteral("钢结构 ")}));
    QCOMPARE(messages.count(), 0);
}

void TestDataModule::fillComboKeepsCurrentText_data()
{
    QTest::addColumn<bool>("editable");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("expected");

    QTest::newRow("editable, typed text") << true << QStringLiteral("自己输入") << QStringLiteral("自己输入");
    QTest::newRow("editable, empty") << true << QString() << QString();
    QTest::newRow("list, value in the list") << false << QStringLiteral("乙") << QStringLiteral("乙");
    QTest::newRow("list, nothing chosen") << false << QString() << QString();
}

void TestDataModule::fillComboKeepsCurrentText()
{
    QFETCH(bool, editable);
    QFETCH(QString, current);
    QFETCH(QString, expected);
    TdmData data;
    ScriptedMessages messages;
    for (const QString &name : {QStringLiteral("甲"), QStringLiteral("乙")})
        QVERIFY(exec(QStringLiteral("insert into t_code(F_type, F_name) values('testcat', :n)"),
                     {{QStringLiteral(":n"), name}}));
    QComboBox combo;
    combo.setEditable(editable);
    combo.addItems({QStringLiteral("乙"), QStringLiteral("丙")});
    if (editable)
        combo.setEditText(current);
    else
        combo.setCurrentIndex(combo.findText(current));
    QCOMPARE(combo.currentText(), current);

    data.FillCodeList(QStringLiteral("testcat"), &combo);
    QCOMPARE(combo.count(), 2);
    QCOMPARE(combo.currentText(), expected);
}

void TestDataModule::fillCodeListIgnoresLetterCase()
{
    TdmData data;
    ScriptedMessages messages;
    QVERIFY(exec(QStringLiteral("insert into t_code(F_type, F_name) values('TestCat', 'A')")));
    QVERIFY(exec(QStringLiteral("insert into t_code(F_type, F_name) values('testcat', 'B')")));
    QVERIFY(exec(QStringLiteral("insert into t_code(F_type, F_name) values('other', 'C')")));
    QComboBox combo;
    data.FillCodeList(QStringLiteral("TESTCAT"), &combo);
    QCOMPARE(combo.count(), 2);
    QCOMPARE(combo.itemText(0), QStringLiteral("A"));
    QCOMPARE(combo.itemText(1), QStringLiteral("B"));
}

void TestDataModule::hasPermission_data()
{
    QTest::addColumn<QString>("operatorName");
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("expected");

    QTest::newRow("granted") << QStringLiteral("张三") << QStringLiteral("901") << true;
    QTest::newRow("granted, other letter case") << QStringLiteral("CLERK") << QStringLiteral("901") << true;
    QTest::newRow("not granted") << QStringLiteral("张三") << QStringLiteral("902") << false;
    QTest::newRow("other operator") << QStringLiteral("李四") << QStringLiteral("901") << false;
    QTest::newRow("permission renamed in the catalogue") << QStringLiteral("张三") << QStringLiteral("903") << false;
    QTest::newRow("code is a value, not SQL") << QStringLiteral("张三") << QStringLiteral("x' or '1'='1") << false;
    QTest::newRow("nobody logged in") << QString() << QStringLiteral("901") << false;
}

void TestDataModule::hasPermission()
{
    QFETCH(QString, operatorName);
    QFETCH(QString, code);
    QFETCH(bool, expected);
    TdmData data;
    ScriptedMessages messages;
    const QList<QStringList> limits{{QStringLiteral("测试甲"), QStringLiteral("901")},
                                    {QStringLiteral("测试乙"), QStringLiteral("902")},
                                    {QStringLiteral("测试丙新名"), QStringLiteral("903")}};
    for (const QStringList &l : limits)
        QVERIFY(exec(QStringLiteral("insert into Limits(F_name, F_code, F_flag) values(:n, :c, 1)"),
                     {{QStringLiteral(":n"), l.at(0)}, {QStringLiteral(":c"), l.at(1)}}));
    const QList<QStringList> granted{{QStringLiteral("张三"), QStringLiteral("测试甲")},
                                     {QStringLiteral("张三"), QStringLiteral("测试丙")},
                                     {QStringLiteral("clerk"), QStringLiteral("测试甲")},
                                     {QStringLiteral("李四"), QStringLiteral("测试乙")}};
    for (const QStringList &g : granted)
        QVERIFY(exec(QStringLiteral("insert into OperLimit(F_OperName, F_lmtName) values(:o, :l)"),
                     {{QStringLiteral(":o"), g.at(0)}, {QStringLiteral(":l"), g.at(1)}}));

    data.SetCurrentOperator(operatorName);
    QCOMPARE(data.HasPermission(code), expected);
    QCOMPARE(messages.count(), 0);
}

void TestDataModule::buildDisplayFormatsFromSysInfo()
{
    TdmData data;
    ScriptedMessages messages;
    QSignalSpy changed(&data, &TdmData::displayFormatsChanged);
    QVERIFY(exec(QStringLiteral("update sysInfo set F_iAmount = 3, F_iPrice = 4, F_iTotal = 0")));

    data.BuildDisplayFormats();
    QCOMPARE(data.AmountDecimals(), 3);
    QCOMPARE(data.PriceDecimals(), 4);
    QCOMPARE(data.TotalDecimals(), 0);
    QCOMPARE(data.AmountFormat(), QStringLiteral("0.###"));
    QCOMPARE(data.PriceFormat(), QStringLiteral("￥,0.00##"));
    QCOMPARE(data.TotalFormat(), QStringLiteral("￥,0."));
    QCOMPARE(changed.count(), 1);

    data.SetDisplayDecimals(2, 2, 2);
    QCOMPARE(data.PriceFormat(), QStringLiteral("￥,0.00"));
    QCOMPARE(data.AmountFormat(), QStringLiteral("0.##"));
    QCOMPARE(changed.count(), 2);

    // Without a readable sysInfo the decimals kept so far stay.
    QVERIFY(exec(QStringLiteral("alter table sysInfo rename to sysInfoGone")));
    data.BuildDisplayFormats();
    QCOMPARE(data.TotalFormat(), QStringLiteral("￥,0.00"));
}

void TestDataModule::dateRangeCaption_data()
{
    QTest::addColumn<bool>("fromTicked");
    QTest::addColumn<bool>("toTicked");
    QTest::addColumn<QString>("expected");

    QTest::newRow("both") << true << true << QStringLiteral("统计日期：自 2024-03-05 至 2024-12-31");
    QTest::newRow("from only") << true << false << QStringLiteral("统计日期：自 2024-03-05 至 记帐最后一天");
    QTest::newRow("to only") << false << true << QStringLiteral("统计日期：自 启用系统 至 2024-12-31");
    QTest::newRow("neither") << false << false << QStringLiteral("统计日期：自 启用系统 至 记帐最后一天");
}

void TestDataModule::dateRangeCaption()
{
    QFETCH(bool, fromTicked);
    QFETCH(bool, toTicked);
    QFETCH(QString, expected);
    QCOMPARE(TdmData::DateRangeCaption(QDate(2024, 3, 5), fromTicked, QDate(2024, 12, 31), toTicked), expected);
}

void TestDataModule::writeLogWritesOneRow()
{
    TdmData data;
    ScriptedMessages messages;
    data.SetCurrentOperator(QStringLiteral("张三"));
    const QDate before = QDate::currentDate();

    data.WriteLog(QStringLiteral("登录失败！"));
    QSqlQuery q;
    QVERIFY(q.exec(QStringLiteral("select F_EmpName, F_OperType, F_OperDate, F_OperTime from LogRec")));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toString(), QStringLiteral("张三"));
    QCOMPARE(q.value(1).toString(), QStringLiteral("登录失败！"));
    const QDate written = QDate::fromString(q.value(2).toString(), QStringLiteral("yyyy-MM-dd"));
    QVERIFY(written == before || written == before.addDays(1));
    QVERIFY(QRegularExpression(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d$")).match(q.value(3).toString()).hasMatch());
    QVERIFY(!q.next());
    QCOMPARE(messages.count(), 0);
}

void TestDataModule::writeLogFailsSilently()
{
    TdmData data;
    ScriptedMessages messages;
    QVERIFY(exec(QStringLiteral("alter table LogRec rename to LogRecGone")));
    data.WriteLog(QStringLiteral("登录失败！"));
    QCOMPARE(messages.count(), 0);
}

void TestDataModule::codeProposalsUseTheSharedConnection()
{
    TdmData data;
    ScriptedMessages messages;
    QVERIFY(exec(QStringLiteral("insert into T_FYinfo(F_code, F_name) values('041', 'water')")));
    QVERIFY(exec(QStringLiteral("insert into T_wyFKrec(F_code) values('20240229007')")));

    const CodeProposal code = data.NextCode(QStringLiteral("T_FYinfo"), 3);
    QVERIFY2(code.ok, qPrintable(code.error));
    QCOMPARE(code.code, QStringLiteral("042"));
    const CodeProposal bill = data.NextBillNo(QString(), QDate(2024, 2, 29));
    QVERIFY2(bill.ok, qPrintable(bill.error));
    QCOMPARE(bill.code, QStringLiteral("20240229008"));
    // Proposals never show a message: the caller decides.
    QVERIFY(!data.NextCode(QStringLiteral("T_noSuchTable"), 3));
    QCOMPARE(messages.count(), 0);
}

void TestDataModule::newestModuleIsTheCurrentOne()
{
    TdmData outer;
    outer.SetCurrentOperator(QStringLiteral("outer"));
    QCOMPARE(&dmData(), &outer);
    {
        TdmData inner;
        inner.SetCurrentOperator(QStringLiteral("inner"));
        QCOMPARE(dmData().CurrentOperator(), QStringLiteral("inner"));
    }
    QCOMPARE(dmData().CurrentOperator(), QStringLiteral("outer"));
}

VEL_DB_TEST_MAIN(TestDataModule)
#include "tst_datamodule.moc"
