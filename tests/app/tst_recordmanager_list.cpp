#include "app/datamodule.h"
#include "app/grid/gridmodel.h"
#include "app/grid/gridview.h"
#include "app/recordmanager/filterbar.h"
#include "app/recordmanager/statuspanels.h"
#include "dbtestmain.h"
#include "recordmanagerfixture.h"
#include "scriptedmessages.h"

#include <QComboBox>
#include <QLineEdit>

using namespace fixture;

// The list window of the record manager, built from a description only:
// filters, empty-table guards, delete, navigation, keys, print and export.
class TestRecordManagerList : public QObject {
    Q_OBJECT

private slots:
    void filters_data();
    void filters();
    void codeListFilterUsesTheDropDown();
    void blankFilterItemLeavesTheValueBoxes();
    void displayFormatsFollowTheSettings();
    void emptyTableGuards();
    void deleteAsksAndReopensOnTheFirstRow();
    void deleteKeyInTheFilterBoxAsksToo();
    void navigationEnabling_data();
    void navigationEnabling();
    void listKeys();
    void printDesignAndExport();

private:
    struct Window {
        ListWindowDef def = suggestionsList();
        RecordListWindow window{def};
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
        QString current() const { return window.currentValue(QStringLiteral("F_code")).toString(); }
    };
};

void TestRecordManagerList::filters_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("no item chosen") << -1 << QString() << QStringList{"001", "002", "003", "004", "005", "006"};
    QTest::newRow("code prefix") << 0 << "00" << QStringList{"001", "002", "003", "004", "005", "006"};
    QTest::newRow("code is a prefix, not contains") << 0 << "1" << QStringList{};
    QTest::newRow("code prefix trimmed") << 0 << " 003 " << QStringList{"003"};
    QTest::newRow("contains") << 1 << "rien" << QStringList{"001"};
    QTest::newRow("letter case ignored") << 1 << "BRIEN" << QStringList{"001"};
    QTest::newRow("a quote") << 1 << "O'B" << QStringList{"001"};
    QTest::newRow("a percent sign") << 1 << "10%" << QStringList{"002"};
    QTest::newRow("an underscore") << 1 << "A_1" << QStringList{"004"};
    QTest::newRow("a backslash") << 1 << "a\\b" << QStringList{"006"};
    QTest::newRow("empty text matches all") << 1 << "" << QStringList{"001", "002", "003", "004", "005", "006"};
}

void TestRecordManagerList::filters()
{
    QFETCH(int, item);
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    ScriptedMessages messages;
    addSuggestion(QStringLiteral("001"), QStringLiteral("O'Brien"));
    addSuggestion(QStringLiteral("002"), QStringLiteral("10%off"));
    addSuggestion(QStringLiteral("003"), QStringLiteral("100ff"));
    addSuggestion(QStringLiteral("004"), QStringLiteral("A_1"));
    addSuggestion(QStringLiteral("005"), QStringLiteral("AB1"));
    addSuggestion(QStringLiteral("006"), QStringLiteral("a\\b"));
    Window w;
    auto *field = w.window.findChild<QComboBox *>(QStringLiteral("ComboBox1"));
    auto *edit = w.window.findChild<QLineEdit *>(QStringLiteral("Edit1"));
    QVERIFY(field && edit);
    field->setCurrentIndex(item);
    edit->setText(text);
    QCOMPARE(w.codes(), expected);
    QCOMPARE(w.window.statusPanels()->panelText(3), QStringLiteral("记录数：") + QString::number(expected.size()));
    QCOMPARE(messages.count(), 0);
}

void TestRecordManagerList::codeListFilterUsesTheDropDown()
{
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    addSuggestion(QStringLiteral("001"), QStringLiteral("a"), QStringLiteral("投诉"));
    addSuggestion(QStringLiteral("002"), QStringLiteral("b"), QStringLiteral("建议"));
    Window w;
    auto *field = w.window.findChild<QComboBox *>(QStringLiteral("ComboBox1"));
    auto *edit = w.window.findChild<QLineEdit *>(QStringLiteral("Edit1"));
    auto *values = w.window.findChild<QComboBox *>(QStringLiteral("ComboBox2"));
    field->setCurrentIndex(1);
    edit->setText(QStringLiteral("b"));
    QCOMPARE(w.codes(), QStringList{"002"});

    field->setCurrentIndex(2);
    QVERIFY(values->isVisible());
    QVERIFY(!edit->isVisible());
    QVERIFY(edit->text().isEmpty());
    QCOMPARE(w.codes(), (QStringList{"001", "002"}));
    QVERIFY(values->findText(QStringLiteral("投诉")) >= 0);
    values->setCurrentIndex(values->findText(QStringLiteral("投诉")));
    QCOMPARE(w.codes(), QStringList{"001"});

    field->setCurrentIndex(1);
    QVERIFY(!values->isVisible());
    QVERIFY(edit->isVisible());
    QCOMPARE(w.codes(), (QStringList{"001", "002"}));
}

void TestRecordManagerList::blankFilterItemLeavesTheValueBoxes()
{
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    ScriptedMessages messages;
    addSuggestion(QStringLiteral("001"), QStringLiteral("a"), QStringLiteral("投诉"));
    addSuggestion(QStringLiteral("002"), QStringLiteral("b"), QStringLiteral("建议"));
    ListWindowDef def = suggestionsList();
    def.filters << FilterDef{};
    RecordListWindow window(def);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *field = window.findChild<QComboBox *>(QStringLiteral("ComboBox1"));
    auto *edit = window.findChild<QLineEdit *>(QStringLiteral("Edit1"));
    auto *values = window.findChild<QComboBox *>(QStringLiteral("ComboBox2"));
    const int blank = field->count() - 1;
    const auto codes = [&window] {
        QStringList out;
        for (int r = 0; r < window.grid()->rowCount(); ++r)
            out << window.grid()->value(r, QStringLiteral("F_code")).toString();
        return out;
    };

    field->setCurrentIndex(1);
    edit->setText(QStringLiteral("b"));
    field->setCurrentIndex(blank);
    QVERIFY(edit->isVisible());
    QCOMPARE(edit->text(), QStringLiteral("b"));

    field->setCurrentIndex(2);
    values->setCurrentIndex(values->findText(QStringLiteral("投诉")));
    QCOMPARE(codes(), QStringList{"001"});
    field->setCurrentIndex(blank);
    QVERIFY(values->isVisible());
    QVERIFY(!edit->isVisible());
    QCOMPARE(values->currentText(), QStringLiteral("投诉"));
    // The blank item adds no condition.
    click(&window, "SpeedButton1");
    QCOMPARE(codes(), (QStringList{"001", "002"}));
    QCOMPARE(messages.count(), 0);
}

void TestRecordManagerList::displayFormatsFollowTheSettings()
{
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    ScriptedMessages messages;
    TdmData data;
    data.SetDisplayDecimals(2, 2, 2);
    ListWindowDef def = suggestionsList();
    def.formatClass = 5;
    def.columns << GridColumn{QStringLiteral("F_price"), QStringLiteral("单价")};
    RecordListWindow window(def);
    const auto priceFormat = [&window] { return window.grid()->gridModel()->columns().last().displayFormat; };

    // A window not yet open takes its formats when it opens.
    data.SetDisplayDecimals(2, 3, 2);
    QVERIFY(priceFormat().isEmpty());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(priceFormat(), data.PriceFormat());

    data.SetDisplayDecimals(2, 4, 2);
    QCOMPARE(priceFormat(), QStringLiteral("￥,0.00##"));
    QCOMPARE(messages.count(), 0);
}

void TestRecordManagerList::emptyTableGuards()
{
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    ScriptedMessages messages;
    RecordedReports reports;
    Window w;
    QCOMPARE(w.window.statusPanels()->panelText(3), QStringLiteral("记录数：0"));
    QCOMPARE(w.window.statusPanels()->panelText(4), StatusPanels::companyLabel() + QStringLiteral("  "));

    click(&w.window, "tbEdit");
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.last().text, QStringLiteral("此表为空，没有记录需要修改！"));
    QCOMPARE(messages.last().kind, int(MessError));

    click(&w.window, "tbDel");
    click(&w.window, "tbPrint");
    QCOMPARE(messages.count(), 1);
    QVERIFY(reports.calls.isEmpty());
    // The designer opens on an empty list, to lay out a template.
    click(&w.window, "tbset");
    QCOMPARE(reports.calls.size(), 1);
    QCOMPARE(reports.calls.at(0).what, QStringLiteral("design"));
}

void TestRecordManagerList::deleteAsksAndReopensOnTheFirstRow()
{
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    ScriptedMessages messages;
    for (const char *c : {"001", "002", "003"})
        addSuggestion(QString::fromLatin1(c), QStringLiteral("n"));
    Window w;
    w.window.navigateLast();
    QCOMPARE(w.current(), QStringLiteral("003"));

    messages.answerNext(AnswerNo);
    click(&w.window, "tbDel");
    QCOMPARE(messages.last().caption, QStringLiteral("系统提示"));
    QCOMPARE(messages.last().text, QStringLiteral("真的要删除当前编号003吗？"));
    QVERIFY(messages.last().buttons == MessageRequest::Buttons::OkCancel);
    QCOMPARE(w.codes(), (QStringList{"001", "002", "003"}));

    messages.answerNext(AnswerYes);
    click(&w.window, "tbDel");
    QCOMPARE(w.codes(), (QStringList{"001", "002"}));
    QCOMPARE(column(QStringLiteral("select F_code from T_YJinfo order by F_code")), (QStringList{"001", "002"}));
    QCOMPARE(w.current(), QStringLiteral("001"));
    QCOMPARE(w.window.statusPanels()->panelText(3), QStringLiteral("记录数：2"));
}

void TestRecordManagerList::deleteKeyInTheFilterBoxAsksToo()
{
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    ScriptedMessages messages(AnswerNo);
    addSuggestion(QStringLiteral("001"), QStringLiteral("n"));
    Window w;
    auto *edit = w.window.findChild<QLineEdit *>(QStringLiteral("Edit1"));
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Delete);
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.last().text, QStringLiteral("真的要删除当前编号001吗？"));
    QCOMPARE(w.codes(), QStringList{"001"});
}

void TestRecordManagerList::navigationEnabling_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("enabled");   // first, prior, next, last as 1/0
    QTest::newRow("opened") << QStringList{} << "001" << "1111";
    QTest::newRow("first") << QStringList{"tbFirst"} << "001" << "0011";
    QTest::newRow("next") << QStringList{"tbNext"} << "002" << "1111";
    QTest::newRow("last") << QStringList{"tbLast"} << "003" << "1100";
    QTest::newRow("last, prior") << QStringList{"tbLast", "tbPrior"} << "002" << "1111";
    // Prior on the first row only sets the begin marker; the next one disables.
    QTest::newRow("prior at first after opening") << QStringList{"tbPrior"} << "001" << "0011";
    QTest::newRow("next, prior, prior") << QStringList{"tbNext", "tbPrior", "tbPrior"} << "001" << "1111";
    QTest::newRow("next, prior, prior, prior") << QStringList{"tbNext", "tbPrior", "tbPrior", "tbPrior"} << "001"
                                               << "0011";
    QTest::newRow("to the end by next") << QStringList{"tbNext", "tbNext", "tbNext", "tbNext"} << "003" << "1100";
    QTest::newRow("next twice lands on last, still enabled") << QStringList{"tbNext", "tbNext"} << "003" << "1111";
}

void TestRecordManagerList::navigationEnabling()
{
    QFETCH(QStringList, clicks);
    QFETCH(QString, current);
    QFETCH(QString, enabled);
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    for (const char *c : {"001", "002", "003"})
        addSuggestion(QString::fromLatin1(c), QStringLiteral("n"));
    Window w;
    for (const QString &name : clicks)
        click(&w.window, qPrintable(name));
    QCOMPARE(w.current(), current);
    const QString state = QString::number(fixture::enabled(&w.window, "tbFirst"))
                          + QString::number(fixture::enabled(&w.window, "tbPrior"))
                          + QString::number(fixture::enabled(&w.window, "tbNext"))
                          + QString::number(fixture::enabled(&w.window, "tbLast"));
    QCOMPARE(state, enabled);
}

void TestRecordManagerList::listKeys()
{
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    ScriptedMessages messages;
    for (const char *c : {"001", "002", "003"})
        addSuggestion(QString::fromLatin1(c), QStringLiteral("n"));
    Window w;
    GridView *grid = w.window.grid();
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_End);
    QCOMPARE(w.current(), QStringLiteral("003"));
    QVERIFY(!fixture::enabled(&w.window, "tbNext"));
    QTest::keyClick(grid, Qt::Key_PageUp);
    QCOMPARE(w.current(), QStringLiteral("002"));
    QTest::keyClick(grid, Qt::Key_Home);
    QCOMPARE(w.current(), QStringLiteral("001"));
    QTest::keyClick(grid, Qt::Key_PageDown);
    QCOMPARE(w.current(), QStringLiteral("002"));

    // Enter moves on to the next control instead of acting.
    auto *edit = w.window.findChild<QLineEdit *>(QStringLiteral("Edit1"));
    auto *field = w.window.findChild<QComboBox *>(QStringLiteral("ComboBox1"));
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), edit);

    // Ctrl+E opens the edit window on the current row; Escape closes it.
    QString seen;
    whenModal([&seen](QWidget *modal) {
        seen = modal->windowTitle();
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    QTest::keyClick(grid, Qt::Key_E, Qt::ControlModifier);
    QCOMPARE(seen, QStringLiteral("建议意见 - 修改"));
    whenModal([&seen](QWidget *modal) {
        seen = modal->windowTitle();
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    QTest::keyClick(grid, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(seen, QStringLiteral("建议意见 - 新增"));
    QCOMPARE(column(QStringLiteral("select count(*) from T_YJinfo")), QStringList{"3"});

    QVERIFY(w.window.isVisible());
    QTest::keyClick(grid, Qt::Key_Escape);
    QVERIFY(!w.window.isVisible());
    QCOMPARE(messages.count(), 0);
}

void TestRecordManagerList::printDesignAndExport()
{
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    RecordedReports reports;
    for (const char *c : {"001", "002", "003"})
        addSuggestion(QString::fromLatin1(c), QStringLiteral("n"));
    Window w;
    click(&w.window, "tbNext");
    click(&w.window, "tbPrint");
    auto *second = w.window.findChild<QAction *>(QStringLiteral("tbPrintItem2"));
    QVERIFY(second);
    second->trigger();
    click(&w.window, "tbset");
    click(&w.window, "tbExport");
    QCOMPARE(reports.calls.size(), 4);
    QCOMPARE(reports.calls.at(0).what, QStringLiteral("preview"));
    QCOMPARE(reports.calls.at(0).name, QStringLiteral("frTestYJ"));
    QCOMPARE(reports.calls.at(0).rows, 3);
    QCOMPARE(reports.calls.at(0).currentRow, 1);
    QCOMPARE(reports.calls.at(1).what, QStringLiteral("grid"));
    QCOMPARE(reports.calls.at(1).name, QStringLiteral("建议意见"));
    QCOMPARE(reports.calls.at(1).variables.value(QStringLiteral("footer")).toString(), QStringLiteral("date"));
    QCOMPARE(reports.calls.at(2).what, QStringLiteral("design"));
    QCOMPARE(reports.calls.at(2).name, QStringLiteral("frTestYJ"));
    QCOMPARE(reports.calls.at(3).what, QStringLiteral("export"));
    QCOMPARE(reports.calls.at(3).name, QStringLiteral("建议意见列表"));
    QCOMPARE(reports.calls.at(3).rows, 3);
}

VEL_DB_TEST_MAIN(TestRecordManagerList)
#include "tst_recordmanager_list.moc"
