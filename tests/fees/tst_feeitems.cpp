#include "app/datamodule.h"
#include "app/numberformat.h"
#include "app/grid/gridmodel.h"
#include "app/grid/gridview.h"
#include "app/recordmanager/statuspanels.h"
#include "db/dialect.h"
#include "dbtestmain.h"
#include "fees/feeitems/feeitemrenamecascade.h"
#include "fees/feeitems/tfrmfyinfoedit.h"
#include "fees/feeitems/tfrmfyinfogl.h"
#include "scriptedmessages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlError>
#include <QSqlQuery>
#include <QTimer>
#include <QToolButton>

#include <optional>

namespace {

QStringList column(const QString &sql)
{
    QStringList out;
    QSqlQuery q;
    if (!q.exec(sql))
        qWarning("%s", qPrintable(q.lastError().text()));
    while (q.next())
        out << q.value(0).toString();
    return out;
}

void run(const QString &sql)
{
    QSqlQuery q;
    QVERIFY2(q.exec(sql), qPrintable(q.lastError().text() + QLatin1Char(' ') + sql));
}

QLineEdit *line(QWidget *w, const char *name)
{
    return w->findChild<QLineEdit *>(QString::fromLatin1(name));
}

void click(QWidget *w, const char *name)
{
    auto *b = w->findChild<QAbstractButton *>(QString::fromLatin1(name));
    QVERIFY2(b && b->isEnabled(), name);
    b->click();
}

template <typename Work>
void whenModal(Work work)
{
    QTimer::singleShot(0, [work] {
        QWidget *modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        work(modal);
    });
}

}  // namespace

// The fee item window: its list, the unique name, the new code on a taken
// one, and the name carried into the billing history in one transaction.
class TestFeeItems : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void listShowsItemsWithPriceFormatAndFilters();
    void newItemsWithContinuousAdd();
    void codeTakenByAnotherClient();
    void duplicateNamesAreRefused();
    void renameCarriesTheNameAlong();
    void newItemLeavesRecordsWithoutNameAlone();
    void failedRenameLeavesEverything();
    void deleteKeepsTheRecords();

private:
    static void addItem(const QString &code, const QString &name, double price = 1.5)
    {
        QSqlQuery q;
        q.prepare(QStringLiteral("insert into T_FYinfo (F_code, F_name, F_SFprice, F_memo1) values (:c, :n, :p, :m)"));
        q.bindValue(QStringLiteral(":c"), code);
        q.bindValue(QStringLiteral(":n"), name);
        q.bindValue(QStringLiteral(":p"), price);
        q.bindValue(QStringLiteral(":m"), QStringLiteral("memo ") + name);
        QVERIFY2(q.exec(), qPrintable(q.lastError().text()));
    }
    // Payable fees, shared-fee records and a shared meter named after items.
    static void addHistory(const QStringList &names)
    {
        int n = 0;
        for (const QString &name : names) {
            ++n;
            QSqlQuery q;
            q.prepare(QStringLiteral("insert into T_wyFYrec (F_SFname, F_price) values (:n, 1)"));
            q.bindValue(QStringLiteral(":n"), name);
            QVERIFY2(q.exec(), qPrintable(q.lastError().text()));
            q.prepare(QStringLiteral("insert into T_wyGTrec (F_GTid, F_SFname, F_GTtype) values (:id, :n, :n)"));
            q.bindValue(QStringLiteral(":id"), QStringLiteral("0000000%1").arg(n));
            q.bindValue(QStringLiteral(":n"), name);
            QVERIFY2(q.exec(), qPrintable(q.lastError().text()));
            q.prepare(QStringLiteral("insert into T_GTinfo (F_code, F_name, F_type) values (:c, :c, :n)"));
            q.bindValue(QStringLiteral(":c"), QStringLiteral("G%1").arg(n));
            q.bindValue(QStringLiteral(":n"), name);
            QVERIFY2(q.exec(), qPrintable(q.lastError().text()));
        }
    }
    static QStringList history()
    {
        return QStringList{column(QStringLiteral("select COALESCE(F_SFname,'') from T_wyFYrec order by F_ID")).join('|'),
                           column(QStringLiteral("select COALESCE(F_SFname,'') from T_wyGTrec order by F_ID")).join('|'),
                           column(QStringLiteral("select COALESCE(F_GTtype,'') from T_wyGTrec order by F_ID")).join('|'),
                           column(QStringLiteral("select COALESCE(F_type,'') from T_GTinfo order by F_ID")).join('|')};
    }
    static void failUpdatesOf(const QString &table)
    {
        if (db::Dialect::of(QSqlDatabase::database()).isSqlite()) {
            run(QStringLiteral("create trigger refuse_update before update on ") + table
                + QStringLiteral(" begin select raise(abort, 'refused'); end"));
            return;
        }
        run(QStringLiteral("create or replace function refuse_update() returns trigger as $$ "
                           "begin raise exception 'refused'; end $$ language plpgsql"));
        run(QStringLiteral("create trigger refuse_update before update on ") + table
            + QStringLiteral(" for each row execute function refuse_update()"));
    }
    struct Window {
        TfrmFYinfoGL window;
        Window()
        {
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
        }
    };

    std::optional<TestDatabase> m_db;
};

void TestFeeItems::init()
{
    m_db.emplace();
    QVERIFY(m_db->isValid());
}

void TestFeeItems::cleanup()
{
    m_db.reset();
}

void TestFeeItems::listShowsItemsWithPriceFormatAndFilters()
{
    addItem(QStringLiteral("001"), QStringLiteral("水费"), 2.5);
    addItem(QStringLiteral("002"), QStringLiteral("物业费"), 1234.5);
    Window w;
    QCOMPARE(w.window.windowTitle(), QStringLiteral("费用项目设置"));
    QCOMPARE(w.window.statusPanels()->panelText(3), QStringLiteral("记录数：2"));
    GridView *grid = w.window.grid();
    const int price = grid->columnOfField(QStringLiteral("F_SFprice"));
    QVERIFY(price >= 0);
    QCOMPARE(grid->columns().at(price).caption, QStringLiteral("单位价格"));
    // Class 5 gives price columns the run's price format over the stored one.
    QCOMPARE(grid->gridModel()->columns().at(price).displayFormat, dmData().PriceFormat());
    QCOMPARE(grid->gridModel()->index(1, price).data().toString(), formatNumber(1234.5, dmData().PriceFormat()));

    auto *field = w.window.findChild<QComboBox *>(QStringLiteral("ComboBox1"));
    auto *edit = line(&w.window, "Edit1");
    field->setCurrentIndex(field->findText(QStringLiteral("编号")));
    edit->setText(QStringLiteral("002"));
    QCOMPARE(w.window.recordCount(), 1);
    field->setCurrentIndex(field->findText(QStringLiteral("备注")));
    QVERIFY(edit->text().isEmpty());
    QCOMPARE(w.window.recordCount(), 2);
    edit->setText(QStringLiteral("水"));
    QCOMPARE(w.window.recordCount(), 1);
    QCOMPARE(w.window.currentValue(QStringLiteral("F_code")).toString(), QStringLiteral("001"));
}

void TestFeeItems::newItemsWithContinuousAdd()
{
    ScriptedMessages messages;
    Window w;
    QString firstCode, secondCode, areaKept, title;
    bool codeReadOnly = false;
    QStringList hints;
    whenModal([&](QWidget *modal) {
        title = modal->windowTitle();
        firstCode = line(modal, "edtCode")->text();
        codeReadOnly = line(modal, "edtCode")->isReadOnly();
        for (QLabel *label : modal->findChildren<QLabel *>())
            if (label->text().startsWith(QLatin1Char('1')) || label->text().startsWith(QLatin1Char('4')))
                hints << label->text();
        line(modal, "edtName")->setText(QStringLiteral("水费"));
        modal->findChild<QComboBox *>(QStringLiteral("cbbSFtype"))->setEditText(QStringLiteral("按用量"));
        modal->findChild<QDoubleSpinBox *>(QStringLiteral("ceSFprice"))->setValue(2.5);
        modal->findChild<QComboBox *>(QStringLiteral("cbbXQname"))->setEditText(QStringLiteral("阳光"));
        click(modal, "Button1");
        secondCode = line(modal, "edtCode")->text();
        areaKept = modal->findChild<QComboBox *>(QStringLiteral("cbbXQname"))->currentText();
        line(modal, "edtName")->setText(QStringLiteral("电费"));
        modal->findChild<QCheckBox *>(QStringLiteral("CheckBox1"))->setChecked(false);
        click(modal, "Button1");
    });
    click(&w.window, "tbNew");
    QCOMPARE(title, QStringLiteral("费用项目 - 新增"));
    QCOMPARE(firstCode, QStringLiteral("001"));
    QVERIFY(codeReadOnly);
    QCOMPARE(hints, (QStringList{"1.按住户收取的物业费如：治安费等；", "4.自定义的物业费价格可以自由设定；"}));
    QCOMPARE(secondCode, QStringLiteral("002"));
    QCOMPARE(areaKept, QStringLiteral("阳光"));
    QCOMPARE(column(QStringLiteral("select F_code || ':' || F_name || ':' || COALESCE(F_SFtype,'') || ':' || F_XQname "
                                   "from T_FYinfo order by F_code")),
             (QStringList{"001:水费:按用量:阳光", "002:电费::阳光"}));
    QCOMPARE(column(QStringLiteral("select F_SFprice from T_FYinfo where F_code = '001'")).value(0).toDouble(), 2.5);
    QCOMPARE(w.window.currentValue(QStringLiteral("F_code")).toString(), QStringLiteral("002"));
    QCOMPARE(messages.count(), 0);
}

void TestFeeItems::codeTakenByAnotherClient()
{
    ScriptedMessages messages;
    QSqlDatabase other = m_db->openAnotherConnection(QStringLiteral("other"));
    Window w;
    whenModal([&](QWidget *modal) {
        QSqlQuery q(other);
        QVERIFY(q.exec(QStringLiteral("insert into T_FYinfo (F_code, F_name) values ('001', 'theirs')")));
        line(modal, "edtName")->setText(QStringLiteral("mine"));
        modal->findChild<QCheckBox *>(QStringLiteral("CheckBox1"))->setChecked(false);
        click(modal, "Button1");
    });
    click(&w.window, "tbNew");
    QCOMPARE(messages.count(), 0);
    QCOMPARE(column(QStringLiteral("select F_code from T_FYinfo where F_name = 'mine'")), QStringList{"002"});
}

void TestFeeItems::duplicateNamesAreRefused()
{
    ScriptedMessages messages;
    addItem(QStringLiteral("001"), QStringLiteral("Water"));
    Window w;
    bool open = false, nameFocused = false;
    whenModal([&](QWidget *modal) {
        line(modal, "edtName")->setText(QStringLiteral(" water "));
        click(modal, "Button1");
        open = modal->isVisible();
        nameFocused = modal->focusWidget() == line(modal, "edtName");
        // An empty name is accepted once, and only once.
        line(modal, "edtName")->setText(QString());
        click(modal, "Button1");
        line(modal, "edtName")->setText(QStringLiteral("  "));
        click(modal, "Button1");
        click(modal, "Button2");
    });
    click(&w.window, "tbNew");
    QVERIFY(open);
    QVERIFY(nameFocused);
    QCOMPARE(messages.texts(), (QStringList{"费项名称重复，请修改！", "费项名称重复，请修改！"}));
    QCOMPARE(messages.last().kind, int(MessError));
    QCOMPARE(column(QStringLiteral("select F_name from T_FYinfo order by F_code")), (QStringList{"Water", ""}));

    // Changing an item may keep its own name.
    messages.clear();
    w.window.navigateFirst();
    whenModal([&](QWidget *modal) {
        line(modal, "edtName")->setText(QStringLiteral("Water"));
        click(modal, "Button1");
    });
    click(&w.window, "tbEdit");
    QCOMPARE(messages.count(), 0);
}

void TestFeeItems::renameCarriesTheNameAlong()
{
    ScriptedMessages messages;
    addItem(QStringLiteral("001"), QStringLiteral("水费"), 2);
    addItem(QStringLiteral("002"), QStringLiteral("电费"), 1);
    addHistory({QStringLiteral("水费"), QStringLiteral("电费"), QString(), QStringLiteral("水费")});
    Window w;
    // A new price leaves the records at their old price and name.
    whenModal([&](QWidget *modal) {
        modal->findChild<QDoubleSpinBox *>(QStringLiteral("ceSFprice"))->setValue(3);
        click(modal, "Button1");
    });
    click(&w.window, "tbEdit");
    QCOMPARE(history(), (QStringList{"水费|电费||水费", "水费|电费||水费", "水费|电费||水费", "水费|电费||水费"}));
    QCOMPARE(column(QStringLiteral("select F_price from T_wyFYrec where F_SFname = '水费'")), (QStringList{"1", "1"}));

    QString title;
    whenModal([&](QWidget *modal) {
        title = modal->windowTitle();
        line(modal, "edtName")->setText(QStringLiteral(" 自来水费 "));
        click(modal, "Button1");
    });
    click(&w.window, "tbEdit");
    QCOMPARE(title, QStringLiteral("费用项目 - 修改"));
    QCOMPARE(messages.count(), 0);
    QCOMPARE(column(QStringLiteral("select F_name from T_FYinfo order by F_code")), (QStringList{"自来水费", "电费"}));
    const QString renamed = QStringLiteral("自来水费|电费||自来水费");
    QCOMPARE(history(), (QStringList{renamed, renamed, renamed, renamed}));
    QCOMPARE(w.window.currentValue(QStringLiteral("F_code")).toString(), QStringLiteral("001"));
}

void TestFeeItems::newItemLeavesRecordsWithoutNameAlone()
{
    run(QStringLiteral("insert into T_wyFYrec (F_SFname) values ('')"));
    run(QStringLiteral("insert into T_wyFYrec (F_SFname) values (NULL)"));
    Window w;
    whenModal([&](QWidget *modal) {
        line(modal, "edtName")->setText(QStringLiteral("水费"));
        modal->findChild<QCheckBox *>(QStringLiteral("CheckBox1"))->setChecked(false);
        click(modal, "Button1");
    });
    click(&w.window, "tbNew");
    QCOMPARE(column(QStringLiteral("select COALESCE(F_SFname, '<null>') from T_wyFYrec order by F_ID")),
             (QStringList{"", "<null>"}));
    QVERIFY(!FeeItemRenameCascade::applies(QStringLiteral(" "), QStringLiteral("x")));
}

void TestFeeItems::failedRenameLeavesEverything()
{
    ScriptedMessages messages;
    addItem(QStringLiteral("001"), QStringLiteral("水费"));
    addHistory({QStringLiteral("水费")});
    failUpdatesOf(QStringLiteral("T_GTinfo"));
    Window w;
    bool open = false;
    whenModal([&](QWidget *modal) {
        line(modal, "edtName")->setText(QStringLiteral("新水费"));
        click(modal, "Button1");
        open = modal->isVisible();
        click(modal, "Button2");
    });
    click(&w.window, "tbEdit");
    QVERIFY(open);
    QCOMPARE(messages.texts(), QStringList{QStringLiteral("保存失败，请检测数据库连接！")});
    QCOMPARE(column(QStringLiteral("select F_name from T_FYinfo")), QStringList{"水费"});
    QCOMPARE(history(), (QStringList{"水费", "水费", "水费", "水费"}));
}

void TestFeeItems::deleteKeepsTheRecords()
{
    ScriptedMessages messages;
    addItem(QStringLiteral("001"), QStringLiteral("水费"));
    addHistory({QStringLiteral("水费")});
    Window w;
    click(&w.window, "tbDel");
    QCOMPARE(messages.last().text, QStringLiteral("真的要删除当前编号001吗？"));
    QCOMPARE(messages.last().caption, QStringLiteral("系统提示"));
    QCOMPARE(w.window.recordCount(), 0);
    QCOMPARE(history(), (QStringList{"水费", "水费", "水费", "水费"}));
}

VEL_DB_TEST_MAIN(TestFeeItems)
#include "tst_feeitems.moc"
