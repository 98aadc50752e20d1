#include "app/datamodule.h"
#include "app/grid/gridmodel.h"
#include "app/grid/gridview.h"
#include "app/recordmanager/filterbar.h"
#include "app/recordmanager/numberedit.h"
#include "app/recordmanager/recordlistwindow.h"
#include "dbtestmain.h"
#include "estate/gridcelldelegate.h"
#include "estate/registerwindowdefs.h"
#include "estate/tfrmpublicsetgl.h"
#include "estate/tfrmxlinfogl.h"
#include "estate/tfrmyjinfogl.h"
#include "estate/valuelistpanel.h"
#include "estatefixture.h"
#include "estatesession.h"
#include "estatewindowhelpers.h"
#include "scriptedmessages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTimeEdit>
#include <QToolButton>

#include <optional>

using namespace estatefixture;
using estatewindows::input;
using estatewindows::whenOpens;

// The public facilities and the three registers: windows described by data
// with the few rules of their own.
class TestRegisters : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void proposedCodes_data();
    void proposedCodes();
    void filtersMatchAsEachListSays_data();
    void filtersMatchAsEachListSays();
    void deleteQuestions_data();
    void deleteQuestions();
    void stoppedFacilitiesHiddenUnlessAskedAndRed();
    void facilityAmountFollowsQuantityAndPrice();
    void takenSuggestionNumberStopsSilently();
    void takenPatrolNumberTakesTheNextFree();
    void patrolTimeIsKeptWhenUntouched();
    void suggestionValueListCombinesWithTheFilter();
    void restrictedOperatorSeesHisAreasAndUnassignedRows();

private:
    static RecordListWindow *open(const QString &which);
    static QStringList codes(const RecordListWindow *window);
    static QString tableOf(const QString &which);

    std::optional<TestDatabase> m_db;
    std::optional<TdmData> m_data;
};

void TestRegisters::init()
{
    m_db.emplace();
    QVERIFY(m_db->isValid());
    m_data.emplace();
}

void TestRegisters::cleanup()
{
    m_data.reset();
    m_db.reset();
}

RecordListWindow *TestRegisters::open(const QString &which)
{
    RecordListWindow *w = nullptr;
    if (which == QLatin1String("cleaning"))
        w = new RecordListWindow(RegisterWindowDefs::cleaning());
    else if (which == QLatin1String("patrol"))
        w = new TfrmXLinfoGL;
    else if (which == QLatin1String("suggestions"))
        w = new TfrmYJinfoGL;
    else
        w = new TfrmPublicSetGL;
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->show();
    if (!QTest::qWaitForWindowExposed(w))
        qWarning("window not shown");
    return w;
}

QStringList TestRegisters::codes(const RecordListWindow *window)
{
    QStringList out;
    for (int r = 0; r < window->grid()->rowCount(); ++r)
        out << window->grid()->value(r, QStringLiteral("F_code")).toString();
    return out;
}

QString TestRegisters::tableOf(const QString &which)
{
    return which == QLatin1String("suggestions") ? QStringLiteral("T_YJinfo")
           : which == QLatin1String("cleaning")  ? QStringLiteral("T_BJinfo")
           : which == QLatin1String("patrol")    ? QStringLiteral("T_XLinfo")
                                                 : QStringLiteral("T_publicSet");
}

void TestRegisters::proposedCodes_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("editor");
    QTest::addColumn<QString>("firstCode");
    QTest::addColumn<QString>("focusAfterSave");
    QTest::newRow("suggestions") << "suggestions" << "TfrmYJinfoEdit" << "001" << "dtpDate";
    QTest::newRow("cleaning") << "cleaning" << "TfrmBJinfoEdit" << "000001" << "cbbArea";
    QTest::newRow("patrol") << "patrol" << "TfrmXLinfoEdit" << "000001" << "edtDSRemp";
    QTest::newRow("facilities") << "facilities" << "TfrmPublicSetEdit" << "000001" << "edtName";
}

void TestRegisters::proposedCodes()
{
    QFETCH(QString, which);
    QFETCH(QString, editor);
    QFETCH(QString, firstCode);
    QFETCH(QString, focusAfterSave);
    EstateSession session;
    addArea(QStringLiteral("阳光小区"));
    ScriptedMessages messages;
    QPointer<RecordListWindow> w = open(which);
    bool opened = false;
    whenOpens(editor, &opened, [&](QDialog *dialog) {
        QCOMPARE(input<QLineEdit>(dialog, "edtCode")->text(), firstCode);
        QVERIFY(input<QCheckBox>(dialog, "CheckBox1")->isChecked());
        input<QComboBox>(dialog, "cbbXQname")->setEditText(QStringLiteral("阳光小区"));
        input<QPushButton>(dialog, "Button1")->click();
        QVERIFY(dialog->isVisible());
        QTest::qWait(10);
        QCOMPARE(dialog->focusWidget()->objectName(), focusAfterSave);
        // The area stays for the next record; a new code is proposed.
        QCOMPARE(input<QComboBox>(dialog, "cbbXQname")->currentText(), QStringLiteral("阳光小区"));
        QCOMPARE(input<QLineEdit>(dialog, "edtCode")->text(), firstCode.left(firstCode.size() - 1) + QLatin1Char('2'));
    });
    w->findChild<QToolButton *>(QStringLiteral("tbNew"))->click();
    QVERIFY(opened);
    QCOMPARE(messages.count(), 0);
    QCOMPARE(codes(w), QStringList{firstCode});
    QCOMPARE(w->currentValue(QStringLiteral("F_XQname")).toString(), QStringLiteral("阳光小区"));
    w->close();
}

void TestRegisters::filtersMatchAsEachListSays_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("suggestion number contains") << "suggestions" << 0 << "12" << QStringList{"012", "120"};
    QTest::newRow("cleaning number is a prefix") << "cleaning" << 0 << "12" << QStringList{"120"};
    QTest::newRow("patrol number is a prefix") << "patrol" << 0 << "01" << QStringList{"012"};
    QTest::newRow("patrol person is a prefix") << "patrol" << 1 << "张" << QStringList{"012"};
    QTest::newRow("facility name is a prefix") << "facilities" << 1 << "电" << QStringList{"012"};
    QTest::newRow("facility name not inside") << "facilities" << 1 << "梯" << QStringList{};
    QTest::newRow("facility model contains") << "facilities" << 4 << "0%" << QStringList{"120"};
}

void TestRegisters::filtersMatchAsEachListSays()
{
    QFETCH(QString, which);
    QFETCH(int, item);
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    EstateSession session;
    const QString table = tableOf(which);
    insertRow(table, {{QStringLiteral("F_code"), QStringLiteral("012")}});
    insertRow(table, {{QStringLiteral("F_code"), QStringLiteral("120")}});
    QSqlQuery q;
    if (which == QLatin1String("patrol"))
        QVERIFY(q.exec(QStringLiteral("update T_XLinfo set F_DSRemp = '张三' where F_code = '012'")));
    if (which == QLatin1String("facilities")) {
        QVERIFY(q.exec(QStringLiteral("update T_publicSet set F_name = '电梯' where F_code = '012'")));
        QVERIFY(q.exec(QStringLiteral("update T_publicSet set F_spec = '100%功率' where F_code = '120'")));
    }
    QPointer<RecordListWindow> w = open(which);
    w->filterBar()->fieldSelector()->setCurrentIndex(item);
    w->filterBar()->textBox()->setText(text);
    QCOMPARE(codes(w), expected);
    w->close();
}

void TestRegisters::deleteQuestions_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("question");
    QTest::newRow("suggestions") << "suggestions" << "真的要删除当前单据编号007吗？";
    QTest::newRow("cleaning") << "cleaning" << "真的要删除当前编号007吗？";
    QTest::newRow("patrol") << "patrol" << "真的要删除当前巡逻资料007吗？";
    QTest::newRow("facilities") << "facilities" << "真的要删除当前设施电梯吗？";
}

void TestRegisters::deleteQuestions()
{
    QFETCH(QString, which);
    QFETCH(QString, question);
    EstateSession session;
    const QString table = tableOf(which);
    insertRow(table, {{QStringLiteral("F_code"), QStringLiteral("007")}});
    if (table == QLatin1String("T_publicSet")) {
        QSqlQuery q;
        QVERIFY(q.exec(QStringLiteral("update T_publicSet set F_name = '电梯'")));
    }
    ScriptedMessages messages;
    QPointer<RecordListWindow> w = open(which);
    messages.answerNext(AnswerNo);
    w->findChild<QToolButton *>(QStringLiteral("tbDel"))->click();
    QCOMPARE(messages.last().text, question);
    QCOMPARE(count(table), 1);
    w->findChild<QToolButton *>(QStringLiteral("tbDel"))->click();
    QCOMPARE(count(table), 0);
    w->close();
}

namespace {
// Reaches the delegate's cell styling.
struct CellProbe : GridCellDelegate {
    using GridCellDelegate::GridCellDelegate;
    using GridCellDelegate::initStyleOption;
};
}  // namespace

void TestRegisters::stoppedFacilitiesHiddenUnlessAskedAndRed()
{
    EstateSession session;
    insertRow(QStringLiteral("T_publicSet"), {{QStringLiteral("F_code"), QStringLiteral("001")},
                                              {QStringLiteral("F_useFlag"), 0}});
    insertRow(QStringLiteral("T_publicSet"), {{QStringLiteral("F_code"), QStringLiteral("002")},
                                              {QStringLiteral("F_useFlag"), 1}});
    insertRow(QStringLiteral("T_publicSet"), {{QStringLiteral("F_code"), QStringLiteral("003")}});
    QPointer<RecordListWindow> w = open(QStringLiteral("facilities"));
    QCOMPARE(codes(w), (QStringList{"001", "003"}));
    w->findChild<QCheckBox *>(QStringLiteral("CheckBox2"))->click();
    QCOMPARE(codes(w), (QStringList{"001", "002", "003"}));

    CellProbe probe(w->grid());
    probe.flagRowsBy(QStringLiteral("F_useFlag"));
    QStyleOptionViewItem normal;
    probe.initStyleOption(&normal, w->grid()->model()->index(0, 0));
    QStyleOptionViewItem stopped;
    probe.initStyleOption(&stopped, w->grid()->model()->index(1, 0));
    QCOMPARE(stopped.palette.color(QPalette::Text), QColor(Qt::red));
    QVERIFY(normal.palette.color(QPalette::Text) != QColor(Qt::red));
    QCOMPARE(stopped.backgroundBrush.color(), QApplication::palette().button().color());
    w->close();
}

void TestRegisters::facilityAmountFollowsQuantityAndPrice()
{
    EstateSession session;
    ScriptedMessages messages;
    QPointer<RecordListWindow> w = open(QStringLiteral("facilities"));
    bool opened = false;
    whenOpens(QStringLiteral("TfrmPublicSetEdit"), &opened, [](QDialog *dialog) {
        input<QLineEdit>(dialog, "edtName")->setText(QStringLiteral("路灯"));
        input<NumberEdit>(dialog, "rceAmount")->setValue(3);
        input<NumberEdit>(dialog, "ceprice")->setValue(2.5);
        QCOMPARE(input<NumberEdit>(dialog, "ceTotalprice")->value(), 7.5);
        input<NumberEdit>(dialog, "ceTotalprice")->setValue(8);
        input<QCheckBox>(dialog, "CheckBox1")->setChecked(false);
        input<QPushButton>(dialog, "Button1")->click();
    });
    w->findChild<QToolButton *>(QStringLiteral("tbNew"))->click();
    QVERIFY(opened);
    QCOMPARE(w->currentValue(QStringLiteral("F_totalprice")).toDouble(), 8.0);

    // Reopening keeps the typed amount until quantity or price change.
    whenOpens(QStringLiteral("TfrmPublicSetEdit"), &opened, [](QDialog *dialog) {
        QCOMPARE(input<NumberEdit>(dialog, "ceTotalprice")->value(), 8.0);
        input<NumberEdit>(dialog, "rceAmount")->setValue(4);
        QCOMPARE(input<NumberEdit>(dialog, "ceTotalprice")->value(), 10.0);
        input<QPushButton>(dialog, "Button1")->click();
    });
    w->findChild<QToolButton *>(QStringLiteral("tbEdit"))->click();
    QVERIFY(opened);
    QCOMPARE(w->currentValue(QStringLiteral("F_totalprice")).toDouble(), 10.0);
    QCOMPARE(messages.count(), 0);
    w->close();
}

void TestRegisters::takenSuggestionNumberStopsSilently()
{
    EstateSession session;
    insertRow(QStringLiteral("T_YJinfo"), {{QStringLiteral("F_code"), QStringLiteral("005")}});
    ScriptedMessages messages;
    QPointer<RecordListWindow> w = open(QStringLiteral("suggestions"));
    bool opened = false;
    whenOpens(QStringLiteral("TfrmYJinfoEdit"), &opened, [&messages](QDialog *dialog) {
        QCOMPARE(input<QLineEdit>(dialog, "edtCode")->text(), QStringLiteral("006"));
        input<QLineEdit>(dialog, "edtCode")->setText(QStringLiteral("005"));
        input<QPushButton>(dialog, "Button1")->click();
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->focusWidget(), input<QLineEdit>(dialog, "edtCode"));
        QCOMPARE(messages.count(), 0);
        input<QLineEdit>(dialog, "edtCode")->setText(QStringLiteral(" "));
        input<QPushButton>(dialog, "Button1")->click();
        QCOMPARE(messages.texts(), QStringList{QStringLiteral("单据编号不能为空！")});
    });
    w->findChild<QToolButton *>(QStringLiteral("tbNew"))->click();
    QVERIFY(opened);
    QCOMPARE(count(QStringLiteral("T_YJinfo")), 1);
    w->close();
}

void TestRegisters::takenPatrolNumberTakesTheNextFree()
{
    EstateSession session;
    insertRow(QStringLiteral("T_XLinfo"), {{QStringLiteral("F_code"), QStringLiteral("000001")}});
    ScriptedMessages messages;
    QPointer<RecordListWindow> w = open(QStringLiteral("patrol"));
    bool opened = false;
    whenOpens(QStringLiteral("TfrmXLinfoEdit"), &opened, [](QDialog *dialog) {
        input<QLineEdit>(dialog, "edtCode")->setText(QStringLiteral("000001"));
        input<QCheckBox>(dialog, "CheckBox1")->setChecked(false);
        input<QPushButton>(dialog, "Button1")->click();
    });
    w->findChild<QToolButton *>(QStringLiteral("tbNew"))->click();
    QVERIFY(opened);
    QCOMPARE(messages.count(), 0);
    QCOMPARE(codes(w), (QStringList{"000001", "000002"}));
    w->close();
}

void TestRegisters::patrolTimeIsKeptWhenUntouched()
{
    EstateSession session;
    ScriptedMessages messages;
    QPointer<RecordListWindow> w = open(QStringLiteral("patrol"));
    bool opened = false;
    whenOpens(QStringLiteral("TfrmXLinfoEdit"), &opened, [](QDialog *dialog) {
        input<QTimeEdit>(dialog, "dtpTime")->setTime(QTime(21, 15, 30));
        input<QDateEdit>(dialog, "dtpDate")->setDate(QDate(2024, 2, 29));
        input<QCheckBox>(dialog, "CheckBox1")->setChecked(false);
        input<QPushButton>(dialog, "Button1")->click();
    });
    w->findChild<QToolButton *>(QStringLiteral("tbNew"))->click();
    QVERIFY(opened);
    const int id = w->currentValue(QStringLiteral("F_ID")).toInt();
    QCOMPARE(value(QStringLiteral("T_XLinfo"), id, QStringLiteral("F_time")).toString().left(8),
             QStringLiteral("21:15:30"));

    whenOpens(QStringLiteral("TfrmXLinfoEdit"), &opened, [](QDialog *dialog) {
        QCOMPARE(input<QTimeEdit>(dialog, "dtpTime")->time(), QTime(21, 15, 30));
        QVERIFY(input<QLineEdit>(dialog, "edtCode")->isReadOnly());
        input<QLineEdit>(dialog, "edtCLRemp")->setText(QStringLiteral("王队长"));
        input<QPushButton>(dialog, "Button1")->click();
    });
    w->findChild<QToolButton *>(QStringLiteral("tbEdit"))->click();
    QVERIFY(opened);
    QCOMPARE(value(QStringLiteral("T_XLinfo"), id, QStringLiteral("F_time")).toString().left(8),
             QStringLiteral("21:15:30"));
    QCOMPARE(value(QStringLiteral("T_XLinfo"), id, QStringLiteral("F_CLRemp")).toString(), QStringLiteral("王队长"));
    QCOMPARE(w->grid()->gridModel()->data(w->grid()->gridModel()->index(0, w->grid()->columnOfField(QStringLiteral("F_time")))).toString(),
             QStringLiteral("21:15:30"));
    w->close();
}

void TestRegisters::suggestionValueListCombinesWithTheFilter()
{
    EstateSession session;
    const auto add = [](const char *code, const char *type, const char *owner) {
        insertRow(QStringLiteral("T_YJinfo"), {{QStringLiteral("F_code"), QString::fromUtf8(code)},
                                               {QStringLiteral("F_type"), QString::fromUtf8(type)},
                                               {QStringLiteral("F_YZname"), QString::fromUtf8(owner)}});
    };
    add("001", "投诉", "张三");
    add("002", "建议", "张三");
    add("003", "投诉", "李四");
    auto *w = static_cast<TfrmYJinfoGL *>(open(QStringLiteral("suggestions")));
    QPointer<RecordListWindow> guard = w;
    QCOMPARE(w->valueList()->values(), (QStringList{"建议", "投诉"}));
    QVERIFY(w->valueList()->selectValue(QStringLiteral("投诉")));
    QCOMPARE(codes(w), (QStringList{"001", "003"}));
    w->filterBar()->fieldSelector()->setCurrentIndex(2);
    w->filterBar()->textBox()->setText(QStringLiteral("张"));
    QCOMPARE(codes(w), QStringList{"001"});
    w->valueList()->kindSelector()->setCurrentIndex(2);
    QCOMPARE(w->valueList()->values(), (QStringList{"张三", "李四"}));
    QCOMPARE(codes(w), (QStringList{"001", "002"}));
    w->close();
}

void TestRegisters::restrictedOperatorSeesHisAreasAndUnassignedRows()
{
    insertRow(QStringLiteral("T_BJinfo"), {{QStringLiteral("F_code"), QStringLiteral("000001")},
                                           {QStringLiteral("F_XQname"), QStringLiteral("阳光小区")}});
    insertRow(QStringLiteral("T_BJinfo"), {{QStringLiteral("F_code"), QStringLiteral("000002")},
                                           {QStringLiteral("F_XQname"), QStringLiteral("月亮小区")}});
    insertRow(QStringLiteral("T_BJinfo"), {{QStringLiteral("F_code"), QStringLiteral("000003")}});
    EstateSession session({QStringLiteral("阳光小区")}, true);
    QPointer<RecordListWindow> w = open(QStringLiteral("cleaning"));
    QCOMPARE(codes(w), (QStringList{"000001", "000003"}));
    w->close();
}

VEL_DB_TEST_MAIN(TestRegisters)
#include "tst_registers.moc"
