#include "app/datamodule.h"
#include "app/grid/gridview.h"
#include "app/recordmanager/filterbar.h"
#include "app/recordmanager/numberedit.h"
#include "dbtestmain.h"
#include "estate/emptydate.h"
#include "estate/tfrmcarposedit1.h"
#include "estate/tfrmcarposgl.h"
#include "estate/tickdateedit.h"
#include "estate/valuelistpanel.h"
#include "estatefixture.h"
#include "estatesession.h"
#include "scriptedmessages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

using namespace estatefixture;

// The parking list with its value list, creation window and sale window.
class TestParkingWindows : public QObject {
    Q_OBJECT

private slots:
    void valueListGroupsTheSpaces();
    void creationRefusesATakenNumber();
    void saleWithoutHouseholdThenSecondSaleRefused();
    void saleWithThePickedHouseholdAndContinuousAdd();
    void changeWithoutPickerKeepsTheHousehold();
    void restrictedOperatorStillSeesUnsoldSpaces();

private:
    struct Window {
        TdmData data;
        TfrmCarPosGL window;
        Window()
        {
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
        }
        QStringList codes() const
        {
            QStringList out;
            for (int r = 0; r < window.grid()->rowCount(); ++r)
                out << window.grid()->value(r, QStringLiteral("F_code")).toString();
            return out;
        }
        void select(const QString &code)
        {
            window.grid()->setCurrentRow(window.grid()->findRow(QStringLiteral("F_code"), code));
        }
        void click(const char *name) { window.findChild<QToolButton *>(QString::fromLatin1(name))->click(); }
    };

    // Runs work on the modal window of that class once it shows; opened tells whether it did.
    static void whenOpens(const char *className, bool *opened, const std::function<void(QDialog *)> &work)
    {
        *opened = false;
        const QString name = QString::fromLatin1(className);
        QTimer::singleShot(0, [name, opened, work] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!dialog || dialog->objectName() != name)
                return;
            *opened = true;
            work(dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
    }
    template <typename T>
    static T *input(QWidget *w, const char *name)
    {
        return w->findChild<T *>(QString::fromLatin1(name));
    }
    static void addSpaces();
};

void TestParkingWindows::addSpaces()
{
    const auto add = [](const char *code, const char *status, const char *employee, const char *area) {
        insertRow(QStringLiteral("T_carPos"),
                  {{QStringLiteral("F_code"), QString::fromUtf8(code)},
                   {QStringLiteral("F_CQstatus"), QString::fromUtf8(status)},
                   {QStringLiteral("F_empName"), QString::fromUtf8(employee)},
                   {QStringLiteral("F_XQname"), *area ? QVariant(QString::fromUtf8(area)) : QVariant()},
                   {QStringLiteral("F_mainID"), -1},
                   {QStringLiteral("F_fromDate"), estate::EmptyDate::none()},
                   {QStringLiteral("F_toDate"), estate::EmptyDate::openEnd()}});
    };
    add("P1", "出售", "小李", "阳光小区");
    add("P2", "出租", "小王", "月亮小区");
    add("P3", "空闲", "小王", "阳光小区");
    add("P4", "", "", "");
}

void TestParkingWindows::valueListGroupsTheSpaces()
{
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    EstateSession session;
    addSpaces();
    Window w;
    ValueListPanel *values = w.window.valueList();
    QCOMPARE(values->list()->item(0, 1)->text(), QStringLiteral("全部"));
    QCOMPARE(values->values(), (QStringList{"出售", "出租", "空闲"}));
    QCOMPARE(w.codes(), (QStringList{"P1", "P2", "P3", "P4"}));
    QVERIFY(values->selectValue(QStringLiteral("出租")));
    QCOMPARE(w.codes(), QStringList{"P2"});

    values->kindSelector()->setCurrentIndex(1);
    QCOMPARE(values->values(), (QStringList{"小李", "小王"}));
    QCOMPARE(w.codes(), (QStringList{"P1", "P2", "P3", "P4"}));
    QVERIFY(values->selectValue(QStringLiteral("小王")));
    QCOMPARE(w.codes(), (QStringList{"P2", "P3"}));
    // The filter box combines with the chosen employee.
    w.window.filterBar()->fieldSelector()->setCurrentIndex(0);
    w.window.filterBar()->textBox()->setText(QStringLiteral("3"));
    QCOMPARE(w.codes(), QStringList{"P3"});
    values->list()->setCurrentCell(0, 1);
    QCOMPARE(w.codes(), QStringList{"P3"});
}

void TestParkingWindows::creationRefusesATakenNumber()
{
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    EstateSession session;
    addSpaces();
    ScriptedMessages messages;
    Window w;
    bool opened = false;
    whenOpens("TfrmCarPosEdit", &opened, [](QDialog *editor) {
        QCOMPARE(editor->windowTitle(), QStringLiteral("车位档案 - 新增"));
        input<QPushButton>(editor, "Button1")->click();
        input<QLineEdit>(editor, "edtCode")->setText(QStringLiteral("p1"));
        input<QPushButton>(editor, "Button1")->click();
        QVERIFY(editor->isVisible());
        input<QLineEdit>(editor, "edtCode")->setText(QStringLiteral("P9"));
        input<NumberEdit>(editor, "ceYSprice")->setValue(88000.125);
        input<QPushButton>(editor, "Button1")->click();
        QVERIFY(!editor->isVisible());
    });
    w.click("tbNew");
    QVERIFY(opened);
    QCOMPARE(messages.texts(), (QStringList{"当前车位编号不能为空！", "车位编号重复，请重新输入！"}));
    QCOMPARE(w.codes().last(), QStringLiteral("P9"));
    QCOMPARE(w.window.currentValue(QStringLiteral("F_code")).toString(), QStringLiteral("P9"));
    QCOMPARE(w.window.currentValue(QStringLiteral("F_YSprice")).toDouble(), 88000.125);
}

void TestParkingWindows::saleWithoutHouseholdThenSecondSaleRefused()
{
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    EstateSession session;
    addSpaces();
    ScriptedMessages messages;
    Window w;
    w.select(QStringLiteral("P3"));
    const int id = w.window.currentValue(QStringLiteral("F_ID")).toInt();
    bool opened = false;
    whenOpens("TfrmCarPosEdit1", &opened, [](QDialog *editor) {
        QCOMPARE(editor->windowTitle(), QStringLiteral("销售、租赁车位管理 - 新增"));
        QCOMPARE(input<QLineEdit>(editor, "edtCode")->text(), QStringLiteral("P3"));
        QVERIFY(!input<TickDateEdit>(editor, "dtpToDate")->isTicked());
        input<TickDateEdit>(editor, "dtpFromDate")->set(QDate(2024, 3, 1), true);
        input<QComboBox>(editor, "cbbCQstatus")->setCurrentIndex(2);
        input<QLineEdit>(editor, "edtCarCode")->setText(QStringLiteral("京A00001"));
        input<QCheckBox>(editor, "CheckBox1")->setChecked(false);
        input<QPushButton>(editor, "Button1")->click();
    });
    w.click("tbPZ");
    QVERIFY(opened);
    QCOMPARE(messages.count(), 0);
    QCOMPARE(value(QStringLiteral("T_carPos"), id, QStringLiteral("F_mainID")).toInt(), -1);
    QCOMPARE(value(QStringLiteral("T_carPos"), id, QStringLiteral("F_CQstatus")).toString(), QStringLiteral("出租"));
    QCOMPARE(dateText(value(QStringLiteral("T_carPos"), id, QStringLiteral("F_fromDate"))), QStringLiteral("2024-03-01"));
    QCOMPARE(dateText(value(QStringLiteral("T_carPos"), id, QStringLiteral("F_toDate"))), QStringLiteral("3000-08-14"));
    QCOMPARE(w.window.currentValue(QStringLiteral("F_ID")).toInt(), id);

    whenOpens("TfrmCarPosEdit1", &opened, [](QDialog *) {});
    w.click("tbPZ");
    QVERIFY(!opened);
    QCOMPARE(messages.last().text, QStringLiteral("此车位已经销售或租赁！"));
    QCOMPARE(messages.last().kind, 0);
}

void TestParkingWindows::saleWithThePickedHouseholdAndContinuousAdd()
{
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    EstateSession session;
    addSpaces();
    addArea(QStringLiteral("阳光小区"));
    const int house = addHouse(QStringLiteral("阳光小区"), QStringLiteral("5"), QStringLiteral("501"),
                               QStringLiteral("已入住"), {{QStringLiteral("F_FZname"), QStringLiteral("张三")}});
    ScriptedMessages messages;
    Window w;
    w.select(QStringLiteral("P4"));
    const int id = w.window.currentValue(QStringLiteral("F_ID")).toInt();
    bool opened = false;
    bool picked = false;
    whenOpens("TfrmCarPosEdit1", &opened, [&picked](QDialog *editor) {
        whenOpens("TDLGfcinfoCX", &picked, [](QDialog *picker) {
            auto *tree = input<QTreeWidget>(picker, "tvTree");
            tree->setCurrentItem(tree->topLevelItem(0));
            emit tree->itemDoubleClicked(tree->topLevelItem(0), 0);
            input<QPushButton>(picker, "BitBtn1")->click();
        });
        input<QToolButton>(editor, "sbFind")->click();
        QCOMPARE(input<QLineEdit>(editor, "edtFZcode")->text(), QStringLiteral("501"));
        QCOMPARE(input<QLineEdit>(editor, "edtXQname")->text(), QStringLiteral("阳光小区"));
        QCOMPARE(input<QLineEdit>(editor, "edtFZname")->text(), QStringLiteral("张三"));
        input<QComboBox>(editor, "cbbCQstatus")->setEditText(QStringLiteral("出售"));
        input<QPushButton>(editor, "Button1")->click();
        // Continuous add stays on the same space with the household emptied.
        QVERIFY(editor->isVisible());
        QCOMPARE(input<QLineEdit>(editor, "edtCode")->text(), QStringLiteral("P4"));
        QCOMPARE(input<QLineEdit>(editor, "edtFZcode")->text(), QString());
        QCOMPARE(static_cast<TfrmCarPosEdit1 *>(editor)->household(), -1);
    });
    w.click("tbPZ");
    QVERIFY(opened);
    QVERIFY(picked);
    QCOMPARE(messages.count(), 0);
    QCOMPARE(value(QStringLiteral("T_carPos"), id, QStringLiteral("F_mainID")).toInt(), house);
    QCOMPARE(value(QStringLiteral("T_carPos"), id, QStringLiteral("F_LDcode")).toString(), QStringLiteral("5"));
    QCOMPARE(value(QStringLiteral("T_carPos"), id, QStringLiteral("F_FZname")).toString(), QStringLiteral("张三"));
    QCOMPARE(value(QStringLiteral("T_carPos"), id, QStringLiteral("F_CQstatus")).toString(), QStringLiteral("出售"));
}

void TestParkingWindows::changeWithoutPickerKeepsTheHousehold()
{
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    EstateSession session;
    const int id = insertRow(QStringLiteral("T_carPos"), {{QStringLiteral("F_code"), QStringLiteral("P7")},
                                                          {QStringLiteral("F_mainID"), 42},
                                                          {QStringLiteral("F_XQname"), QStringLiteral("月亮小区")},
                                                          {QStringLiteral("F_LDcode"), QStringLiteral("7")},
                                                          {QStringLiteral("F_FZcode"), QStringLiteral("701")},
                                                          {QStringLiteral("F_CQstatus"), QStringLiteral("出售")},
                                                          {QStringLiteral("F_fromDate"), QDate(2021, 5, 6)},
                                                          {QStringLiteral("F_toDate"), QDate(2031, 5, 5)}});
    ScriptedMessages messages;
    Window w;
    bool opened = false;
    whenOpens("TfrmCarPosEdit1", &opened, [](QDialog *editor) {
        QCOMPARE(editor->windowTitle(), QStringLiteral("销售、租赁车位管理 - 修改"));
        QVERIFY(input<TickDateEdit>(editor, "dtpFromDate")->isTicked());
        QCOMPARE(input<TickDateEdit>(editor, "dtpToDate")->date(), QDate(2031, 5, 5));
        input<QComboBox>(editor, "cbbCQstatus")->setEditText(QStringLiteral("空闲"));
        input<TickDateEdit>(editor, "dtpToDate")->setTicked(false);
        input<QPushButton>(editor, "Button1")->click();
        QVERIFY(!editor->isVisible());
    });
    w.click("tbEdit");
    QVERIFY(opened);
    QCOMPARE(value(QStringLiteral("T_carPos"), id, QStringLiteral("F_mainID")).toInt(), 42);
    QCOMPARE(value(QStringLiteral("T_carPos"), id, QStringLiteral("F_LDcode")).toString(), QStringLiteral("7"));
    QCOMPARE(value(QStringLiteral("T_carPos"), id, QStringLiteral("F_XQname")).toString(), QStringLiteral("月亮小区"));
    QCOMPARE(value(QStringLiteral("T_carPos"), id, QStringLiteral("F_CQstatus")).toString(), QStringLiteral("空闲"));
    QCOMPARE(dateText(value(QStringLiteral("T_carPos"), id, QStringLiteral("F_toDate"))), QStringLiteral("3000-08-14"));
}

void TestParkingWindows::restrictedOperatorStillSeesUnsoldSpaces()
{
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    addSpaces();
    EstateSession session({QStringLiteral("阳光小区")}, true);
    Window w;
    QCOMPARE(w.codes(), (QStringList{"P1", "P3", "P4"}));
}

VEL_DB_TEST_MAIN(TestParkingWindows)
#include "tst_tfrmcarposgl.moc"
