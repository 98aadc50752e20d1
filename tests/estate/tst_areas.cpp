#include "app/grid/gridview.h"
#include "app/recordmanager/recordform.h"
#include "app/recordmanager/statuspanels.h"
#include "db/dialect.h"
#include "dbtestmain.h"
#include "access/areascope.h"
#include "estate/areas/arearenamecascade.h"
#include "estate/areas/tdlgselectxqname.h"
#include "estate/areas/tfrmxqinfogl.h"
#include "scriptedmessages.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlError>
#include <QSqlQuery>
#include <QToolButton>

#include <optional>

// The residential-area window on one window, the name carried into every
// table that refers to areas, and the area chooser.
class TestAreas : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void browseAndEditStates();
    void newAreaOnEmptyTableProposes001AndTouchesNothing();
    void renameMovesEveryRecordInOneTransaction();
    void failedRenameLeavesTheOldNameEverywhere_data();
    void failedRenameLeavesTheOldNameEverywhere();
    void areaWithoutNameRenamesNothing();
    void codeChecks();
    void deleteAsksByName();
    void hiddenPanelFollowsTheCursor();

    void chooserReturnsQuotedNames();
    void chooserOnEmptyTable();

private:
    static void addArea(const QString &code, const QString &name);
    static void fillAreaReferences(const QStringList &names);
    static QStringList areaNames(const QString &table);
    static QStringList storedAreas();
    static void failUpdatesOf(const QString &table);
    static QLineEdit *line(QWidget *w, const char *name) { return w->findChild<QLineEdit *>(QString::fromLatin1(name)); }
    static void click(QWidget *w, const char *name)
    {
        auto *b = w->findChild<QToolButton *>(QString::fromLatin1(name));
        QVERIFY2(b && b->isEnabled(), name);
        b->click();
    }
    static bool enabled(QWidget *w, const char *name)
    {
        auto *b = w->findChild<QToolButton *>(QString::fromLatin1(name));
        return b && b->isEnabled();
    }

    std::optional<TestDatabase> m_db;
};

void TestAreas::init()
{
    m_db.emplace();
    QVERIFY(m_db->isValid());
}

void TestAreas::cleanup()
{
    m_db.reset();
}

void TestAreas::addArea(const QString &code, const QString &name)
{
    QSqlQuery q;
    q.prepare(QStringLiteral("insert into T_XQinfo (F_code, F_name, F_DYamount) values (:c, :n, 1)"));
    q.bindValue(QStringLiteral(":c"), code);
    q.bindValue(QStringLiteral(":n"), name);
    QVERIFY2(q.exec(), qPrintable(q.lastError().text()));
}

// One row per name (NULL for an empty QString()) in each of the sixteen tables.
void TestAreas::fillAreaReferences(const QStringList &names)
{
    int n = 0;
    for (const QString &table : AreaRenameCascade::tables()) {
        for (const QString &name : names) {
            QSqlQuery q;
            // T_PJinfo keeps part codes unique per area; the others do not mind a code.
            const bool coded = table.compare(QLatin1String("T_PJinfo"), Qt::CaseInsensitive) == 0
                               || table.compare(QLatin1String("T_wyFKrec"), Qt::CaseInsensitive) == 0
                               || table.compare(QLatin1String("t_ZHBX"), Qt::CaseInsensitive) == 0
                               || table.compare(QLatin1String("T_carPos"), Qt::CaseInsensitive) == 0
                               || table.compare(QLatin1String("T_publicSet"), Qt::CaseInsensitive) == 0
                               || table.compare(QLatin1String("T_BJinfo"), Qt::CaseInsensitive) == 0
                               || table.compare(QLatin1String("T_XLinfo"), Qt::CaseInsensitive) == 0
                               || table.compare(QLatin1String("T_YJinfo"), Qt::CaseInsensitive) == 0
                               || table.compare(QLatin1String("T_FYinfo"), Qt::CaseInsensitive) == 0
                               || table.compare(QLatin1String("T_GTinfo"), Qt::CaseInsensitive) == 0;
            if (coded)
                q.prepare(QStringLiteral("insert into ") + table + QStringLiteral(" (F_code, F_XQname) values (:c, :n)"));
            else
                q.prepare(QStringLiteral("insert into ") + table + QStringLiteral(" (F_XQname) values (:n)"));
            if (coded)
                q.bindValue(QStringLiteral(":c"), QStringLiteral("C%1").arg(++n));
            if (table.compare(QLatin1String("T_FYinfo"), Qt::CaseInsensitive) == 0
                || table.compare(QLatin1String("T_GTinfo"), Qt::CaseInsensitive) == 0) {
                q.prepare(QStringLiteral("insert into ") + table
                          + QStringLiteral(" (F_code, F_name, F_XQname) values (:c, :c, :n)"));
                q.bindValue(QStringLiteral(":c"), QStringLiteral("C%1").arg(++n));
            }
            q.bindValue(QStringLiteral(":n"), name.isNull() ? QVariant(QMetaType::fromType<QString>()) : QVariant(name));
            QVERIFY2(q.exec(), qPrintable(table + QLatin1Char(' ') + q.lastError().text()));
        }
    }
}

QStringList TestAreas::areaNames(const QString &table)
{
    QStringList out;
    QSqlQuery q;
    if (!q.exec(QStringLiteral("select COALESCE(F_XQname, '<null>') from ") + table + QStringLiteral(" order by F_ID")))
        qWarning("%s", qPrintable(q.lastError().text()));
    while (q.next())
        out << q.value(0).toString();
    return out;
}

QStringList TestAreas::storedAreas()
{
    QStringList out;
    QSqlQuery q;
    if (!q.exec(QStringLiteral("select F_name from T_XQinfo order by F_code")))
        qWarning("%s", qPrintable(q.lastError().text()));
    while (q.next())
        out << q.value(0).toString();
    return out;
}

void TestAreas::failUpdatesOf(const QString &table)
{
    QSqlQuery q;
    if (db::Dialect::of(QSqlDatabase::database()).isSqlite()) {
        QVERIFY2(q.exec(QStringLiteral("create trigger refuse_update before update on ") + table
                        + QStringLiteral(" begin select raise(abort, 'refused'); end")),
                 qPrintable(q.lastError().text()));
        return;
    }
    QVERIFY2(q.exec(QStringLiteral("create or replace function refuse_update() returns trigger as $$ "
                                   "begin raise exception 'refused'; end $$ language plpgsql")),
             qPrintable(q.lastError().text()));
    QVERIFY2(q.exec(QStringLiteral("create trigger refuse_update before update on ") + table
                    + QStringLiteral(" for each row execute function refuse_update()")),
             qPrintable(q.lastError().text()));
}

void TestAreas::browseAndEditStates()
{
    ScriptedMessages messages;
    addArea(QStringLiteral("001"), QStringLiteral("A"));
    TfrmXQinfoGL w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QWidget *panel = w.findChild<QWidget *>(QStringLiteral("pnlInputs"));
    const char *browse[] = {"tbNew", "tbEdit", "tbDel", "tbFirst", "tbPrior", "tbNext", "tbLast", "tbPrint", "tbset",
                            "tbExit"};
    for (const char *name : browse)
        QVERIFY2(enabled(&w, name), name);
    QVERIFY(!enabled(&w, "tbSave") && !enabled(&w, "tbCancel"));
    QVERIFY(!panel->isVisible());
    QVERIFY(w.grid()->isEnabled());
    QCOMPARE(w.statusPanels()->panelText(3), QStringLiteral("记录数：1"));

    QTest::keyClick(w.grid(), Qt::Key_E, Qt::ControlModifier);
    for (const char *name : browse)
        QVERIFY2(!enabled(&w, name), name);
    QVERIFY(enabled(&w, "tbSave") && enabled(&w, "tbCancel"));
    QVERIFY(panel->isVisible() && panel->isEnabled());
    QVERIFY(!w.grid()->isEnabled());
    QCOMPARE(line(&w, "edtName")->text(), QStringLiteral("A"));
    // The two memo boxes are left out of the tab order.
    QCOMPARE(w.findChild<QPlainTextEdit *>(QStringLiteral("mem1"))->focusPolicy(), Qt::ClickFocus);

    line(&w, "edtName")->setText(QStringLiteral("changed"));
    QTest::keyClick(line(&w, "edtName"), Qt::Key_Escape);
    QVERIFY(w.isBrowsing());
    QVERIFY(w.isVisible());
    QCOMPARE(line(&w, "edtName")->text(), QStringLiteral("A"));
    QTest::keyClick(w.grid(), Qt::Key_Escape);
    QVERIFY(!w.isVisible());
    QCOMPARE(messages.count(), 0);
}

void TestAreas::newAreaOnEmptyTableProposes001AndTouchesNothing()
{
    ScriptedMessages messages;
    fillAreaReferences({QString(), QStringLiteral(""), QStringLiteral("Old")});
    TfrmXQinfoGL w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    click(&w, "tbEdit");
    QCOMPARE(messages.last().text, QStringLiteral("此表为空，没有记录需要修改！"));
    QCOMPARE(messages.last().kind, int(MessError));
    QTest::keyClick(w.grid(), Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(line(&w, "edtCode")->text(), QStringLiteral("001"));
    QCOMPARE(w.focusWidget(), line(&w, "edtName"));
    line(&w, "edtName")->setText(QStringLiteral("  New  "));
    QTest::keyClick(line(&w, "edtName"), Qt::Key_S, Qt::ControlModifier);
    QVERIFY(w.isBrowsing());
    QCOMPARE(storedAreas(), QStringList{"New"});
    for (const QString &table : AreaRenameCascade::tables())
        QCOMPARE(areaNames(table), (QStringList{"<null>", "", "Old"}));
    QCOMPARE(w.currentValue(QStringLiteral("F_code")).toString(), QStringLiteral("001"));
    QCOMPARE(w.statusPanels()->panelText(3), QStringLiteral("记录数：1"));
    QCOMPARE(messages.count(), 1);
}

void TestAreas::renameMovesEveryRecordInOneTransaction()
{
    ScriptedMessages messages;
    addArea(QStringLiteral("001"), QStringLiteral("A"));
    addArea(QStringLiteral("002"), QStringLiteral("B"));
    fillAreaReferences({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral(""), QString(), QStringLiteral("AB")});
    TfrmXQinfoGL w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));

    // Changing only the counts renames nothing.
    click(&w, "tbEdit");
    line(&w, "edtAddress")->setText(QStringLiteral("north"));
    click(&w, "tbSave");
    QCOMPARE(w.currentValue(QStringLiteral("F_address")).toString(), QStringLiteral("north"));

    click(&w, "tbEdit");
    line(&w, "edtName")->setText(QStringLiteral(" A'2 "));
    click(&w, "tbSave");
    QCOMPARE(messages.count(), 0);
    QCOMPARE(storedAreas(), (QStringList{"A'2", "B"}));
    for (const QString &table : AreaRenameCascade::tables())
        QCOMPARE(areaNames(table), (QStringList{"A'2", "B", "", "<null>", "AB"}));
    QCOMPARE(w.currentValue(QStringLiteral("F_code")).toString(), QStringLiteral("001"));

    // Renaming to an existing name merges the two areas.
    click(&w, "tbEdit");
    line(&w, "edtName")->setText(QStringLiteral("B"));
    click(&w, "tbSave");
    for (const QString &table : AreaRenameCascade::tables())
        if (table.compare(QLatin1String("T_PJinfo"), Qt::CaseInsensitive) != 0)
            QCOMPARE(areaNames(table), (QStringList{"B", "B", "", "<null>", "AB"}));
}

void TestAreas::failedRenameLeavesTheOldNameEverywhere_data()
{
    QTest::addColumn<QString>("failing");
    for (const QString &table : AreaRenameCascade::tables())
        QTest::newRow(qPrintable(table)) << table;
    QTest::newRow("the area itself") << QStringLiteral("T_XQinfo");
}

void TestAreas::failedRenameLeavesTheOldNameEverywhere()
{
    QFETCH(QString, failing);
    ScriptedMessages messages;
    addArea(QStringLiteral("001"), QStringLiteral("A"));
    fillAreaReferences({QStringLiteral("A")});
    failUpdatesOf(failing);
    TfrmXQinfoGL w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    click(&w, "tbEdit");
    line(&w, "edtName")->setText(QStringLiteral("Z"));
    click(&w, "tbSave");
    QCOMPARE(messages.texts(), QStringList{QStringLiteral("保存失败，请检测数据库连接！")});
    QCOMPARE(messages.last().kind, int(MessError));
    QVERIFY(!w.isBrowsing());
    QCOMPARE(line(&w, "edtName")->text(), QStringLiteral("Z"));
    QCOMPARE(storedAreas(), QStringList{"A"});
    for (const QString &table : AreaRenameCascade::tables())
        QCOMPARE(areaNames(table), QStringList{"A"});
}

void TestAreas::areaWithoutNameRenamesNothing()
{
    ScriptedMessages messages;
    addArea(QStringLiteral("001"), QStringLiteral(""));
    fillAreaReferences({QStringLiteral(""), QString()});
    TfrmXQinfoGL w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    click(&w, "tbEdit");
    line(&w, "edtName")->setText(QStringLiteral("Named"));
    click(&w, "tbSave");
    QCOMPARE(messages.count(), 0);
    for (const QString &table : AreaRenameCascade::tables())
        QCOMPARE(areaNames(table), (QStringList{"", "<null>"}));
    QVERIFY(!AreaRenameCascade::applies(QStringLiteral("  "), QStringLiteral("X")));
    QVERIFY(!AreaRenameCascade::applies(QStringLiteral("X "), QStringLiteral(" X")));
    QVERIFY(AreaRenameCascade::applies(QStringLiteral("X"), QStringLiteral("Y")));
}

void TestAreas::codeChecks()
{
    ScriptedMessages messages;
    addArea(QStringLiteral("001"), QStringLiteral("A"));
    TfrmXQinfoGL w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    click(&w, "tbNew");
    QCOMPARE(line(&w, "edtCode")->text(), QStringLiteral("002"));
    line(&w, "edtCode")->setText(QStringLiteral("  "));
    line(&w, "edtName")->setText(QStringLiteral("A"));
    click(&w, "tbSave");
    QCOMPARE(messages.last().text, QStringLiteral("小区编号不能为空！"));
    QCOMPARE(messages.last().kind, int(MessInformation));
    QCOMPARE(w.focusWidget(), line(&w, "edtCode"));
    QVERIFY(!w.isBrowsing());

    line(&w, "edtCode")->setText(QStringLiteral("001"));
    click(&w, "tbSave");
    QCOMPARE(messages.last().text, QStringLiteral("小区编号重复，请重新输入！"));
    QCOMPARE(messages.last().kind, int(MessInformation));
    QCOMPARE(w.focusWidget(), line(&w, "edtCode"));
    QVERIFY(!w.isBrowsing());

    // The same name twice is accepted.
    line(&w, "edtCode")->setText(QStringLiteral("002"));
    click(&w, "tbSave");
    QVERIFY(w.isBrowsing());
    QCOMPARE(messages.count(), 2);
    QSqlQuery q;
    QVERIFY(q.exec(QStringLiteral("select F_code from T_XQinfo where F_name = 'A' order by F_code")));
    QStringList codes;
    while (q.next())
        codes << q.value(0).toString();
    QCOMPARE(codes, (QStringList{"001", "002"}));
}

void TestAreas::deleteAsksByName()
{
    ScriptedMessages messages;
    addArea(QStringLiteral("001"), QStringLiteral("阳光"));
    fillAreaReferences({QStringLiteral("阳光")});
    TfrmXQinfoGL w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    messages.answerNext(AnswerNo);
    QTest::keyClick(w.grid(), Qt::Key_Delete);
    QCOMPARE(messages.last().text, QStringLiteral("真的要删除当前小区名称\"阳光\"吗？"));
    QCOMPARE(messages.last().kind, int(MessQuestion));
    QCOMPARE(w.recordCount(), 1);
    messages.answerNext(AnswerYes);
    click(&w, "tbDel");
    QCOMPARE(w.recordCount(), 0);
    for (const QString &table : AreaRenameCascade::tables())
        QCOMPARE(areaNames(table), QStringList{"阳光"});
}

void TestAreas::hiddenPanelFollowsTheCursor()
{
    addArea(QStringLiteral("001"), QStringLiteral("A"));
    addArea(QStringLiteral("002"), QStringLiteral("B"));
    TfrmXQinfoGL w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(line(&w, "edtName")->text(), QStringLiteral("A"));
    click(&w, "tbNext");
    QCOMPARE(line(&w, "edtName")->text(), QStringLiteral("B"));
    w.grid()->setCurrentRow(0);
    QCOMPARE(line(&w, "edtCode")->text(), QStringLiteral("001"));
    click(&w, "tbNew");
    click(&w, "tbCancel");
    QCOMPARE(line(&w, "edtName")->text(), QStringLiteral("A"));
}

void TestAreas::chooserReturnsQuotedNames()
{
    ScriptedMessages messages;
    addArea(QStringLiteral("001"), QStringLiteral("阳光"));
    addArea(QStringLiteral("002"), QStringLiteral("O'Brien"));
    addArea(QStringLiteral("003"), QStringLiteral("Lake"));

    auto choose = [](const QString &preselection, const QStringList &toggle, bool confirm, QStringList *ticked) {
        TDLGselectXQname dialog;
        QTimer::singleShot(0, [&dialog, toggle, confirm, ticked] {
            auto *list = dialog.findChild<QListWidget *>(QStringLiteral("clbItemList"));
            *ticked = dialog.tickedNames();
            for (const QString &name : toggle) {
                QListWidgetItem *item = list->findItems(name, Qt::MatchExactly).value(0);
                QVERIFY(item);
                item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
            }
            dialog.findChild<QPushButton *>(QLatin1String(confirm ? "Button1" : "Button2"))->click();
        });
        return dialog.ChooseAreas(preselection);
    };

    QStringList ticked;
    QCOMPARE(choose(QString(), {QStringLiteral("阳光"), QStringLiteral("O'Brien")}, true, &ticked),
             QStringLiteral("'阳光','O''Brien'"));
    QVERIFY(ticked.isEmpty());
    QCOMPARE(choose(QStringLiteral("'阳光','O''Brien'"), {}, true, &ticked), QStringLiteral("'阳光','O''Brien'"));
    QCOMPARE(ticked, (QStringList{"阳光", "O'Brien"}));
    // Typed by hand with a full-width comma and other letter case.
    QCOMPARE(choose(QStringLiteral("'lake'，'阳光'"), {QStringLiteral("阳光")}, true, &ticked), QStringLiteral("'Lake'"));
    QCOMPARE(ticked, (QStringList{"阳光", "Lake"}));
    QCOMPARE(choose(QStringLiteral("'Lake'"), {QStringLiteral("Lake")}, true, &ticked), QString());
    QCOMPARE(choose(QStringLiteral("'Lake'"), {QStringLiteral("阳光")}, false, &ticked), QStringLiteral("'Lake'"));
    QCOMPARE(messages.count(), 0);

    // The list reads back as the names chosen, quote and all.
    QStringList names;
    QVERIFY(AreaScope::parseList(QStringLiteral("'阳光','O''Brien'"), &names));
    QCOMPARE(names, (QStringList{"阳光", "O'Brien"}));
}

void TestAreas::chooserOnEmptyTable()
{
    ScriptedMessages messages;
    TDLGselectXQname dialog;
    QCOMPARE(dialog.ChooseAreas(QStringLiteral("'X'")), QStringLiteral("'X'"));
    QCOMPARE(messages.texts(), QStringList{QStringLiteral("没有项目选择！")});
    QCOMPARE(messages.last().kind, int(MessInformation));
    QVERIFY(!dialog.isVisible());
}

VEL_DB_TEST_MAIN(TestAreas)
#include "tst_areas.moc"
