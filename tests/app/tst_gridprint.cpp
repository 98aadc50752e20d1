// Grid printing: what the shared grid printer puts on its pages for the
// arguments of PrintGrid, and the preview it opens.

#include "app/gridprint.h"
#include "app/gridprinter.h"
#include "app/report/reportpreviewdialog.h"

#include <QApplication>
#include <QDate>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

GridSnapshotColumn column(const QString &field, const QString &caption, int width, int alignment = 0,
                          const QString &format = QString())
{
    GridSnapshotColumn c;
    c.fieldName = field;
    c.caption = caption;
    c.width = width;
    c.alignment = alignment;
    c.displayFormat = format;
    return c;
}

// A statistics grid: a hidden key, names, money with a sum footer, a fixed footer text.
GridSnapshot statisticsGrid(int rows)
{
    GridSnapshot grid;
    GridSnapshotColumn id = column(QStringLiteral("F_ID"), QStringLiteral("内部编号"), 40);
    id.visible = false;
    GridSnapshotColumn name = column(QStringLiteral("F_FZname"), QStringLiteral("业主姓名"), 100);
    name.footerType = 1;
    name.footerText = QStringLiteral("合计");
    GridSnapshotColumn money = column(QStringLiteral("F_totalPrice"), QStringLiteral("应交金额"), 100, 2,
                                      QStringLiteral("0.00"));
    money.footerType = 2;
    grid.columns << id << column(QStringLiteral("F_code"), QStringLiteral("房间编号"), 80, 1) << name << money
                 << column(QStringLiteral("F_memo"), QStringLiteral("备注"), 120);
    for (int r = 1; r <= rows; ++r)
        grid.rows << QList<QVariant>{r, QStringLiteral("A%1").arg(r, 3, 10, QLatin1Char('0')),
                                     QStringLiteral("业主%1").arg(r), r * 1.5, QString()};
    return grid;
}

QString today()
{
    return QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));
}

// Texts of one page placed with their rectangles.
QList<ReportDocument::Placed> withText(const ReportDocument &doc, int page, const QString &text)
{
    QList<ReportDocument::Placed> found;
    for (const ReportDocument::Placed &placed : doc.pages.at(page)) {
        if (placed.text == text)
            found << placed;
    }
    return found;
}

}  // namespace

class TestGridPrint : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void pageTexts_data();
    void pageTexts();
    void blankTextsLeaveNoTextOfAnEarlierPrint();
    void options_data();
    void options();
    void visibleColumnsFillThePageWidth();
    void rowsFlowOverPagesUnderRepeatedTitles();
    void footerRowShowsTextsAndSums();
    void pdfCarriesTheChineseTexts();
    void previewWindowShowsThePages();

private:
    ReportDocument printed() const
    {
        return GridPrinter::shared().layout(GridPrinter::shared().defaultPageLayout());
    }

    GridPreviewHandler m_previous;
    int m_previews = 0;
};

void TestGridPrint::init()
{
    m_previews = 0;
    m_previous = setGridPreviewHandler([this](const GridPrinter &) { ++m_previews; });
}

void TestGridPrint::cleanup()
{
    setGridPreviewHandler(m_previous);
}

void TestGridPrint::pageTexts_data()
{
    QTest::addColumn<QString>("footer");
    QTest::addColumn<QString>("header");
    QTest::addColumn<QString>("footerPrinted");

    QTest::newRow("statistics window") << "date" << "统计日期：自 2024-01-01 至 记帐最后一天"
                                       << QStringLiteral("打印日期：") + today();
    QTest::newRow("options window: no header") << "date" << "" << QStringLiteral("打印日期：") + today();
    QTest::newRow("other footer text as it is") << "经办人：张三" << "  " << "经办人：张三";
    QTest::newRow("only the exact keyword is a date") << "Date" << "" << "Date";
}

void TestGridPrint::pageTexts()
{
    QFETCH(QString, footer);
    QFETCH(QString, header);
    QFETCH(QString, footerPrinted);

    PrintGrid(statisticsGrid(60), QStringLiteral("物业费用统计"), 0, footer, header);
    QCOMPARE(m_previews, 1);
    const GridPrinter &printer = GridPrinter::shared();
    QCOMPARE(printer.title, QStringList({QString(), QStringLiteral("物业费用统计"), QString()}));
    QCOMPARE(printer.pageFooterRight, footerPrinted);

    const ReportDocument doc = printed();
    QVERIFY(doc.pageCount() >= 2);
    const QRectF body = doc.pageLayout.paintRect(QPageLayout::Millimeter);
    for (int p = 0; p < doc.pageCount(); ++p) {
        QCOMPARE(withText(doc, p, QStringLiteral("物业费用统计")).size(), p == 0 ? 1 : 0);
        const auto footers = withText(doc, p, footerPrinted);
        QCOMPARE(footers.size(), 1);
        QVERIFY(footers.first().style.alignment & Qt::AlignRight);
        QVERIFY(footers.first().rect.bottom() <= body.bottom() + 0.01);
        QCOMPARE(withText(doc, p, QStringLiteral("第 %1 页，共 %2 页").arg(p + 1).arg(doc.pageCount())).size(), 1);
        if (header.trimmed().isEmpty()) {
            QVERIFY(!doc.pageText(p).contains(QStringLiteral("统计日期")));
        } else {
            const auto headers = withText(doc, p, header);
            QCOMPARE(headers.size(), 1);
            QVERIFY(headers.first().style.alignment & Qt::AlignLeft);
            QCOMPARE(headers.first().rect.top(), body.top());
        }
    }
}

void TestGridPrint::blankTextsLeaveNoTextOfAnEarlierPrint()
{
    PrintGrid(statisticsGrid(3), QStringLiteral("缴费统计"), 0, QStringLiteral("date"),
              QStringLiteral("统计日期：自 启用系统 至 记帐最后一天"));
    QVERIFY(printed().pageText(0).contains(QStringLiteral("统计日期")));

    // The options window prints next, with no header and a blank footer.
    PrintGrid(statisticsGrid(3), QStringLiteral("楼层结构设置"), 1, QString(), QString());
    const QString text = printed().pageText(0);
    QVERIFY(!text.contains(QStringLiteral("统计日期")));
    QVERIFY(!text.contains(QStringLiteral("打印日期")));
    QVERIFY(text.contains(QStringLiteral("楼层结构设置")));
    QVERIFY(!text.contains(QStringLiteral("缴费统计")));
}

void TestGridPrint::options_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<bool>("stretched");

    QTest::newRow("0 stretches rows to their text") << 1 << 0 << true;
    QTest::newRow("1 keeps one line per row") << 0 << 1 << false;
    QTest::newRow("other values keep option 0") << 0 << 7 << true;
    QTest::newRow("other values keep option 1") << 1 << -1 << false;
}

void TestGridPrint::options()
{
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(bool, stretched);

    GridSnapshot grid = statisticsGrid(2);
    grid.rows[0][4] = QStringLiteral("这是一段很长的备注文字，用来检查打印时行高是否随内容增加而增加，直到全部显示出来为止。");
    PrintGrid(grid, QStringLiteral("标题"), first, QString(), QString());
    PrintGrid(grid, QStringLiteral("标题"), second, QString(), QString());
    QCOMPARE(GridPrinter::shared().fitToPageWidth, true);
    QCOMPARE(GridPrinter::shared().colour, true);

    const ReportDocument doc = printed();
    const auto longCell = withText(doc, 0, grid.rows[0][4].toString());
    const auto shortCell = withText(doc, 0, QStringLiteral("业主2"));
    QCOMPARE(longCell.size(), 1);
    QCOMPARE(shortCell.size(), 1);
    QCOMPARE(longCell.first().style.wordWrap, stretched);
    if (stretched)
        QVERIFY(longCell.first().rect.height() > shortCell.first().rect.height() * 1.5);
    else
        QCOMPARE(longCell.first().rect.height(), shortCell.first().rect.height());
    // Every cell of a row has the row's height.
    QCOMPARE(withText(doc, 0, QStringLiteral("业主1")).first().rect.height(), longCell.first().rect.height());
}

void TestGridPrint::visibleColumnsFillThePageWidth()
{
    PrintGrid(statisticsGrid(1), QStringLiteral("标题"), 0, QString(), QString());
    const ReportDocument doc = printed();
    const QRectF body = doc.pageLayout.paintRect(QPageLayout::Millimeter);
    const QStringList captions{QStringLiteral("房间编号"), QStringLiteral("业主姓名"), QStringLiteral("应交金额"),
                               QStringLiteral("备注")};
    double x = body.left();
    for (const QString &caption : captions) {
        const auto cells = withText(doc, 0, caption);
        QCOMPARE(cells.size(), 1);
        QCOMPARE(cells.first().rect.left(), x);
        x = cells.first().rect.right();
    }
    QVERIFY(qAbs(x - body.right()) < 0.01);
    // The hidden column is not printed.
    QVERIFY(withText(doc, 0, QStringLiteral("内部编号")).isEmpty());
    // Widths keep their proportions: 100 px against 80 px.
    QCOMPARE(withText(doc, 0, QStringLiteral("业主姓名")).first().rect.width() * 0.8,
             withText(doc, 0, QStringLiteral("房间编号")).first().rect.width());

    // A grid wider than a portrait page is printed across.
    GridSnapshot wide = statisticsGrid(1);
    for (GridSnapshotColumn &c : wide.columns)
        c.width = 300;
    PrintGrid(wide, QStringLiteral("标题"), 0, QString(), QString());
    QCOMPARE(GridPrinter::shared().defaultPageLayout().orientation(), QPageLayout::Landscape);
}

void TestGridPrint::rowsFlowOverPagesUnderRepeatedTitles()
{
    PrintGrid(statisticsGrid(120), QStringLiteral("标题"), 1, QStringLiteral("date"), QString());
    const ReportDocument doc = printed();
    QVERIFY(doc.pageCount() >= 3);
    const QRectF body = doc.pageLayout.paintRect(QPageLayout::Millimeter);
    QStringList codes;
    for (int p = 0; p < doc.pageCount(); ++p) {
        QCOMPARE(withText(doc, p, QStringLiteral("房间编号")).size(), 1);
        for (const ReportDocument::Placed &placed : doc.pages.at(p)) {
            if (placed.text.startsWith(QLatin1Char('A')))
                codes << placed.text;
            if (placed.style.frame != ReportItem::NoFrame)
                QVERIFY2(placed.rect.bottom() <= body.bottom() - 8 + 0.01, qPrintable(placed.text));
        }
    }
    QCOMPARE(codes.size(), 120);
    for (int i = 0; i < codes.size(); ++i)
        QCOMPARE(codes.at(i), QStringLiteral("A%1").arg(i + 1, 3, 10, QLatin1Char('0')));
}

void TestGridPrint::footerRowShowsTextsAndSums()
{
    PrintGrid(statisticsGrid(4), QStringLiteral("标题"), 0, QString(), QString());
    const ReportDocument doc = printed();
    // 1.5 + 3 + 4.5 + 6 in the column's display format, below the last row.
    const auto sum = withText(doc, 0, QStringLiteral("15.00"));
    QCOMPARE(sum.size(), 1);
    QVERIFY(sum.first().style.alignment & Qt::AlignRight);
    const auto label = withText(doc, 0, QStringLiteral("合计"));
    QCOMPARE(label.size(), 1);
    QVERIFY(label.first().rect.top() >= withText(doc, 0, QStringLiteral("业主4")).first().rect.bottom() - 0.01);
    QCOMPARE(withText(doc, 0, QStringLiteral("6.00")).size(), 1);

    // Without footer columns there is no footer row.
    GridSnapshot plain = statisticsGrid(4);
    for (GridSnapshotColumn &c : plain.columns)
        c.footerType = 0;
    PrintGrid(plain, QStringLiteral("标题"), 0, QString(), QString());
    QVERIFY(withText(printed(), 0, QStringLiteral("合计")).isEmpty());
}

void TestGridPrint::pdfCarriesTheChineseTexts()
{
    PrintGrid(statisticsGrid(5), QStringLiteral("住户报修统计"), 0, QStringLiteral("date"),
              QStringLiteral("统计日期：自 2024-01-01 至 2024-01-31"));
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("grid.pdf"));
    QVERIFY(printed().writePdf(pdf));
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed: PDF text not checked");
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    QVERIFY(process.waitForFinished(60000));
    const QString text = QString::fromUtf8(process.readAllStandardOutput());
    for (const QString &piece : {QStringLiteral("住户报修统计"), QStringLiteral("打印日期：") + today(),
                                 QStringLiteral("统计日期：自 2024-01-01 至 2024-01-31"), QStringLiteral("业主姓名"),
                                 QStringLiteral("业主5"), QStringLiteral("22.50")})
        QVERIFY2(text.contains(piece), qPrintable(piece + QStringLiteral(" not in:\n") + text));
}

void TestGridPrint::previewWindowShowsThePages()
{
    setGridPreviewHandler(nullptr);
    int pages = 0;
    QString found;
    QTimer::singleShot(0, this, [&] {
        auto *preview = qobject_cast<ReportPreviewDialog *>(QApplication::activeModalWidget());
        if (!preview)
            return;
        found = preview->objectName();
        pages = preview->pageCount();
        preview->reject();
    });
    PrintGrid(statisticsGrid(120), QStringLiteral("标题"), 1, QStringLiteral("date"), QString());
    QCOMPARE(found, QStringLiteral("ReportPreview"));
    QCOMPARE(pages, printed().pageCount());
}

QTEST_MAIN(TestGridPrint)
#include "tst_gridprint.moc"
