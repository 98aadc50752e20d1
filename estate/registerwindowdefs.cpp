#include "estate/registerwindowdefs.h"

#include "app/recordmanager/describe.h"

namespace {

using Match = ClauseBuilder::Match;
using describe::column;
using describe::field;
using describe::filter;

FieldDef areaField()
{
    return field("F_XQname", "小区名称：", "cbbXQname", Editor::Area, "", KeepOnNew);
}

ListWindowDef list(const char *className, const char *caption, const char *table, const char *key,
                   const char *templateName)
{
    ListWindowDef d;
    d.className = QString::fromLatin1(className);
    d.caption = QString::fromUtf8(caption);
    d.table = QString::fromLatin1(table);
    d.gridKey = QString::fromLatin1(key);
    d.reports = {{QStringLiteral("打印"), QString::fromLatin1(templateName)}};
    d.exportTitle = d.caption;
    return d;
}

EditWindowDef editor(const char *className, const char *title, const char *table, int codeWidth)
{
    EditWindowDef e;
    e.className = QString::fromLatin1(className);
    e.title = QString::fromUtf8(title);
    e.table = QString::fromLatin1(table);
    e.codeWidth = codeWidth;
    e.formColumns = 2;
    return e;
}

}  // namespace

ListWindowDef RegisterWindowDefs::cleaning()
{
    ListWindowDef d = list("TfrmBJinfoGL", "保洁绿化管理", "T_BJinfo", "BJinfoGL", "frBJinfoGL");
    d.columns = {column("F_code", "编号"),       column("F_type", "类型"),   column("F_area", "区域"),
                 column("F_FZRemp", "负责人"),   column("F_date", "日期"),   column("F_YSmem", "验收", 140),
                 column("F_XQname", "小区名称", 100), column("F_memo1", "备注", 140)};
    d.filters = {filter("编号", "F_code", Match::Prefix), filter("类型", "F_type", Match::Contains, "type"),
                 filter("区域", "F_area", Match::Contains), filter("负责人", "F_FZRemp", Match::Contains),
                 filter("备注", "F_memo1", Match::Contains)};
    d.editor = editor("TfrmBJinfoEdit", "保洁绿化资料", "T_BJinfo", 6);
    // The number is always proposed; a number taken meanwhile becomes the next free one.
    d.editor.fields = {field("F_code", "编    号：", "edtCode", Editor::Line, "", CodeField | AlwaysReadOnly),
                       field("F_area", "区    域：", "cbbArea", Editor::CodeList, "area"),
                       field("F_type", "类    型：", "cbbtype", Editor::CodeList, "bjtype"),
                       field("F_FZRemp", "负 责 人：", "edtFZRemp"),
                       field("F_date", "日    期：", "dtpDate", Editor::Date),
                       areaField(),
                       field("F_YSmem", "验    收：", "YSmem", Editor::Memo),
                       field("F_memo1", "备    注：", "Memo1", Editor::Memo)};
    return d;
}

ListWindowDef RegisterWindowDefs::patrol()
{
    ListWindowDef d = list("TfrmXLinfoGL", "保安巡逻管理", "T_XLinfo", "XLinfoGL", "frXLinfoGL");
    GridColumn time = column("F_time", "时间");
    time.displayFormat = QStringLiteral("hh:nn:ss");
    d.columns = {column("F_code", "档案编号"),  column("F_DSRemp", "当事人"),       column("F_type", "事件类型"),
                 column("F_area", "区域"),      column("F_CLRemp", "处理人"),       column("F_date", "日期"),
                 time,                          column("F_CLmem", "处理结果", 140), column("F_memo1", "事件简要", 140),
                 column("F_XQname", "小区名称", 100)};
    d.filters = {filter("档案编号", "F_code", Match::Prefix), filter("当事人", "F_DSRemp", Match::Prefix),
                 filter("事件类型", "F_type", Match::Contains, "XLtype"),
                 filter("区域", "F_area", Match::Contains, "area"), filter("处理人", "F_CLRemp", Match::Contains)};
    d.editor = editor("TfrmXLinfoEdit", "保安巡逻资料", "T_XLinfo", 6);
    FieldDef outcome = field("F_CLmem", "处理结果：", "edtCLmem");
    outcome.maxLength = 255;
    // The time of day beside the date is an input of the window itself.
    d.editor.fields = {field("F_code", "档案编号：", "edtCode", Editor::Line, "", CodeField | ReadOnlyOnEdit),
                       field("F_DSRemp", "当 事 人：", "edtDSRemp"),
                       field("F_type", "事件类型：", "cbbXLtype", Editor::CodeList, "xltype"),
                       field("F_area", "区    域：", "cbbArea", Editor::CodeList, "area"),
                       field("F_CLRemp", "处 理 人：", "edtCLRemp"),
                       field("F_date", "日    期：", "dtpDate", Editor::Date),
                       outcome,
                       areaField(),
                       field("F_memo1", "事件简要：", "Memo1", Editor::Memo)};
    return d;
}

ListWindowDef RegisterWindowDefs::suggestions()
{
    ListWindowDef d = list("TfrmYJinfoGL", "建议意见管理", "T_YJinfo", "YJinfoGL", "frYJinfoGL");
    d.columns = {column("F_code", "单据编号"),  column("F_XQname", "小区名称", 100), column("F_YZcode", "业主门牌"),
                 column("F_YZname", "业主姓名"), column("F_date", "建议时间"),      column("F_JDemp", "接待员工"),
                 column("F_memo1", "建议内容", 140), column("F_type", "内容类型"),  column("F_SLdate", "受理时间"),
                 column("F_SLemp", "受理员工"),  column("F_memo2", "业主反馈", 140), column("F_SLtype", "受理状态")};
    d.filters = {filter("单据编号", "F_code", Match::Contains), filter("业主门牌", "F_YZcode", Match::Contains),
                 filter("业主姓名", "F_YZname", Match::Contains), filter("建议内容", "F_memo1", Match::Contains),
                 filter("业主反馈", "F_memo2", Match::Contains)};
    d.editor = editor("TfrmYJinfoEdit", "建议意见资料", "T_YJinfo", 3);
    d.editor.codeTaken = RecordSaver::CodePolicy::Refuse;
    d.editor.codeTakenMessage = QStringLiteral("单据编号重复，请重新输入！");
    d.editor.emptyCodeMessage = QStringLiteral("单据编号不能为空！");
    d.editor.fields = {field("F_code", "单据编号：", "edtCode", Editor::Line, "", CodeField | ReadOnlyOnEdit),
                       field("F_YZcode", "业主门牌：", "edtYZcode"),
                       field("F_YZname", "业主姓名：", "edtYZname"),
                       field("F_date", "建议时间：", "dtpDate", Editor::Date),
                       field("F_JDemp", "接待员工：", "cbbJDemp", Editor::CodeList, "JDemp"),
                       field("F_type", "内容类型：", "cbbContenttype", Editor::CodeList, "Contenttype"),
                       field("F_memo1", "建议内容：", "Memo1", Editor::Memo),
                       field("F_SLdate", "受理时间：", "dtpSLDate", Editor::Date),
                       field("F_SLtype", "受理状态：", "cbbSLtype", Editor::CodeList, "SLtype"),
                       field("F_SLemp", "受理员工：", "cbbSLemp", Editor::CodeList, "SLemp"),
                       areaField(),
                       field("F_memo2", "业主反馈：", "Memo2", Editor::Memo)};
    return d;
}

QStringList RegisterWindowDefs::suggestionKinds()
{
    return {QStringLiteral("内容类型"), QStringLiteral("受理状态"), QStringLiteral("业主姓名"),
            QStringLiteral("接待人员"), QStringLiteral("受理人员")};
}

QString RegisterWindowDefs::suggestionKindColumn(int kind)
{
    static const QStringList columns = {QStringLiteral("F_type"), QStringLiteral("F_SLtype"),
                                        QStringLiteral("F_YZname"), QStringLiteral("F_JDemp"),
                                        QStringLiteral("F_SLemp")};
    return columns.value(kind, columns.first());
}

ListWindowDef RegisterWindowDefs::facilities()
{
    ListWindowDef d = list("TfrmPublicSetGL", "小区公共设施管理", "T_publicSet", "PublicSetGL", "frPublicSetGL");
    d.formatClass = 1;
    GridColumn code = column("F_code", "设施编号");
    code.footerType = GridColumn::FooterText;
    code.footerText = QStringLiteral("合  计");
    GridColumn amount = column("F_amount", "数量");
    amount.footerType = GridColumn::FooterSum;
    GridColumn total = column("F_totalprice", "金额");
    total.footerType = GridColumn::FooterSum;
    d.columns = {code,   column("F_name", "设施名称", 100), column("F_type", "类型"),  column("F_pinpai", "品牌"),
                 column("F_spec", "规格"), column("F_address", "产地"), amount, column("F_price", "单价"), total,
                 column("F_XQname", "小区名称", 100), column("F_memo1", "备注", 140)};
    d.filters = {filter("设施编号", "F_code", Match::Prefix),
                 filter("设施名称", "F_name", Match::Prefix),
                 filter("设施类型", "F_type", Match::Contains, "settype"),
                 filter("品牌", "F_pinpai", Match::Contains, "setpinpai"),
                 filter("规格", "F_spec", Match::Contains),
                 filter("产地", "F_address", Match::Contains),
                 filter("备注", "F_memo1", Match::Contains)};
    d.editor = editor("TfrmPublicSetEdit", "公共设施资料", "T_publicSet", 6);
    d.editor.fields = {field("F_code", "设施编号：", "edtCode", Editor::Line, "", CodeField | ReadOnlyOnEdit),
                       field("F_name", "设施名称：", "edtName"),
                       field("F_type", "设备类型：", "cbbSETtype", Editor::CodeList, "settype"),
                       field("F_pinpai", "品    牌：", "cbbpinpai", Editor::CodeList, "pinpai"),
                       field("F_spec", "规    格：", "edtspec"),
                       field("F_address", "产    地：", "edtaddress"),
                       field("F_amount", "数    量：", "rceAmount", Editor::Amount),
                       field("F_price", "单    价：", "ceprice", Editor::Price),
                       field("F_totalprice", "金    额：", "ceTotalprice", Editor::Money),
                       areaField(),
                       field("F_useFlag", "停    用", "cbUseFlag", Editor::Check),
                       field("F_memo1", "备    注：", "Memo1", Editor::Memo)};
    return d;
}
