#include "app/datamodule.h"
#include "app/grid/gridcolumnformats.h"
#include "app/grid/gridconfig.h"
#include "app/grid/gridmodel.h"
#include "app/grid/gridview.h"
#include "app/grid/tdlgeditcurlist.h"
#include "app/grid/tfrmdispfieldxz.h"
#include "app/numberformat.h"
#include "dbtestmain.h"
#include "scriptedmessages.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QTimer>

// The data grid: settings kept in cfg_Grid, display formats by class,
// footers, title-click sorting and the small dialogs of the grid menu.
class TestGrid : public QObject {
    Q_OBJECT

private slots:
    void classFormats_data();
    void classFormats();

    void modelPassesTheTester();
    void storedSettingsReplaceDesignedColumns();
    void keyWithoutRowsKeepsDesignedColumns();
    void hiddenColumnComesBackUnlessSaved();
    void savedOrderAndWidthsPersist();
    void chooserCancelChangesNothing();

    void titleClickSorting_data();
    void titleClickSorting();
    void titleClickOnClosedRecordSetDoesNothing();

    void footerShowsTextAndSum();
    void snapshotHoldsHiddenColumnsAndRawValues();
    void reopeningStartsOnFirstRowAndKeepsLayout();
    void askColumnValue();

private:
    static void addFeeItem(const QString &code, const QString &name, double price, const QString &memo);
    static void openFeeItems(QSqlQueryModel *records);
    static GridColumns designedColumns();
    static void clickTitle(GridView *grid, int column);
};

void TestGrid::addFeeItem(const QString &code, const QString &name, double price, const QString &memo)
{
    QSqlQuery q;
    q.prepare(QStringLiteral("insert into T_FYinfo (F_code, F_name, F_SFprice, F_memo1) values (:c, :n, :p, :m)"));
    q.bindValue(QStringLiteral(":c"), code);
    q.bindValue(QStringLiteral(":n"), name);
    q.bindValue(QStringLiteral(":p"), price);
    q.bindValue(QStringLiteral(":m"), memo);
    QVERIFY2(q.exec(), qPrintable(q.lastError().text()));
}

void TestGrid::openFeeItems(QSqlQueryModel *records)
{
    QVERIFY(dmData().OpenQuery(records, QStringLiteral("select * from T_FYinfo order by F_code")));
}

GridColumns TestGrid::designedColumns()
{
    return {{QStringLiteral("F_code"), QStringLiteral("编号")},
            {QStringLiteral("F_name"), QStringLiteral("名称")},
            {QStringLiteral("F_SFprice"), QStringLiteral("单位价格")},
            {QStringLiteral("F_memo1"), QStringLiteral("备注")}};
}

void TestGrid::clickTitle(GridView *grid, int column)
{
    if (!grid->isVisible()) {
        grid->resize(500, 240);
        grid->show();
        QVERIFY(QTest::qWaitForWindowExposed(grid));
    }
    QHeaderView *header = grid->horizontalHeader();
    const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

void TestGrid::classFormats_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("formatClass");
    QTest::addColumn<QString>("expected");   // amount, price, total or "-" for none
    QTest::newRow("1 total price") << "F_totalPrice" << 1 << "total";
    QTest::newRow("1 unit price") << "F_price" << 1 << "price";
    QTest::newRow("1 amount") << "F_amount" << 1 << "amount";
    QTest::newRow("1 price without underscore") << "F_SFprice" << 1 << "-";
    QTest::newRow("2 total price") << "F_totalPrice" << 2 << "total";
    QTest::newRow("2 unit price") << "F_price" << 2 << "total";
    QTest::newRow("2 area") << "F_buildArea" << 2 << "amount";
    QTest::newRow("3 price") << "F_YSprice" << 3 << "total";
    QTest::newRow("4 value column") << "F_SZ12" << 4 << "total";
    QTest::newRow("5 price") << "F_SFprice" << 5 << "price";
    QTest::newRow("5 code") << "F_code" << 5 << "-";
    QTest::newRow("unknown class") << "F_price" << 7 << "-";
}

void TestGrid::classFormats()
{
    QFETCH(QString, field);
    QFETCH(int, formatClass);
    QFETCH(QString, expected);
    const GridColumnFormats::Formats f{QStringLiteral("amount"), QStringLiteral("price"), QStringLiteral("total")};
    QString format = QStringLiteral("-");
    const bool matched = GridColumnFormats::formatFor(field, formatClass, f, &format);
    QCOMPARE(matched, expected != QLatin1String("-"));
    QCOMPARE(format, expected);
}

void TestGrid::modelPassesTheTester()
{
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    addFeeItem(QStringLiteral("001"), QStringLiteral("水费"), 2.5, QString());
    QSqlQueryModel records;
    GridView grid;
    grid.setColumns(designedColumns());
    grid.setRecordSet(&records);
    QAbstractItemModelTester tester(grid.gridModel(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    openFeeItems(&records);
    addFeeItem(QStringLiteral("002"), QStringLiteral("电费"), 0.8, QString());
    openFeeItems(&records);
    QCOMPARE(grid.rowCount(), 2);
    clickTitle(&grid, 1);
    grid.setSortMode(GridView::SortMode::AnyColumn);
    clickTitle(&grid, 1);
    LoadGridConfig(&grid, QStringLiteral("FYinfoGL"));
    QCOMPARE(grid.rowCount(), 2);
}

void TestGrid::storedSettingsReplaceDesignedColumns()
{
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    GridView grid;
    grid.setColumns({{QStringLiteral("F_code"), QStringLiteral("designed")}});
    // Keys match without regard to letter case.
    LoadGridConfig(&grid, QStringLiteral("fyinfogl"));
    const GridColumns columns = grid.columns();
    QCOMPARE(columns.size(), 7);
    QCOMPARE(columns.at(0).fieldName, QStringLiteral("F_code"));
    QCOMPARE(columns.at(0).caption, QStringLiteral("编号"));
    QCOMPARE(columns.at(3).fieldName, QStringLiteral("F_SFprice"));
    QCOMPARE(columns.at(3).displayFormat, QStringLiteral("￥,0.00##;-￥,0.00##"));
    QCOMPARE(columns.at(3).width, 80);
}

void TestGrid::keyWithoutRowsKeepsDesignedColumns()
{
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    ScriptedMessages messages;
    GridView grid;
    grid.setColumns(designedColumns());
    LoadGridConfig(&grid, QStringLiteral("NoSuchGrid"));
    QCOMPARE(grid.columns(), designedColumns());

    grid.setColumnVisible(0, false);
    SaveGridConfig(&grid, QStringLiteral("NoSuchGrid"));
    QSqlQuery q;
    QVERIFY(q.exec(QStringLiteral("select count(*) from cfg_Grid where F_name = 'NoSuchGrid'")));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(), 0);
    QCOMPARE(messages.count(), 0);
}

void TestGrid::hiddenColumnComesBackUnlessSaved()
{
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    ScriptedMessages messages;
    const QString key = QStringLiteral("FYinfoGL");
    {
        GridView grid;
        grid.setGridKey(key);
        LoadGridConfig(&grid, key);
        // The chooser lists the titles in grid order; untick "名称".
        QTimer::singleShot(0, [] {
            auto *dialog = qobject_cast<TFrmDispFieldXZ *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            auto *list = dialog->findChild<QListWidget *>(QStringLiteral("CheckListBox1"));
            QCOMPARE(list->item(1)->text(), QStringLiteral("名称"));
            list->item(1)->setCheckState(Qt::Unchecked);
            dialog->findChild<QPushButton *>(QStringLiteral("Button1"))->click();
        });
        grid.findChild<QAction *>(QStringLiteral("N1"))->trigger();
        QVERIFY(grid.isColumnHidden(1));
        QVERIFY(!grid.columns().at(1).visible);
    }
    {
        GridView grid;
        LoadGridConfig(&grid, key);
        QVERIFY(!grid.isColumnHidden(1));
    }
    {
        GridView grid;
        grid.setGridKey(key);
        LoadGridConfig(&grid, key);
        grid.setColumnVisible(1, false);
        messages.answerNext(AnswerNo);
        grid.findChild<QAction *>(QStringLiteral("N2"))->trigger();
        QCOMPARE(messages.last().text, QStringLiteral("真的要保存当前网格设置吗？"));
        QCOMPARE(messages.last().kind, int(MessQuestion));
    }
    {
        GridView grid;
        grid.setGridKey(key);
        LoadGridConfig(&grid, key);
        QVERIFY(!grid.isColumnHidden(1));
        grid.setColumnVisible(1, false);
        messages.answerNext(AnswerYes);
        grid.findChild<QAction *>(QStringLiteral("N2"))->trigger();
    }
    GridView grid;
    LoadGridConfig(&grid, key);
    QVERIFY(grid.isColumnHidden(1));
    QCOMPARE(grid.columns().size(), 7);
}

void TestGrid::savedOrderAndWidthsPersist()
{
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    const QString key = QStringLiteral("FYinfoGL");
    {
        GridView grid;
        LoadGridConfig(&grid, key);
        grid.horizontalHeader()->moveSection(5, 0);     // the area first
        grid.setColumnWidth(1, 150);                     // a wider name
        grid.setColumnDisplayFormat(3, QStringLiteral("0.00"));
        SaveGridConfig(&grid, key);
    }
    GridView grid;
    LoadGridConfig(&grid, key);
    const GridColumns columns = grid.columns();
    QCOMPARE(columns.at(0).fieldName, QStringLiteral("F_XQname"));
    QCOMPARE(columns.at(1).fieldName, QStringLiteral("F_code"));
    QCOMPARE(columns.at(2).fieldName, QStringLiteral("F_name"));
    QCOMPARE(columns.at(2).width, 150);
    QCOMPARE(columns.at(4).displayFormat, QStringLiteral("0.00"));
}

void TestGrid::chooserCancelChangesNothing()
{
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    GridView grid;
    grid.setColumns(designedColumns());
    QTimer::singleShot(0, [] {
        auto *dialog = qobject_cast<TFrmDispFieldXZ *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("字段列表"));
        dialog->setTick(0, false);
        dialog->findChild<QPushButton *>(QStringLiteral("Button2"))->click();
    });
    QVERIFY(!ChooseColumns(&grid));
    QVERIFY(!grid.isColumnHidden(0));
}

void TestGrid::titleClickSorting_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("column");
    QTest::addColumn<QStringList>("firstClick");    // codes in order after one click
    QTest::addColumn<QStringList>("secondClick");
    const QStringList unsorted{"001", "002", "003"};
    QTest::newRow("any column, name") << int(GridView::SortMode::AnyColumn) << 1
                                      << QStringList{"003", "001", "002"} << QStringList{"002", "001", "003"};
    QTest::newRow("any column, price") << int(GridView::SortMode::AnyColumn) << 2
                                       << QStringList{"002", "003", "001"} << QStringList{"001", "003", "002"};
    QTest::newRow("any column, remark") << int(GridView::SortMode::AnyColumn) << 3
                                        << QStringList{"003", "002", "001"} << QStringList{"001", "002", "003"};
    QTest::newRow("remark not sorted") << int(GridView::SortMode::AnyButMemo) << 3 << unsorted << unsorted;
    QTest::newRow("no sorting") << int(GridView::SortMode::None) << 1 << unsorted << unsorted;
}

void TestGrid::titleClickSorting()
{
    QFETCH(int, mode);
    QFETCH(int, column);
    QFETCH(QStringList, firstClick);
    QFETCH(QStringList, secondClick);
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    addFeeItem(QStringLiteral("001"), QStringLiteral("b water"), 3, QStringLiteral("z"));
    addFeeItem(QStringLiteral("002"), QStringLiteral("C power"), 1, QStringLiteral("y"));
    addFeeItem(QStringLiteral("003"), QStringLiteral("a gas"), 2, QStringLiteral("x"));
    QSqlQueryModel records;
    GridView grid;
    grid.resize(400, 200);
    grid.setColumns(designedColumns());
    grid.setRecordSet(&records);
    grid.setSortMode(GridView::SortMode(mode));
    openFeeItems(&records);
    grid.setCurrentRow(1);   // on 002

    auto codes = [&grid] {
        QStringList out;
        for (int r = 0; r < grid.rowCount(); ++r)
            out << grid.value(r, QStringLiteral("F_code")).toString();
        return out;
    };
    clickTitle(&grid, column);
    QCOMPARE(codes(), firstClick);
    QCOMPARE(grid.currentValue(QStringLiteral("F_code")).toString(), QStringLiteral("002"));
    if (GridView::SortMode(mode) == GridView::SortMode::None)
        QVERIFY(!grid.sortMarker(column));
    else
        QCOMPARE(grid.sortMarker(column), Qt::AscendingOrder);
    clickTitle(&grid, column);
    QCOMPARE(codes(), secondClick);
    if (GridView::SortMode(mode) != GridView::SortMode::None)
        QCOMPARE(grid.sortMarker(column), Qt::DescendingOrder);
    clickTitle(&grid, column);
    QCOMPARE(codes(), firstClick);
}

void TestGrid::titleClickOnClosedRecordSetDoesNothing()
{
    GridView grid;
    grid.setColumns(designedColumns());
    QSqlQueryModel records;
    grid.setRecordSet(&records);
    grid.setSortMode(GridView::SortMode::AnyColumn);
    grid.resize(400, 200);
    clickTitle(&grid, 0);
    QVERIFY(!grid.sortMarker(0));
}

void TestGrid::footerShowsTextAndSum()
{
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    addFeeItem(QStringLiteral("001"), QStringLiteral("a"), 1234.5, QString());
    addFeeItem(QStringLiteral("002"), QStringLiteral("b"), 0.25, QString());
    QSqlQueryModel records;
    GridView grid;
    GridColumns columns = designedColumns();
    columns[0].footerType = GridColumn::FooterText;
    columns[0].footerText = QStringLiteral("合  计");
    columns[2].footerType = GridColumn::FooterSum;
    columns[2].displayFormat = QStringLiteral("￥,0.00");
    grid.setColumns(columns);
    grid.setRecordSet(&records);
    QVERIFY(grid.hasFooter());
    QCOMPARE(grid.footerText(0), QStringLiteral("合  计"));
    openFeeItems(&records);
    QCOMPARE(grid.gridModel()->columnSum(2), 1234.75);
    QCOMPARE(grid.footerText(2), formatNumber(1234.75, QStringLiteral("￥,0.00")));
    QCOMPARE(grid.footerText(1), QString());
    // Cells use the column's format too; the raw value stays reachable.
    const QModelIndex cell = grid.gridModel()->index(0, 2);
    QCOMPARE(cell.data().toString(), formatNumber(1234.5, QStringLiteral("￥,0.00")));
    QCOMPARE(cell.data(GridModel::RawValueRole).toDouble(), 1234.5);
    grid.resize(400, 300);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    auto *footer = grid.findChild<QWidget *>(QStringLiteral("GridFooter"));
    QVERIFY(footer && footer->isVisible());
    QVERIFY(footer->geometry().top() > grid.viewport()->geometry().bottom());
}

void TestGrid::snapshotHoldsHiddenColumnsAndRawValues()
{
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    addFeeItem(QStringLiteral("001"), QStringLiteral("水费"), 2.5, QStringLiteral("memo"));
    QSqlQueryModel records;
    GridView grid;
    grid.setColumns(designedColumns());
    grid.setRecordSet(&records);
    openFeeItems(&records);
    grid.setColumnVisible(1, false);
    grid.horizontalHeader()->moveSection(3, 0);
    const GridSnapshot snap = grid.snapshot();
    QCOMPARE(snap.columns.size(), 4);
    QCOMPARE(snap.columns.at(0).fieldName, QStringLiteral("F_memo1"));
    QCOMPARE(snap.columns.at(2).fieldName, QStringLiteral("F_name"));
    QVERIFY(!snap.columns.at(2).visible);
    QCOMPARE(snap.rows.size(), 1);
    QCOMPARE(snap.rows.at(0).at(0).toString(), QStringLiteral("memo"));
    QCOMPARE(snap.rows.at(0).at(2).toString(), QStringLiteral("水费"));
    QCOMPARE(snap.rows.at(0).at(3).toDouble(), 2.5);
}

void TestGrid::reopeningStartsOnFirstRowAndKeepsLayout()
{
    TestDatabase tdb;
    QVERIFY(tdb.isValid());
    for (const char *code : {"001", "002", "003"})
        addFeeItem(QString::fromLatin1(code), QString::fromLatin1(code), 1, QString());
    QSqlQueryModel records;
    GridView grid;
    grid.setColumns(designedColumns());
    grid.setRecordSet(&records);
    openFeeItems(&records);
    QCOMPARE(grid.currentRow(), 0);
    grid.setColumnWidth(1, 177);
    grid.setColumnVisible(3, false);
    grid.horizontalHeader()->moveSection(2, 0);
    grid.setCurrentRow(2);
    QSignalSpy moved(&grid, &GridView::currentRowChanged);
    openFeeItems(&records);
    QCOMPARE(grid.currentRow(), 0);
    QVERIFY(!moved.isEmpty());
    QCOMPARE(moved.last().at(0).toInt(), 0);
    QCOMPARE(grid.columnWidth(1), 177);
    QVERIFY(grid.isColumnHidden(3));
    QCOMPARE(grid.columns().at(0).fieldName, QStringLiteral("F_SFprice"));

    QVERIFY(dmData().OpenQuery(&records, QStringLiteral("select * from T_FYinfo where F_code = 'none'")));
    QCOMPARE(grid.currentRow(), -1);
    QCOMPARE(moved.last().at(0).toInt(), -1);
}

void TestGrid::askColumnValue()
{
    QTimer::singleShot(0, [] {
        auto *dialog = qobject_cast<TDLGeditCurList *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("批量修改当前列"));
        dialog->findChild<QLineEdit *>(QStringLiteral("Edit1"))->setText(QStringLiteral(" 二号 "));
        dialog->findChild<QPushButton *>(QStringLiteral("Button1"))->click();
    });
    QCOMPARE(AskColumnValue(QStringLiteral("F_FZname")), QStringLiteral(" 二号 "));
    QTimer::singleShot(0, [] {
        auto *dialog = qobject_cast<TDLGeditCurList *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->findChild<QLineEdit *>(QStringLiteral("Edit1"))->setText(QStringLiteral("x"));
        dialog->findChild<QPushButton *>(QStringLiteral("Button2"))->click();
    });
    QCOMPARE(AskColumnValue(QStringLiteral("F_FZname")), QString());
}

VEL_DB_TEST_MAIN(TestGrid)
#include "tst_grid.moc"
