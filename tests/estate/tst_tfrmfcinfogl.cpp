#include "app/datamodule.h"
#include "app/grid/gridview.h"
#include "app/recordmanager/numberedit.h"
#include "app/recordmanager/windowtoolbar.h"
#include "dbtestmain.h"
#include "estate/emptydate.h"
#include "estate/gridcelldelegate.h"
#include "estate/tfrmfcinfoedit.h"
#include "estate/tfrmfcinfogl.h"
#include "estate/tickdateedit.h"
#include "estatefixture.h"
#include "estatesession.h"
#include "scriptedmessages.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QPushButton>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

#include <optional>

using namespace estatefixture;

// The house list and its edit window, driven as the operator does.
class TestHouseWindows : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void toolbarHoldsTheHouseSteps();
    void listFollowsTreeAndStatusFilter();
    void restrictedOperatorSeesOnlyHisAreas();
    void copyUnchangedIsRefusedAsDuplicate();
    void saleLocksTheHouseAndASecondSaleIsRefused();
    void moveInFromUnsoldShowsTheResidentPage();
    void vacateEmptiesTheResident();
    void deleteIsRefusedWhileFeesAreUnpaid();
    void changeKeepsAnEmptyContractDateEmpty();
    void newHouseInANewBuildingShowsInTheTree();
    void emptyListGuards();
    void moveInMarkerShowsAsAnEmptyCell();

private:
    struct Window {
        TdmData data;
        TfrmFCinfoGL window;
        Window()
        {
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
        }
        QStringList rooms() const
        {
            QStringList out;
            for (int r = 0; r < window.grid()->rowCount(); ++r)
                out << window.grid()->value(r, QStringLiteral("F_LDcode")).toString() + QLatin1Char('-')
                           + window.grid()->value(r, QStringLiteral("F_code")).toString();
            return out;
        }
        QTreeWidget *tree() const { return window.findChild<QTreeWidget *>(QStringLiteral("tvTree")); }
        void choose(const QString &area, const QString &building = QString())
        {
            QTreeWidgetItem *root = tree()->findItems(area, Qt::MatchExactly).value(0);
            QVERIFY(root);
            QTreeWidgetItem *item = root;
            for (int i = 0; !building.isEmpty() && i < root->childCount(); ++i)
                if (root->child(i)->text(0) == building)
                    item = root->child(i);
            tree()->setCurrentItem(item);
        }
        void status(int index)
        {
            window.findChild<QAbstractButton *>(QStringLiteral("rbStatus%1").arg(index))->click();
        }
        void selectRoom(const QString &building, const QString &room)
        {
            for (int r = 0; r < window.grid()->rowCount(); ++r)
                if (window.grid()->value(r, QStringLiteral("F_LDcode")).toString() == building
                    && window.grid()->value(r, QStringLiteral("F_code")).toString() == room)
                    window.grid()->setCurrentRow(r);
        }
        void click(const char *name) { window.findChild<QToolButton *>(QString::fromLatin1(name))->click(); }
    };

    // Runs work on the house edit window once it is shown; opened tells whether it was.
    static void whenEditorOpens(bool *opened, const std::function<void(TfrmFCinfoEdit *)> &work)
    {
        *opened = false;
        QTimer::singleShot(0, [opened, work] {
            auto *editor = qobject_cast<TfrmFCinfoEdit *>(QApplication::activeModalWidget());
            if (!editor)
                return;
            *opened = true;
            work(editor);
            if (editor->isVisible())
                editor->reject();
        });
    }
    template <typename T>
    static T *input(QWidget *w, const char *name)
    {
        return w->findChild<T *>(QString::fromLatin1(name));
    }
    static void addEstate();

    std::optional<TestDatabase> m_db;
};

void TestHouseWindows::init()
{
    m_db.emplace();
    QVERIFY(m_db->isValid());
}

void TestHouseWindows::cleanup()
{
    m_db.reset();
}

void TestHouseWindows::addEstate()
{
    addArea(QStringLiteral("阳光小区"));
    addArea(QStringLiteral("月亮小区"));
    const QString sun = QStringLiteral("阳光小区");
    addHouse(sun, QStringLiteral("1"), QStringLiteral("101"), QStringLiteral("未销售"));
    addHouse(sun, QStringLiteral("1"), QStringLiteral("102"), QStringLiteral("已销售"),
             {{QStringLiteral("F_HTdate"), QDate(2023, 4, 5)}});
    addHouse(sun, QStringLiteral("2"), QStringLiteral("101"), QStringLiteral("未销售"));
    addHouse(sun, QStringLiteral("2"), QStringLiteral("202"), QStringLiteral("已入住"),
             {{QStringLiteral("F_ZHname"), QStringLiteral("李四")},
              {QStringLiteral("F_ZHphone"), QStringLiteral("5550100")},
              {QStringLiteral("F_RZdate"), QDate(2022, 1, 1)},
              {QStringLiteral("F_ZHnum"), 3},
              {QStringLiteral("F_FZname"), QStringLiteral("张三")}});
    addHouse(QStringLiteral("月亮小区"), QStringLiteral("1"), QStringLiteral("101"), QStringLiteral("未销售"));
}

void TestHouseWindows::toolbarHoldsTheHouseSteps()
{
    EstateSession session;
    Window w;
    QStringList names;
    const WindowToolBar *bar = w.window.toolBar();
    for (QAction *a : bar->actions()) {
        if (QWidget *b = bar->widgetForAction(a); b && b->objectName().startsWith(QLatin1String("tb")))
            names << b->objectName();
    }
    QCOMPARE(names.mid(0, 7), (QStringList{"tbNew", "tbSale", "tbEdit", "tbRZ", "tbZK", "tbCopy", "tbDel"}));
    QVERIFY(names.contains(QStringLiteral("tbExport")));
    QCOMPARE(names.last(), QStringLiteral("tbExit"));
}

void TestHouseWindows::listFollowsTreeAndStatusFilter()
{
    EstateSession session;
    addEstate();
    Window w;
    QVERIFY(w.rooms().isEmpty());
    w.choose(QStringLiteral("阳光小区"));
    QCOMPARE(w.rooms(), (QStringList{"1-101", "2-101"}));
    w.status(1);
    QCOMPARE(w.rooms(), QStringList{"1-102"});
    w.status(3);
    QCOMPARE(w.rooms(), (QStringList{"1-101", "1-102", "2-101", "2-202"}));
    // A building node: only that building of that area, not building 1 of 月亮小区.
    w.choose(QStringLiteral("阳光小区"), QStringLiteral("1"));
    QCOMPARE(w.rooms(), (QStringList{"1-101", "1-102"}));
    w.choose(QStringLiteral("月亮小区"), QStringLiteral("1"));
    QCOMPARE(w.rooms(), QStringList{"1-101"});
}

void TestHouseWindows::restrictedOperatorSeesOnlyHisAreas()
{
    addEstate();
    EstateSession session({QStringLiteral("月亮小区")}, true);
    Window w;
    QCOMPARE(w.tree()->topLevelItemCount(), 1);
    QCOMPARE(w.tree()->topLevelItem(0)->text(0), QStringLiteral("月亮小区"));
    w.choose(QStringLiteral("月亮小区"));
    w.status(3);
    QCOMPARE(w.rooms(), QStringList{"1-101"});
}

void TestHouseWindows::copyUnchangedIsRefusedAsDuplicate()
{
    EstateSession session;
    addEstate();
    ScriptedMessages messages;
    Window w;
    w.choose(QStringLiteral("阳光小区"));
    w.selectRoom(QStringLiteral("2"), QStringLiteral("101"));
    bool opened = false;
    whenEditorOpens(&opened, [](TfrmFCinfoEdit *editor) {
        QCOMPARE(editor->windowTitle(), QStringLiteral("房产住户档案 - 复制"));
        QCOMPARE(input<QLineEdit>(editor, "edtcode")->text(), QStringLiteral("101"));
        input<QPushButton>(editor, "Button1")->click();
        QVERIFY(editor->isVisible());
        QCOMPARE(editor->focusWidget(), input<QLineEdit>(editor, "edtcode"));
        // Moving the copy to another building is accepted.
        input<QLineEdit>(editor, "edtLDcode")->setText(QStringLiteral("3"));
        input<QPushButton>(editor, "Button1")->click();
    });
    w.click("tbCopy");
    QVERIFY(opened);
    QCOMPARE(messages.last().text, QStringLiteral("房间编号重复，请修改！"));
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.last().kind, 3);
    QCOMPARE(count(QStringLiteral("T_FCinfo")), 6);
    // The new building appears in the tree.
    QTreeWidgetItem *sun = w.tree()->findItems(QStringLiteral("阳光小区"), Qt::MatchExactly).value(0);
    QCOMPARE(sun->childCount(), 3);
}

void TestHouseWindows::saleLocksTheHouseAndASecondSaleIsRefused()
{
    EstateSession session;
    addEstate();
    ScriptedMessages messages;
    Window w;
    w.choose(QStringLiteral("阳光小区"), QStringLiteral("1"));
    w.selectRoom(QStringLiteral("1"), QStringLiteral("101"));
    const int id = w.window.currentValue(QStringLiteral("F_ID")).toInt();
    bool opened = false;
    whenEditorOpens(&opened, [](TfrmFCinfoEdit *editor) {
        QCOMPARE(editor->windowTitle(), QStringLiteral("房产销售 - 编辑"));
        QVERIFY(input<QLineEdit>(editor, "edtcode")->isReadOnly());
        QVERIFY(!input<QComboBox>(editor, "cbbXQname")->isEnabled());
        QVERIFY(!input<QLineEdit>(editor, "edtFZname")->isReadOnly());
        QCOMPARE(input<QComboBox>(editor, "cbbCurStatus")->currentText(), QStringLiteral("已销售"));
        input<QLineEdit>(editor, "edtFZname")->setText(QStringLiteral("王五"));
        input<QCheckBox>(editor, "CheckBox1")->setChecked(false);
        input<QPushButton>(editor, "Button1")->click();
    });
    w.click("tbSale");
    QVERIFY(opened);
    QCOMPARE(messages.count(), 0);
    QCOMPARE(value(QStringLiteral("T_FCinfo"), id, QStringLiteral("F_curStatus")).toString(), QStringLiteral("已销售"));
    QCOMPARE(value(QStringLiteral("T_FCinfo"), id, QStringLiteral("F_FZname")).toString(), QStringLiteral("王五"));
    QCOMPARE(value(QStringLiteral("T_FCinfo"), id, QStringLiteral("F_code")).toString(), QStringLiteral("101"));

    w.status(3);
    w.selectRoom(QStringLiteral("1"), QStringLiteral("101"));
    whenEditorOpens(&opened, [](TfrmFCinfoEdit *) {});
    w.click("tbSale");
    QVERIFY(!opened);
    QCOMPARE(messages.last().text, QStringLiteral("此房间已经销售！"));
    QCOMPARE(messages.last().kind, 0);
}

void TestHouseWindows::moveInFromUnsoldShowsTheResidentPage()
{
    EstateSession session;
    addEstate();
    ScriptedMessages messages;
    Window w;
    w.choose(QStringLiteral("阳光小区"), QStringLiteral("2"));
    w.selectRoom(QStringLiteral("2"), QStringLiteral("101"));
    const int id = w.window.currentValue(QStringLiteral("F_ID")).toInt();
    bool opened = false;
    whenEditorOpens(&opened, [](TfrmFCinfoEdit *editor) {
        QCOMPARE(editor->windowTitle(), QStringLiteral("住户入住 - 编辑"));
        QCOMPARE(input<QTabWidget>(editor, "PageControl1")->currentIndex(), 1);
        QVERIFY(input<QLineEdit>(editor, "edtFZname")->isReadOnly());
        QVERIFY(!input<QComboBox>(editor, "cbbFZsex")->isEnabled());
        QCOMPARE(input<QComboBox>(editor, "cbbCurStatus")->currentText(), QStringLiteral("已入住"));
        QVERIFY(!input<TickDateEdit>(editor, "dtpRZdate")->isTicked());
        input<TickDateEdit>(editor, "dtpRZdate")->set(QDate(2024, 9, 1), true);
        input<QLineEdit>(editor, "edtZHname")->setText(QStringLiteral("赵六"));
        input<QCheckBox>(editor, "CheckBox1")->setChecked(false);
        input<QPushButton>(editor, "Button1")->click();
    });
    w.click("tbRZ");
    QVERIFY(opened);
    QCOMPARE(messages.count(), 0);
    QCOMPARE(value(QStringLiteral("T_FCinfo"), id, QStringLiteral("F_curStatus")).toString(), QStringLiteral("已入住"));
    QCOMPARE(value(QStringLiteral("T_FCinfo"), id, QStringLiteral("F_ZHname")).toString(), QStringLiteral("赵六"));
    QCOMPARE(dateText(value(QStringLiteral("T_FCinfo"), id, QStringLiteral("F_RZdate"))), QStringLiteral("2024-09-01"));
    // The house had no contract date; the locked picker did not invent one.
    QVERIFY(estate::EmptyDate::isNone(value(QStringLiteral("T_FCinfo"), id, QStringLiteral("F_HTdate"))));
}

void TestHouseWindows::vacateEmptiesTheResident()
{
    EstateSession session;
    addEstate();
    ScriptedMessages messages;
    Window w;
    w.choose(QStringLiteral("阳光小区"));
    w.status(2);
    QCOMPARE(w.rooms(), QStringList{"2-202"});
    const int id = w.window.currentValue(QStringLiteral("F_ID")).toInt();
    messages.answerNext(AnswerNo);
    w.click("tbZK");
    QCOMPARE(messages.last().text, QStringLiteral("真的要置空当前所选的房间编号为“202”的房间吗？"));
    QCOMPARE(value(QStringLiteral("T_FCinfo"), id, QStringLiteral("F_ZHname")).toString(), QStringLiteral("李四"));
    w.click("tbZK");
    QCOMPARE(value(QStringLiteral("T_FCinfo"), id, QStringLiteral("F_ZHname")).toString(), QString());
    QCOMPARE(value(QStringLiteral("T_FCinfo"), id, QStringLiteral("F_ZHnum")).toDouble(), 0.0);
    QCOMPARE(dateText(value(QStringLiteral("T_FCinfo"), id, QStringLiteral("F_RZdate"))), QStringLiteral("1900-08-14"));
    QCOMPARE(value(QStringLiteral("T_FCinfo"), id, QStringLiteral("F_FZname")).toString(), QStringLiteral("张三"));
    QCOMPARE(w.rooms(), QStringList{"2-202"});
    QCOMPARE(w.window.currentValue(QStringLiteral("F_ZHname")).toString(), QString());
}

void TestHouseWindows::deleteIsRefusedWhileFeesAreUnpaid()
{
    EstateSession session;
    addEstate();
    ScriptedMessages messages;
    Window w;
    w.choose(QStringLiteral("阳光小区"));
    w.status(3);
    w.selectRoom(QStringLiteral("1"), QStringLiteral("102"));
    const int id = w.window.currentValue(QStringLiteral("F_ID")).toInt();
    const int fee = insertRow(QStringLiteral("T_wyFYrec"), {{QStringLiteral("F_mainID"), id}, {QStringLiteral("F_JFflag"), 0}});
    w.click("tbDel");
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.last().text, QStringLiteral("此房间还有未交的费用记录，不能删除！"));
    QCOMPARE(messages.last().kind, 0);
    QCOMPARE(w.rooms().size(), 4);

    QSqlQuery paid;
    paid.prepare(QStringLiteral("update T_wyFYrec set F_JFflag = 1 where F_ID = :id"));
    paid.bindValue(QStringLiteral(":id"), fee);
    QVERIFY(paid.exec());
    w.click("tbDel");
    QCOMPARE(messages.last().text, QStringLiteral("真的要删除房间号为 \"102\" 的房间吗？"));
    QCOMPARE(w.rooms(), (QStringList{"1-101", "2-101", "2-202"}));
}

void TestHouseWindows::changeKeepsAnEmptyContractDateEmpty()
{
    EstateSession session;
    addEstate();
    ScriptedMessages messages;
    Window w;
    w.choose(QStringLiteral("阳光小区"), QStringLiteral("2"));
    w.status(2);
    const int id = w.window.currentValue(QStringLiteral("F_ID")).toInt();
    QVERIFY(estate::EmptyDate::isNone(value(QStringLiteral("T_FCinfo"), id, QStringLiteral("F_HTdate"))));
    bool opened = false;
    whenEditorOpens(&opened, [](TfrmFCinfoEdit *editor) {
        QCOMPARE(editor->windowTitle(), QStringLiteral("房产住户档案 - 修改"));
        QCOMPARE(input<QDateEdit>(editor, "dtpHTDate")->date(), QDate::currentDate());
        QVERIFY(input<TickDateEdit>(editor, "dtpRZdate")->isTicked());
        input<QLineEdit>(editor, "edtZHphone")->setText(QStringLiteral("5550111"));
        input<QPushButton>(editor, "Button1")->click();
        QVERIFY(!editor->isVisible());
    });
    w.click("tbEdit");
    QVERIFY(opened);
    QVERIFY(estate::EmptyDate::isNone(value(QStringLiteral("T_FCinfo"), id, QStringLiteral("F_HTdate"))));
    QCOMPARE(value(QStringLiteral("T_FCinfo"), id, QStringLiteral("F_ZHphone")).toString(), QStringLiteral("5550111"));
    QCOMPARE(dateText(value(QStringLiteral("T_FCinfo"), id, QStringLiteral("F_RZdate"))), QStringLiteral("2022-01-01"));
    QCOMPARE(w.window.currentValue(QStringLiteral("F_ID")).toInt(), id);
}

void TestHouseWindows::newHouseInANewBuildingShowsInTheTree()
{
    EstateSession session;
    addEstate();
    ScriptedMessages messages;
    Window w;
    bool opened = false;
    whenEditorOpens(&opened, [](TfrmFCinfoEdit *editor) {
        QCOMPARE(editor->windowTitle(), QStringLiteral("房产住户档案 - 新增"));
        QCOMPARE(input<QComboBox>(editor, "cbbCurStatus")->currentText(), QStringLiteral("未销售"));
        input<QPushButton>(editor, "Button1")->click();
        QCOMPARE(editor->focusWidget(), input<QComboBox>(editor, "cbbXQname"));
        input<QComboBox>(editor, "cbbXQname")->setEditText(QStringLiteral("阳光小区"));
        input<QLineEdit>(editor, "edtLDcode")->setText(QStringLiteral("9"));
        input<QLineEdit>(editor, "edtcode")->setText(QStringLiteral("901"));
        input<QCheckBox>(editor, "CheckBox1")->setChecked(true);
        input<QPushButton>(editor, "Button1")->click();
        // Continuous add: the window stays, every input empty, the status too.
        QVERIFY(editor->isVisible());
        QCOMPARE(input<QLineEdit>(editor, "edtcode")->text(), QString());
        QCOMPARE(input<QComboBox>(editor, "cbbCurStatus")->currentText(), QString());
    });
    w.click("tbNew");
    QVERIFY(opened);
    QCOMPARE(messages.texts(), QStringList{QStringLiteral("小区名称不能为空！")});
    QCOMPARE(count(QStringLiteral("T_FCinfo")), 6);
    // The continuous add emptied the inputs before the tree check; the tree
    // learns of building 9 when it is next built.
    w.window.BuildAreaTree();
    QTreeWidgetItem *sun = w.tree()->findItems(QStringLiteral("阳光小区"), Qt::MatchExactly).value(0);
    QCOMPARE(sun->child(sun->childCount() - 1)->text(0), QStringLiteral("9"));
}

void TestHouseWindows::emptyListGuards()
{
    EstateSession session;
    ScriptedMessages messages;
    Window w;
    bool opened = false;
    const QList<QPair<const char *, QString>> guards = {{"tbEdit", QStringLiteral("此表为空，没有记录需要修改！")},
                                                         {"tbCopy", QStringLiteral("此表为空，没有记录能够复制！")},
                                                         {"tbSale", QStringLiteral("此表为空，没有房屋销售！")},
                                                         {"tbRZ", QStringLiteral("此表为空，房屋没有入住！")}};
    for (const auto &g : guards) {
        whenEditorOpens(&opened, [](TfrmFCinfoEdit *) {});
        w.click(g.first);
        QVERIFY(!opened);
        QCOMPARE(messages.last().text, g.second);
        QCOMPARE(messages.last().kind, 3);
    }
    messages.clear();
    w.click("tbZK");
    w.click("tbDel");
    QCOMPARE(messages.count(), 0);
}

namespace {
// Reaches the grid delegate's cell styling.
struct CellProbe : GridCellDelegate {
    using GridCellDelegate::GridCellDelegate;
    using GridCellDelegate::initStyleOption;
};
}  // namespace

void TestHouseWindows::moveInMarkerShowsAsAnEmptyCell()
{
    EstateSession session;
    addEstate();
    Window w;
    w.choose(QStringLiteral("阳光小区"));
    w.status(3);
    CellProbe probe(w.window.grid());
    probe.blankEmptyDates({QStringLiteral("F_RZdate")});
    const int column = w.window.grid()->columnOfField(QStringLiteral("F_RZdate"));
    QVERIFY(column >= 0);
    // Houses without a move-in date hold the marker, as the edit window stores them.
    QSqlQuery q;
    q.prepare(QStringLiteral("update T_FCinfo set F_RZdate = :d where F_RZdate is null"));
    q.bindValue(QStringLiteral(":d"), estate::EmptyDate::none());
    QVERIFY(q.exec());
    w.window.reopenHouses();
    QStringList shown;
    for (int row = 0; row < w.window.grid()->rowCount(); ++row) {
        QStyleOptionViewItem option;
        probe.initStyleOption(&option, w.window.grid()->model()->index(row, column));
        shown << option.text;
    }
    QCOMPARE(shown, (QStringList{"", "", "", "2022-01-01"}));
}

VEL_DB_TEST_MAIN(TestHouseWindows)
#include "tst_tfrmfcinfogl.moc"
