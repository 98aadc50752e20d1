// The report engine: template files, expressions, page layout, master-detail
// printing and PDF output of the shipped templates.

#include "app/report/reportdataset.h"
#include "app/report/reportengine.h"
#include "app/report/reportexpander.h"
#include "app/report/reports.h"
#include "app/report/reporttemplatefile.h"

#include <QDate>
#include <QProcess>
#include <QStandardItemModel>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A model whose column names are the field names, like a QSqlQueryModel.
QStandardItemModel *makeModel(const QStringList &fields, const QList<QVariantList> &rows,
                              QObject *parent)
{
    auto *model = new QStandardItemModel(int(rows.size()), int(fields.size()), parent);
    model->setHorizontalHeaderLabels(fields);
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < fields.size(); ++c) {
            auto *item = new QStandardItem;
            item->setData(rows.at(r).value(c), Qt::EditRole);
            model->setItem(r, c, item);
        }
    }
    return model;
}

ReportItem textItem(const QString &text, double x = 0, double width = 60, double height = 6)
{
    ReportItem item;
    item.text = text;
    item.x = x;
    item.width = width;
    item.height = height;
    return item;
}

ReportBand band(ReportBand::Type type, double height, const QList<ReportItem> &items)
{
    ReportBand b;
    b.type = type;
    b.height = height;
    b.items = items;
    return b;
}

// The text of a PDF as pdftotext reads it, or a null string without the tool.
QString pdfText(const QString &path)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        return QString();
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QStringLiteral("<pdftotext failed>");
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The templates of the source tree when known, else those beside the program.
void useShippedTemplates()
{
    const QString source = qEnvironmentVariable("VELMORA_SOURCE_DIR");
    setReportTemplateDir(source.isEmpty() ? QString() : source + QStringLiteral("/Qr"));
}

int pdfPageCount(const QString &path)
{
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {path});
    process.waitForFinished(60000);
    const QString info = QString::fromUtf8(process.readAllStandardOutput());
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

}  // namespace

class TestReport : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void templateNames_data();
    void templateNames();
    void templateFileRoundTrip();
    void brokenFileIsRefused();

    void expressions_data();
    void expressions();

    void rowsFlowOverPages();
    void stretchingTextGrowsItsBand();
    void masterDetail_data();
    void masterDetail();
    void detailOnlyTemplatePrintsEveryDetailRow();
    void namedObjectsTakeTheirText();

    void missingTemplateGivesOneEmptyPage();
    void shippedTemplatesPrintTheirLists_data();
    void shippedTemplatesPrintTheirLists();
    void variablesReachThePdf();

private:
    QTemporaryDir m_dir;
};

void TestReport::initTestCase()
{
    QVERIFY(m_dir.isValid());
    useShippedTemplates();
}

void TestReport::templateNames_data()
{
    QTest::addColumn<QString>("asked");
    QTest::addColumn<QString>("base");
    QTest::newRow("plain") << "frFYinfoGL" << "frFYinfoGL";
    QTest::newRow("old path and extension") << "\\Qr\\frFYinfoGL.fr3" << "frFYinfoGL";
    QTest::newRow("other case") << "Qr/frfyinfogl.vrt" << "frfyinfogl";
}

void TestReport::templateNames()
{
    QFETCH(QString, asked);
    QFETCH(QString, base);
    QCOMPARE(ReportTemplateFile::baseName(asked), base);

    // One file, spelled in yet another case, answers every spelling.
    QTemporaryDir dir;
    QVERIFY(ReportTemplateFile::save(dir.filePath(QStringLiteral("FRFYInfoGl.vrt")), ReportTemplate()));
    QCOMPARE(ReportTemplateFile::find(dir.path(), asked), dir.filePath(QStringLiteral("FRFYInfoGl.vrt")));
    QCOMPARE(ReportTemplateFile::pathForSave(dir.path(), asked),
             dir.filePath(QStringLiteral("FRFYInfoGl.vrt")));
    QVERIFY(ReportTemplateFile::find(dir.path(), QStringLiteral("frFYinfoGL1")).isEmpty());
    QCOMPARE(ReportTemplateFile::pathForSave(dir.path(), QStringLiteral("frFYinfoGL1")),
             dir.filePath(QStringLiteral("frFYinfoGL1.vrt")));
}

void TestReport::templateFileRoundTrip()
{
    ReportTemplate report;
    report.pageSize = QPageSize::A5;
    report.orientation = QPageLayout::Landscape;
    report.margins = QMarginsF(12, 8, 6, 14.5);
    ReportItem title = textItem(QStringLiteral("小区信息 [memDate]"), 3.5, 120, 9);
    title.name = QStringLiteral("memTitle");
    title.fontSize = 16;
    title.bold = true;
    title.italic = true;
    title.underline = true;
    title.alignment = Qt::AlignRight | Qt::AlignBottom;
    title.frame = ReportItem::FrameLeft | ReportItem::FrameBottom;
    title.frameWidth = 0.5;
    title.wordWrap = false;
    title.stretch = true;
    title.displayFormat = QStringLiteral("￥,0.00");
    title.textColor = QColor(QStringLiteral("#123456"));
    title.background = QColor(QStringLiteral("#eeeeee"));
    ReportItem line;
    line.kind = ReportItem::Kind::Line;
    line.width = 100;
    line.height = 0;
    report.bands << band(ReportBand::Type::ReportTitle, 20, {title, line})
                 << band(ReportBand::Type::PageFooter, 7, {textItem(QStringLiteral("[Page]"))});

    const QString path = m_dir.filePath(QStringLiteral("roundtrip.vrt"));
    QVERIFY(ReportTemplateFile::save(path, report));
    ReportTemplate back;
    QVERIFY(ReportTemplateFile::load(path, &back));
    QCOMPARE(ReportTemplateFile::toJson(back), ReportTemplateFile::toJson(report));
    QCOMPARE(back.pageSize, QPageSize::A5);
    QCOMPARE(back.orientation, QPageLayout::Landscape);
    QCOMPARE(back.margins, QMarginsF(12, 8, 6, 14.5));
    QCOMPARE(back.bands.size(), 2);
    const ReportItem &t = back.bands.at(0).items.at(0);
    QCOMPARE(t.text, title.text);
    QCOMPARE(t.alignment, Qt::AlignRight | Qt::AlignBottom);
    QCOMPARE(t.frame, int(ReportItem::FrameLeft | ReportItem::FrameBottom));
    QCOMPARE(t.background, title.background);
    QVERIFY(!back.bands.at(0).items.at(1).background.isValid());
    QCOMPARE(back.bands.at(0).items.at(1).kind, ReportItem::Kind::Line);
}

void TestReport::brokenFileIsRefused()
{
    ReportTemplate out;
    QVERIFY(!ReportTemplateFile::fromJson("{ not json", &out));
    QVERIFY(!ReportTemplateFile::fromJson(R"({"format":"something-else","bands":[]})", &out));

    // An unreadable template in the folder previews as the empty layout.
    QTemporaryDir dir;
    QFile broken(dir.filePath(QStringLiteral("frBroken.vrt")));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("<<<");
    broken.close();
    setReportTemplateDir(dir.path());
    const QString pdf = dir.filePath(QStringLiteral("broken.pdf"));
    QVERIFY(RenderReportToPdf(QStringLiteral("frBroken"), ReportData(), pdf));
    QVERIFY(QFileInfo(pdf).size() > 0);
    useShippedTemplates();
}

void TestReport::expressions_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("expected");

    QTest::newRow("field of the first set") << "[frxDBDataSet1.F_name]" << "" << "阳光小区";
    QTest::newRow("field names in any case") << "[FRXdbDATASET1.f_NAME]" << "" << "阳光小区";
    QTest::newRow("quoted field, alias") << "[frxDM.\"F_name\"]" << "" << "阳光小区";
    QTest::newRow("text around fields") << "小区：[master.F_code]/[master.F_name]。" << ""
                                       << "小区：002/阳光小区。";
    QTest::newRow("number in a display format") << "[frxDBDataSet1.F_price]" << "￥,0.00" << "￥1,234.50";
    QTest::newRow("number without format") << "[frxDBDataSet1.F_price]" << "" << "1234.5";
    QTest::newRow("empty-date marker prints nothing") << "[[[frxDBDataSet1.F_date]]" << ""
                                                      << "[]";
    QTest::newRow("real date") << "[frxDBDataSet1.F_real]" << "" << "2024-03-05";
    QTest::newRow("null field") << "<[frxDBDataSet1.F_null]>" << "" << "<>";
    QTest::newRow("unknown field") << "<[frxDBDataSet1.F_nothing]>" << "" << "<>";
    QTest::newRow("variable, any case") << "[MEMDATE]" << "" << "统计日期：自 2024-01-01 至 2024-01-31";
    QTest::newRow("unknown variable") << "a[Csz15]b" << "" << "ab";
    QTest::newRow("sum of a detail field") << "[SUM(frxDBDataSet2.F_totalPrice)]" << "0.00" << "60.25";
    QTest::newRow("count of a set") << "[COUNT(frxDD)]" << "" << "3";
    QTest::newRow("sum of a field PostgreSQL names in lower case")
        << "[SUM(detail.f_totalprice)]" << "" << "60.25";
    QTest::newRow("page and line") << "[Page]/[TotalPages] #[Line]" << "" << "4/9 #7";
    QTest::newRow("today") << "[Date]" << "" << QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));
    QTest::newRow("unclosed bracket stays") << "a [b" << "" << "a [b";
}

void TestReport::expressions()
{
    QFETCH(QString, text);
    QFETCH(QString, format);
    QFETCH(QString, expected);

    QObject owner;
    // The second row is the current one; PostgreSQL-style lower-case names in the detail.
    ReportDataSet master(makeModel(
        {QStringLiteral("F_code"), QStringLiteral("F_name"), QStringLiteral("F_price"),
         QStringLiteral("F_date"), QStringLiteral("F_real"), QStringLiteral("F_null")},
        {{QStringLiteral("001"), QStringLiteral("其他"), 1.0, QString(), QVariant(), QVariant()},
         {QStringLiteral("002"), QStringLiteral("阳光小区"), 1234.5, QStringLiteral("1900-08-14"),
          QDate(2024, 3, 5), QVariant()}},
        &owner));
    ReportDataSet detail(makeModel({QStringLiteral("f_totalprice")},
                                   {{10.0}, {20.25}, {30.0}}, &owner));
    ReportContext context;
    context.master = &master;
    context.detail = &detail;
    context.masterRow = 1;
    context.page = 4;
    context.totalPages = QStringLiteral("9");
    context.line = 7;
    context.variables = ReportExpander::foldVariables(
        {{QStringLiteral("memDate"), QStringLiteral("统计日期：自 2024-01-01 至 2024-01-31")}});
    QCOMPARE(ReportExpander::expand(text, context, format), expected);
}

void TestReport::rowsFlowOverPages()
{
    QObject owner;
    QList<QVariantList> rows;
    for (int i = 1; i <= 95; ++i)
        rows << QVariantList{QStringLiteral("R%1").arg(i, 3, 10, QLatin1Char('0'))};
    auto *model = makeModel({QStringLiteral("F_code")}, rows, &owner);

    ReportTemplate report;   // A4 portrait, 10 mm margins: 277 mm of height
    report.bands << band(ReportBand::Type::ReportTitle, 20, {textItem(QStringLiteral("标题"))})
                 << band(ReportBand::Type::PageHeader, 10, {textItem(QStringLiteral("页眉"))})
                 << band(ReportBand::Type::ColumnHeader, 7, {textItem(QStringLiteral("编号"))})
                 << band(ReportBand::Type::MasterData, 10, {textItem(QStringLiteral("[Line]:[frxDBDataSet1.F_code]"))})
                 << band(ReportBand::Type::ReportSummary, 10, {textItem(QStringLiteral("共[COUNT(master)]条"))})
                 << band(ReportBand::Type::PageFooter, 10, {textItem(QStringLiteral("第[Page]页/共[TotalPages]页"))});
    ReportData data;
    data.master = model;
    const ReportDocument doc = ReportEngine::run(report, data);

    // Page 1: 277 - 10 footer - 20 title - 10 - 7 = 230 mm: 23 rows; later pages 25 rows.
    QCOMPARE(doc.pageCount(), 4);
    QStringList printed;
    for (int p = 0; p < doc.pageCount(); ++p) {
        const QStringList lines = doc.pageText(p).split(QLatin1Char('\n'));
        QCOMPARE(lines.count(QStringLiteral("标题")), p == 0 ? 1 : 0);
        QCOMPARE(lines.count(QStringLiteral("页眉")), 1);
        QCOMPARE(lines.count(QStringLiteral("编号")), 1);
        QCOMPARE(lines.last(), QStringLiteral("第%1页/共4页").arg(p + 1));
        for (const QString &line : lines) {
            if (line.contains(QLatin1Char(':')))
                printed << line;
        }
        // Nothing runs into the page footer.
        for (const ReportDocument::Placed &placed : doc.pages.at(p)) {
            if (!placed.text.startsWith(QStringLiteral("第")))
                QVERIFY2(placed.rect.bottom() <= 297 - 10 - 10 + 0.01, qPrintable(placed.text));
        }
    }
    QCOMPARE(printed.size(), 95);
    for (int i = 0; i < printed.size(); ++i)
        QCOMPARE(printed.at(i), QStringLiteral("%1:R%2").arg(i + 1).arg(i + 1, 3, 10, QLatin1Char('0')));
    QVERIFY(doc.pageText(3).contains(QStringLiteral("共95条")));
}

void TestReport::stretchingTextGrowsItsBand()
{
    QObject owner;
    const QString longText = QStringLiteral("楼宇概况：") + QString(40, QChar(0x697C));
    auto *model = makeModel({QStringLiteral("F_mem1")}, {{longText}, {QStringLiteral("短")}}, &owner);
    ReportItem memo = textItem(QStringLiteral("[frxDBDataSet1.F_mem1]"), 0, 30, 7);
    memo.stretch = true;
    memo.frame = ReportItem::FrameAll;
    ReportItem neighbour = textItem(QStringLiteral("邻"), 30, 20, 7);
    neighbour.frame = ReportItem::FrameAll;
    ReportTemplate report;
    report.bands << band(ReportBand::Type::MasterData, 7, {memo, neighbour});
    ReportData data;
    data.master = model;
    const ReportDocument doc = ReportEngine::run(report, data);

    QCOMPARE(doc.pageCount(), 1);
    const auto &items = doc.pages.at(0);
    QCOMPARE(items.size(), 4);
    const QRectF grown = items.at(0).rect;
    QVERIFY2(grown.height() > 14, qPrintable(QString::number(grown.height())));
    // The neighbour cell keeps the row's frame closed, and the next row starts below.
    QCOMPARE(items.at(1).rect.height(), grown.height());
    QCOMPARE(items.at(2).rect.top(), grown.bottom());
    QCOMPARE(items.at(2).rect.height(), 7.0);
}

void TestReport::masterDetail_data()
{
    QTest::addColumn<bool>("byCallback");
    QTest::newRow("window re-queries the detail") << true;
    QTest::newRow("detail linked by key fields") << false;
}

void TestReport::masterDetail()
{
    QFETCH(bool, byCallback);
    QObject owner;
    auto *households = makeModel({QStringLiteral("F_ID"), QStringLiteral("F_FZname")},
                                 {{1, QStringLiteral("张三")}, {2, QStringLiteral("李四")},
                                  {3, QStringLiteral("王五")}},
                                 &owner);
    const QList<QVariantList> allFees = {{1, QStringLiteral("水费"), 10.0},
                                         {1, QStringLiteral("电费"), 5.5},
                                         {3, QStringLiteral("物业费"), 100.0}};
    auto *fees = makeModel({QStringLiteral("f_mainid"), QStringLiteral("f_sfname"), QStringLiteral("f_totalprice")},
                           allFees, &owner);
    ReportData data;
    data.master = households;
    data.detail = fees;
    QList<int> asked;
    if (byCallback) {
        data.masterRowChanged = [&](int row) {
            asked << row;
            const int id = households->index(row, 0).data().toInt();
            fees->removeRows(0, fees->rowCount());
            for (const QVariantList &fee : allFees) {
                if (fee.at(0).toInt() != id)
                    continue;
                QList<QStandardItem *> items;
                for (const QVariant &v : fee) {
                    auto *item = new QStandardItem;
                    item->setData(v, Qt::EditRole);
                    items << item;
                }
                fees->appendRow(items);
            }
        };
    } else {
        data.masterKeyField = QStringLiteral("F_ID");
        data.detailKeyField = QStringLiteral("F_mainID");
    }

    ReportTemplate report;
    report.bands << band(ReportBand::Type::MasterData, 8, {textItem(QStringLiteral("户：[frxDBDataSet1.F_FZname]"))})
                 << band(ReportBand::Type::DetailHeader, 6, {textItem(QStringLiteral("项目"))})
                 << band(ReportBand::Type::DetailData, 6,
                         {textItem(QStringLiteral("[Line]. [frxDBDataSet2.F_SFname] [frxDBDataSet2.F_totalPrice]"))})
                 << band(ReportBand::Type::DetailFooter, 6,
                         {textItem(QStringLiteral("小计 [SUM(frxDBDataSet2.F_totalPrice)]"), 0, 60)})
                 << band(ReportBand::Type::ReportSummary, 6, {textItem(QStringLiteral("户数 [COUNT(master)]"))});
    const ReportDocument doc = ReportEngine::run(report, data);
    QCOMPARE(doc.pageText(0).split(QLatin1Char('\n')),
             QStringList({QStringLiteral("户：张三"), QStringLiteral("项目"), QStringLiteral("1. 水费 10"),
                          QStringLiteral("2. 电费 5.5"), QStringLiteral("小计 15.5"), QStringLiteral("户：李四"),
                          QStringLiteral("项目"), QStringLiteral("小计 0"), QStringLiteral("户：王五"),
                          QStringLiteral("项目"), QStringLiteral("1. 物业费 100"), QStringLiteral("小计 100"),
                          QStringLiteral("户数 3")}));
    if (byCallback)
        QCOMPARE(asked, QList<int>({0, 1, 2}));
}

void TestReport::detailOnlyTemplatePrintsEveryDetailRow()
{
    // The receipt: the paying household in the title (the window's current
    // row), the ticked fee rows as detail data, and the window's variables.
    QObject owner;
    auto *households = makeModel({QStringLiteral("F_FZname")},
                                 {{QStringLiteral("张三")}, {QStringLiteral("李四")}}, &owner);
    auto *fees = makeModel({QStringLiteral("F_SFname"), QStringLiteral("F_totalPrice")},
                           {{QStringLiteral("水费"), 12.0}, {QStringLiteral("电费"), 8.0}}, &owner);
    ReportTemplate report;
    report.bands << band(ReportBand::Type::ReportTitle, 10,
                         {textItem(QStringLiteral("[frxDBDataSet1.F_FZname] 收款单 [JFcode]"), 0, 120)})
                 << band(ReportBand::Type::DetailData, 6,
                         {textItem(QStringLiteral("[frxDBDataSet2.F_SFname]=[frxDBDataSet2.F_totalPrice]"))})
                 << band(ReportBand::Type::ReportSummary, 6,
                         {textItem(QStringLiteral("合计 [SUM(frxDBDataSet2.F_totalPrice)] 实收 [FKprice]"))});
    ReportData data;
    data.master = households;
    data.detail = fees;
    data.masterCurrentRow = 1;
    data.variables.insert(QStringLiteral("JFcode"), QStringLiteral("20240105001"));
    data.variables.insert(QStringLiteral("FKprice"), QStringLiteral("￥20.00"));
    const ReportDocument doc = ReportEngine::run(report, data);
    QCOMPARE(doc.pageText(0).split(QLatin1Char('\n')),
             QStringList({QStringLiteral("李四 收款单 20240105001"), QStringLiteral("水费=12"),
                          QStringLiteral("电费=8"), QStringLiteral("合计 20 实收 ￥20.00")}));
}

void TestReport::namedObjectsTakeTheirText()
{
    ReportItem memo = textItem(QStringLiteral("原文 [Date]"));
    memo.name = QStringLiteral("MemoDate");
    ReportItem other = textItem(QStringLiteral("不变"));
    other.name = QStringLiteral("memOther");
    ReportTemplate report;
    report.bands << band(ReportBand::Type::ReportTitle, 10, {memo, other});
    ReportData data;
    data.objectTexts.insert(QStringLiteral("memodate"), QStringLiteral("统计日期：自 启用系统 至 [记帐最后一天]"));
    const ReportDocument doc = ReportEngine::run(report, data);
    // The text is taken as it is, brackets included.
    QCOMPARE(doc.pageText(0), QStringLiteral("统计日期：自 启用系统 至 [记帐最后一天]\n不变"));
}

void TestReport::missingTemplateGivesOneEmptyPage()
{
    const QString pdf = m_dir.filePath(QStringLiteral("missing.pdf"));
    QVERIFY(RenderReportToPdf(QStringLiteral("frNoSuchTemplate"), ReportData(), pdf));
    QVERIFY(QFileInfo(pdf).size() > 0);
    if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
        QSKIP("pdfinfo (poppler-utils) is not installed: page count not checked");
    QCOMPARE(pdfPageCount(pdf), 1);
    QCOMPARE(pdfText(pdf).trimmed(), QString());
}

void TestReport::shippedTemplatesPrintTheirLists_data()
{
    QTest::addColumn<QString>("templateName");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QList<QVariantList>>("rows");
    QTest::addColumn<QStringList>("expected");

    // Field names as PostgreSQL reports them: in lower case.
    QTest::newRow("residential areas")
        << "frXQinfoGL"
        << QStringList{"f_id", "f_code", "f_name", "f_address", "f_ldamount", "f_dyamount", "f_fjamount",
                       "f_lcjiegou", "f_zhamount", "f_kzamount", "f_mem1", "f_mem2"}
        << QList<QVariantList>{
               {1, "001", "阳光小区", "城南路 8 号", 12, 36, 480, "框架", 400, 80, "高层住宅", ""},
               {2, "002", "翠湖花园", "湖滨大道 1 号", 6, 12, 144, "砖混", 140, 4, "", "二期在建"}}
        << QStringList{"小区信息列表", "阳光小区", "翠湖花园", "城南路 8 号", "二期在建", "480", "144",
                       "624", "合计", "打印日期：" + QDate::currentDate().toString("yyyy-MM-dd"),
                       "第 1 页，共 1 页"};
    QTest::newRow("fee items")
        << "\\Qr\\frFYinfoGL.fr3"
        << QStringList{"F_ID", "F_code", "F_name", "F_SFtype", "F_SFprice", "F_SFcycle", "F_XQname", "F_memo1"}
        << QList<QVariantList>{{1, "001", "水费", "按用量", 2.5, "月", "阳光小区", "居民用水"},
                               {2, "002", "物业管理费", "按面积", 1234.5678, "月", "阳光小区", ""},
                               {3, "003", "退款", "按自定义", -8.0, "年", "翠湖花园", ""}}
        << QStringList{"费用项目列表", "水费", "按用量", "￥2.50", "￥1,234.5678", "-￥8.00", "居民用水",
                       "共 3 个费用项目", "第 1 页，共 1 页"};
}

void TestReport::shippedTemplatesPrintTheirLists()
{
    QFETCH(QString, templateName);
    QFETCH(QStringList, fields);
    QFETCH(QList<QVariantList>, rows);
    QFETCH(QStringList, expected);

    QVERIFY2(!ReportTemplateFile::find(reportTemplateDir(), templateName).isEmpty(),
             qPrintable(reportTemplateDir()));
    QObject owner;
    ReportData data;
    data.master = makeModel(fields, rows, &owner);
    const QString pdf = m_dir.filePath(ReportTemplateFile::baseName(templateName) + QStringLiteral(".pdf"));
    QVERIFY(RenderReportToPdf(templateName, data, pdf));
    const QString text = pdfText(pdf);
    if (text.isNull())
        QSKIP("pdftotext (poppler-utils) is not installed: PDF text not checked");
    for (const QString &piece : expected)
        QVERIFY2(text.contains(piece), qPrintable(piece + QStringLiteral(" not in:\n") + text));
}

void TestReport::variablesReachThePdf()
{
    QTemporaryDir dir;
    ReportTemplate report;
    report.bands << band(ReportBand::Type::ReportTitle, 12,
                         {textItem(QStringLiteral("[sCaption]"), 0, 150), textItem(QStringLiteral("[memDate]"), 0, 150, 6)})
                 << band(ReportBand::Type::ColumnHeader, 8,
                         {textItem(QStringLiteral("[Csz1]"), 0, 40), textItem(QStringLiteral("[Csz2]"), 40, 40)});
    report.bands[0].items[1].y = 6;
    QVERIFY(ReportTemplateFile::save(dir.filePath(QStringLiteral("frYJFYtotalTJ.vrt")), report));
    setReportTemplateDir(dir.path());

    ReportData data;
    data.variables.insert(QStringLiteral("memDate"), QStringLiteral("统计日期：自 2024-01-01 至 记帐最后一天"));
    data.variables.insert(QStringLiteral("sCaption"), QStringLiteral("(按小区汇总)"));
    data.variables.insert(QStringLiteral("Csz1"), QStringLiteral("水费"));
    data.variables.insert(QStringLiteral("Csz2"), QStringLiteral("电费"));
    const QString pdf = dir.filePath(QStringLiteral("vars.pdf"));
    QVERIFY(RenderReportToPdf(QStringLiteral("FRyjfyTOTALtj"), data, pdf));
    useShippedTemplates();
    const QString text = pdfText(pdf);
    if (text.isNull())
        QSKIP("pdftotext (poppler-utils) is not installed: PDF text not checked");
    for (const QString &piece : {QStringLiteral("统计日期：自 2024-01-01 至 记帐最后一天"),
                                 QStringLiteral("(按小区汇总)"), QStringLiteral("水费"), QStringLiteral("电费")})
        QVERIFY2(text.contains(piece), qPrintable(piece + QStringLiteral(" not in:\n") + text));
}

QTEST_MAIN(TestReport)
#include "tst_report.moc"
