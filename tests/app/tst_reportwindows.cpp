// The report preview and the report designer, driven headless through their
// controls.

#include "app/report/reportdesignerdialog.h"
#include "app/report/reportengine.h"
#include "app/report/reportpreviewdialog.h"
#include "app/report/reports.h"
#include "app/report/reporttemplatefile.h"
#include "scriptedmessages.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QPlainTextEdit>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

namespace {

QStandardItemModel *areaModel(int rows, QObject *parent)
{
    auto *model = new QStandardItemModel(rows, 3, parent);
    model->setHorizontalHeaderLabels({QStringLiteral("f_code"), QStringLiteral("f_name"), QStringLiteral("f_address")});
    for (int r = 0; r < rows; ++r) {
        model->setData(model->index(r, 0), QStringLiteral("%1").arg(r + 1, 3, 10, QLatin1Char('0')));
        model->setData(model->index(r, 1), QStringLiteral("小区%1").arg(r + 1));
        model->setData(model->index(r, 2), QStringLiteral("路%1号").arg(r + 1));
    }
    return model;
}

// One row of 10 mm per area, a title and a page footer.
ReportTemplate listTemplate()
{
    ReportTemplate report;
    ReportItem title;
    title.text = QStringLiteral("小区列表");
    title.width = 100;
    title.name = QStringLiteral("memTitle");
    ReportItem name;
    name.text = QStringLiteral("[frxDBDataSet1.F_code] [frxDBDataSet1.F_name]");
    name.width = 100;
    ReportItem page;
    page.text = QStringLiteral("[Page]/[TotalPages]");
    ReportBand titleBand;
    titleBand.type = ReportBand::Type::ReportTitle;
    titleBand.height = 12;
    titleBand.items << title;
    ReportBand data;
    data.type = ReportBand::Type::MasterData;
    data.height = 10;
    data.items << name;
    ReportBand footer;
    footer.type = ReportBand::Type::PageFooter;
    footer.height = 8;
    footer.items << page;
    report.bands << titleBand << data << footer;
    return report;
}

void click(QWidget *parent, const QString &name)
{
    auto *button = parent->findChild<QAbstractButton *>(name);
    QVERIFY2(button, qPrintable(name));
    QVERIFY2(button->isEnabled(), qPrintable(name));
    QTest::mouseClick(button, Qt::LeftButton);
}

}  // namespace

class TestReportWindows : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void previewPagesAndZooms();
    void previewLaysOutAgainForANewPage();
    void previewExportsPdf();
    void previewReportOpensTheTemplate_data();
    void previewReportOpensTheTemplate();

    void designerStartsFromAnEmptyLayout();
    void designerBuildsAndSavesALayout();
    void designerEditsAShippedTemplate();
    void designerRemovesObjectsAndBands();
    void closingAsksToSaveChanges_data();
    void closingAsksToSaveChanges();
    void designReportOpensTheDesigner();

private:
    QTemporaryDir *m_dir = nullptr;
    QObject m_owner;
};

void TestReportWindows::init()
{
    m_dir = new QTemporaryDir;
    QVERIFY(m_dir->isValid());
    setReportTemplateDir(m_dir->path());
}

void TestReportWindows::cleanup()
{
    setReportTemplateDir(QString());
    delete m_dir;
    m_dir = nullptr;
}

void TestReportWindows::previewPagesAndZooms()
{
    ReportData data;
    data.master = areaModel(80, &m_owner);
    const ReportTemplate report = listTemplate();
    ReportPreviewDialog preview([&](const QPageLayout &layout) { return ReportEngine::run(report, data, layout); },
                                report.pageLayout(), QStringLiteral("小区列表"));
    preview.show();
    QVERIFY(QTest::qWaitForWindowExposed(&preview));
    // 277 mm - 8 footer - 12 title = 257: 25 rows, then 26 per page: 4 pages.
    QCOMPARE(preview.pageCount(), 4);
    QCOMPARE(preview.currentPage(), 1);
    QVERIFY(preview.document().pageText(3).contains(QStringLiteral("080 小区80")));
    QVERIFY(preview.document().pageText(3).contains(QStringLiteral("4/4")));

    click(&preview, QStringLiteral("btnNextPage"));
    QCOMPARE(preview.currentPage(), 2);
    click(&preview, QStringLiteral("btnLastPage"));
    QCOMPARE(preview.currentPage(), 4);
    click(&preview, QStringLiteral("btnNextPage"));
    QCOMPARE(preview.currentPage(), 4);
    click(&preview, QStringLiteral("btnPriorPage"));
    QCOMPARE(preview.currentPage(), 3);
    click(&preview, QStringLiteral("btnFirstPage"));
    QCOMPARE(preview.currentPage(), 1);
    auto *pageBox = preview.findChild<QSpinBox *>(QStringLiteral("spinPage"));
    QVERIFY(pageBox);
    QCOMPARE(pageBox->maximum(), 4);
    pageBox->setValue(3);
    QCOMPARE(preview.currentPage(), 3);
    // Paging keys work wherever the focus is in the window.
    preview.findChild<QPrintPreviewWidget *>(QStringLiteral("previewWidget"))->setFocus();
    QTest::keyClick(&preview, Qt::Key_PageDown);
    QCOMPARE(preview.currentPage(), 4);
    QTest::keyClick(&preview, Qt::Key_Home);
    QCOMPARE(preview.currentPage(), 1);
    QTest::keyClick(&preview, Qt::Key_End);
    QCOMPARE(preview.currentPage(), 4);
    QTest::keyClick(&preview, Qt::Key_PageUp);
    QCOMPARE(preview.currentPage(), 3);

    auto *view = preview.findChild<QPrintPreviewWidget *>(QStringLiteral("previewWidget"));
    QVERIFY(view);
    QCOMPARE(view->pageCount(), 4);
    const qreal before = view->zoomFactor();
    click(&preview, QStringLiteral("btnZoomIn"));
    QVERIFY(view->zoomFactor() > before);
    click(&preview, QStringLiteral("btnZoomOut"));
    click(&preview, QStringLiteral("btnZoomOut"));
    QVERIFY(view->zoomFactor() < before);
    click(&preview, QStringLiteral("btnFitPage"));
    QCOMPARE(view->zoomMode(), QPrintPreviewWidget::FitInView);
    click(&preview, QStringLiteral("btnFitWidth"));
    QCOMPARE(view->zoomMode(), QPrintPreviewWidget::FitToWidth);
    QVERIFY(preview.findChild<QAbstractButton *>(QStringLiteral("btnPrint")));
    QVERIFY(preview.findChild<QAbstractButton *>(QStringLiteral("btnPageSetup")));
    QVERIFY(preview.findChild<QAbstractButton *>(QStringLiteral("btnExportPdf")));
    click(&preview, QStringLiteral("btnClose"));
    QVERIFY(!preview.isVisible());
}

void TestReportWindows::previewLaysOutAgainForANewPage()
{
    ReportData data;
    data.master = areaModel(80, &m_owner);
    const ReportTemplate report = listTemplate();
    ReportPreviewDialog preview([&](const QPageLayout &layout) { return ReportEngine::run(report, data, layout); },
                                report.pageLayout(), QStringLiteral("小区列表"));
    QCOMPARE(preview.pageCount(), 4);
    // Across an A4 page: 190 - 8 - 12 = 170 mm: 17 rows, then 18 per page.
    preview.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10),
                                      QPageLayout::Millimeter));
    QCOMPARE(preview.pageCount(), 5);
    QCOMPARE(preview.document().pageLayout.orientation(), QPageLayout::Landscape);
    QVERIFY(preview.document().pageText(4).contains(QStringLiteral("5/5")));
    auto *view = preview.findChild<QPrintPreviewWidget *>(QStringLiteral("previewWidget"));
    QCOMPARE(view->pageCount(), 5);
}

void TestReportWindows::previewExportsPdf()
{
    ReportData data;
    data.master = areaModel(30, &m_owner);
    const ReportTemplate report = listTemplate();
    ReportPreviewDialog preview([&](const QPageLayout &layout) { return ReportEngine::run(report, data, layout); },
                                report.pageLayout(), QStringLiteral("小区列表"));
    const QString pdf = m_dir->filePath(QStringLiteral("out.pdf"));
    QVERIFY(preview.exportPdfTo(pdf));
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(5) == "%PDF-");

    ScriptedMessages messages;
    QVERIFY(!preview.exportPdfTo(m_dir->filePath(QStringLiteral("no/such/folder/out.pdf"))));
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.last().kind, int(MessError));
}

void TestReportWindows::previewReportOpensTheTemplate_data()
{
    QTest::addColumn<bool>("templateExists");
    QTest::newRow("template in the folder") << true;
    QTest::newRow("missing template: empty layout") << false;
}

void TestReportWindows::previewReportOpensTheTemplate()
{
    QFETCH(bool, templateExists);
    if (templateExists)
        QVERIFY(ReportTemplateFile::save(m_dir->filePath(QStringLiteral("frxqinfogl.vrt")), listTemplate()));
    ReportData data;
    data.master = areaModel(3, &m_owner);
    int pages = -1;
    QString text;
    QTimer::singleShot(0, this, [&] {
        auto *preview = qobject_cast<ReportPreviewDialog *>(QApplication::activeModalWidget());
        if (!preview)
            return;
        pages = preview->pageCount();
        text = preview->document().pageText(0);
        preview->reject();
    });
    PreviewReport(QStringLiteral("\\Qr\\frXQinfoGL.fr3"), data, nullptr);
    QCOMPARE(pages, 1);
    if (templateExists)
        QCOMPARE(text, QStringLiteral("小区列表\n001 小区1\n002 小区2\n003 小区3\n1/1"));
    else
        QCOMPARE(text, QString());
}

void TestReportWindows::designerStartsFromAnEmptyLayout()
{
    ReportData data;
    data.master = areaModel(2, &m_owner);
    data.variables.insert(QStringLiteral("memDate"), QStringLiteral("统计日期"));
    ReportDesignerDialog designer(QStringLiteral("frNewList"), data);
    QCOMPARE(designer.objectName(), QStringLiteral("ReportDesigner"));
    QCOMPARE(designer.filePath(), m_dir->filePath(QStringLiteral("frNewList.vrt")));
    QVERIFY(designer.reportTemplate().bands.isEmpty());
    QCOMPARE(designer.reportTemplate().pageSize, QPageSize::A4);
    QCOMPARE(designer.reportTemplate().orientation, QPageLayout::Portrait);
    QCOMPARE(designer.reportTemplate().margins, QMarginsF(10, 10, 10, 10));
    QCOMPARE(designer.findChild<QTreeWidget *>(QStringLiteral("treeLayout"))->topLevelItemCount(), 0);
    QCOMPARE(designer.result().pageCount(), 1);
    QVERIFY(!designer.isModified());

    // The fields of the window's data and its variables are offered for insertion.
    auto *expressions = designer.findChild<QComboBox *>(QStringLiteral("cbbExpressions"));
    QVERIFY(expressions);
    QVERIFY(expressions->findText(QStringLiteral("[frxDBDataSet1.f_name]")) >= 0);
    QVERIFY(expressions->findText(QStringLiteral("[memDate]")) >= 0);
    QVERIFY(expressions->findText(QStringLiteral("[Page]")) >= 0);
}

void TestReportWindows::designerBuildsAndSavesALayout()
{
    ReportData data;
    data.master = areaModel(3, &m_owner);
    ReportDesignerDialog designer(QStringLiteral("frNewList"), data);
    designer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&designer));

    auto *bandType = designer.findChild<QComboBox *>(QStringLiteral("cbbBandType"));
    bandType->setCurrentIndex(bandType->findData(int(ReportBand::Type::MasterData)));
    click(&designer, QStringLiteral("btnAddBand"));
    click(&designer, QStringLiteral("btnAddText"));
    QCOMPARE(designer.reportTemplate().bands.size(), 1);
    QCOMPARE(designer.reportTemplate().bands.at(0).items.size(), 1);

    // Fill the new object: a field inserted from the list, a prefix typed, a size and a frame.
    auto *text = designer.findChild<QPlainTextEdit *>(QStringLiteral("txtItemText"));
    text->setPlainText(QStringLiteral("名称："));
    text->moveCursor(QTextCursor::End);
    auto *expressions = designer.findChild<QComboBox *>(QStringLiteral("cbbExpressions"));
    expressions->setCurrentIndex(expressions->findText(QStringLiteral("[frxDBDataSet1.f_name]")));
    click(&designer, QStringLiteral("btnInsertExpression"));
    designer.findChild<QDoubleSpinBox *>(QStringLiteral("spinItemWidth"))->setValue(80);
    designer.findChild<QCheckBox *>(QStringLiteral("chkFrameBottom"))->setChecked(true);
    designer.findChild<QCheckBox *>(QStringLiteral("chkBold"))->setChecked(true);
    auto *hAlign = designer.findChild<QComboBox *>(QStringLiteral("cbbHAlign"));
    hAlign->setCurrentIndex(hAlign->findData(int(Qt::AlignRight)));

    // The result follows every change.
    QCOMPARE(designer.result().pageText(0), QStringLiteral("名称：小区1\n名称：小区2\n名称：小区3"));
    QVERIFY(designer.isModified());

    // Page settings.
    auto *orientation = designer.findChild<QComboBox *>(QStringLiteral("cbbOrientation"));
    orientation->setCurrentIndex(orientation->findData(int(QPageLayout::Landscape)));
    designer.findChild<QDoubleSpinBox *>(QStringLiteral("spinMarginLeft"))->setValue(15);
    QCOMPARE(designer.result().pageLayout.orientation(), QPageLayout::Landscape);
    QCOMPARE(designer.result().pages.at(0).first().rect.left(), 15.0);

    // Select the band to change its height.
    auto *tree = designer.findChild<QTreeWidget *>(QStringLiteral("treeLayout"));
    tree->setCurrentItem(tree->topLevelItem(0));
    designer.findChild<QDoubleSpinBox *>(QStringLiteral("spinBandHeight"))->setValue(12);
    QCOMPARE(designer.result().pages.at(0).at(1).rect.top(), 10.0 + 12.0);

    click(&designer, QStringLiteral("btnSave"));
    QVERIFY(!designer.isModified());
    ReportTemplate saved;
    QVERIFY(ReportTemplateFile::load(m_dir->filePath(QStringLiteral("frNewList.vrt")), &saved));
    QCOMPARE(ReportTemplateFile::toJson(saved), ReportTemplateFile::toJson(designer.reportTemplate()));
    const ReportItem &item = saved.bands.at(0).items.at(0);
    QCOMPARE(item.text, QStringLiteral("名称：[frxDBDataSet1.f_name]"));
    QCOMPARE(item.width, 80.0);
    QCOMPARE(item.frame, int(ReportItem::FrameBottom));
    QVERIFY(item.bold);
    QCOMPARE(item.alignment, Qt::AlignRight | Qt::AlignVCenter);
    QCOMPARE(saved.orientation, QPageLayout::Landscape);
    QCOMPARE(saved.margins.left(), 15.0);
    QCOMPARE(saved.bands.at(0).height, 12.0);

    // The saved layout is what printing uses from now on.
    const QString pdf = m_dir->filePath(QStringLiteral("saved.pdf"));
    QVERIFY(RenderReportToPdf(QStringLiteral("frNewList"), data, pdf));
    ScriptedMessages messages;
    designer.reject();
    QCOMPARE(messages.count(), 0);
}

void TestReportWindows::designerEditsAShippedTemplate()
{
    const QString source = qEnvironmentVariable("VELMORA_SOURCE_DIR");
    if (source.isEmpty())
        QSKIP("VELMORA_SOURCE_DIR is not set: run through ctest");
    QVERIFY(QFile::copy(source + QStringLiteral("/Qr/frFYinfoGL.vrt"), m_dir->filePath(QStringLiteral("FRFYINFOGL.vrt"))));
    QFile::setPermissions(m_dir->filePath(QStringLiteral("FRFYINFOGL.vrt")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner);

    auto *fees = new QStandardItemModel(1, 3, &m_owner);
    fees->setHorizontalHeaderLabels({QStringLiteral("F_code"), QStringLiteral("F_name"), QStringLiteral("F_SFprice")});
    fees->setData(fees->index(0, 0), QStringLiteral("001"));
    fees->setData(fees->index(0, 1), QStringLiteral("水费"));
    fees->setData(fees->index(0, 2), 2.5);
    ReportData data;
    data.master = fees;
    ReportDesignerDialog designer(QStringLiteral("frFYinfoGL"), data);
    QCOMPARE(designer.filePath(), m_dir->filePath(QStringLiteral("FRFYINFOGL.vrt")));
    QVERIFY(designer.reportTemplate().bands.size() >= 4);
    QVERIFY(designer.result().pageText(0).contains(QStringLiteral("水费")));

    // Choose the title object and retitle it.
    auto *tree = designer.findChild<QTreeWidget *>(QStringLiteral("treeLayout"));
    tree->setCurrentItem(tree->topLevelItem(0)->child(0));
    auto *text = designer.findChild<QPlainTextEdit *>(QStringLiteral("txtItemText"));
    QCOMPARE(text->toPlainText(), QStringLiteral("费用项目列表"));
    text->setPlainText(QStringLiteral("收费项目一览"));
    QVERIFY(designer.result().pageText(0).startsWith(QStringLiteral("收费项目一览")));
    QVERIFY(designer.save());

    ReportTemplate saved;
    QVERIFY(ReportTemplateFile::load(m_dir->filePath(QStringLiteral("FRFYINFOGL.vrt")), &saved));
    QCOMPARE(saved.bands.at(0).items.at(0).text, QStringLiteral("收费项目一览"));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files).size(), 1);
}

void TestReportWindows::designerRemovesObjectsAndBands()
{
    QVERIFY(ReportTemplateFile::save(m_dir->filePath(QStringLiteral("frList.vrt")), listTemplate()));
    ReportData data;
    data.master = areaModel(2, &m_owner);
    ReportDesignerDialog designer(QStringLiteral("frList"), data);
    auto *tree = designer.findChild<QTreeWidget *>(QStringLiteral("treeLayout"));
    QCOMPARE(tree->topLevelItemCount(), 3);

    tree->setCurrentItem(tree->topLevelItem(1)->child(0));
    click(&designer, QStringLiteral("btnDelete"));
    QVERIFY(designer.reportTemplate().bands.at(1).items.isEmpty());
    QCOMPARE(designer.result().pageText(0), QStringLiteral("小区列表\n1/1"));

    tree->setCurrentItem(tree->topLevelItem(2));
    click(&designer, QStringLiteral("btnDelete"));
    QCOMPARE(designer.reportTemplate().bands.size(), 2);
    QVERIFY(!designer.reportTemplate().band(ReportBand::Type::PageFooter));
    QCOMPARE(designer.result().pageText(0), QStringLiteral("小区列表"));

    // Adding a band that exists selects it instead of doubling it.
    designer.addBand(ReportBand::Type::ReportTitle);
    QCOMPARE(designer.reportTemplate().bands.size(), 2);
    QCOMPARE(tree->currentItem(), tree->topLevelItem(0));
    // New bands go into printing order.
    designer.addBand(ReportBand::Type::PageHeader);
    QCOMPARE(designer.reportTemplate().bands.at(1).type, ReportBand::Type::PageHeader);
}

void TestReportWindows::closingAsksToSaveChanges_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("saved");
    QTest::newRow("yes saves") << int(AnswerYes) << true;
    QTest::newRow("no drops the changes") << int(AnswerNo) << false;
}

void TestReportWindows::closingAsksToSaveChanges()
{
    QFETCH(int, answer);
    QFETCH(bool, saved);
    ReportDesignerDialog designer(QStringLiteral("frClose"), ReportData());
    designer.show();
    designer.addBand(ReportBand::Type::ReportTitle);
    designer.addText();
    ScriptedMessages messages;
    messages.answerNext(answer);
    QTest::keyClick(&designer, Qt::Key_Escape);
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.last().text, QStringLiteral("报表模板已修改，是否保存？"));
    QCOMPARE(messages.last().kind, int(MessQuestion));
    QVERIFY(!designer.isVisible());
    QCOMPARE(QFile::exists(m_dir->filePath(QStringLiteral("frClose.vrt"))), saved);
}

void TestReportWindows::designReportOpensTheDesigner()
{
    QVERIFY(ReportTemplateFile::save(m_dir->filePath(QStringLiteral("frList.vrt")), listTemplate()));
    ReportData data;
    data.master = areaModel(2, &m_owner);
    QString text;
    QTimer::singleShot(0, this, [&] {
        auto *designer = qobject_cast<ReportDesignerDialog *>(QApplication::activeModalWidget());
        if (!designer)
            return;
        text = designer->result().pageText(0);
        designer->reject();
    });
    DesignReport(QStringLiteral("FRLIST"), data, nullptr);
    QCOMPARE(text, QStringLiteral("小区列表\n001 小区1\n002 小区2\n1/1"));
}

QTEST_MAIN(TestReportWindows)
#include "tst_reportwindows.moc"
