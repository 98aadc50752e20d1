#include "estate/housewindowdefs.h"

#include "app/recordmanager/describe.h"
#include "estate/houselistquery.h"

namespace {

using describe::column;
using describe::field;

EditWindowDef group(const char *className, std::initializer_list<FieldDef> fields, int columns)
{
    EditWindowDef d;
    d.className = QString::fromLatin1(className);
    d.title = QStringLiteral("房产住户档案");
    d.table = QStringLiteral("T_FCinfo");
    d.fields = fields;
    d.formColumns = columns;
    return d;
}

}  // namespace

ListWindowDef HouseWindowDefs::listWindow()
{
    ListWindowDef d;
    d.className = QStringLiteral("TfrmFCinfoGL");
    d.caption = QStringLiteral("房屋信息档案管理");
    d.table = QStringLiteral("T_FCinfo");
    d.areaScoped = false;   // the tree restricts instead
    d.orderBy = QStringLiteral("order by F_XQname,F_LDcode,F_DYcode,F_code");
    d.gridKey = QStringLiteral("FCinfoGL");
    d.sortMode = GridView::SortMode::AnyColumn;
    d.reports = {{QStringLiteral("打印房屋档案列表"), QStringLiteral("frFCinfoGL")},
                 {QStringLiteral("打印房屋档案详单"), QStringLiteral("frFCinfoGL1")}};
    d.exportTitle = QStringLiteral("房间信息档案管理");
    d.deleteQuestionField = QStringLiteral("F_code");

    GridColumn area = column("F_XQname", "小区名称", 100);
    area.footerType = GridColumn::FooterText;
    area.footerText = QStringLiteral("合  计");
    GridColumn price = column("F_HTprice", "合同金额");
    price.footerType = GridColumn::FooterSum;
    d.columns = {area,
                 column("F_LDcode", "楼幢号", 60),
                 column("F_DYcode", "单元", 50),
                 column("F_code", "房间编号", 70),
                 column("F_FXtype", "房型", 60),
                 column("F_LouCeng", "楼层", 50),
                 column("F_chaoXiang", "朝向", 50),
                 column("F_curStatus", "当前状态", 70),
                 column("F_buildArea", "建筑面积", 70),
                 column("F_useArea", "使用面积", 70),
                 column("F_chanquan", "产权状况"),
                 column("F_mem1", "房屋备注", 120),
                 column("F_HTcode", "合同编号"),
                 price,
                 column("F_HTdate", "合同日期"),
                 column("F_HTtype", "合同类型"),
                 column("F_FZname", "业主姓名"),
                 column("F_FZsex", "业主性别", 60),
                 column("F_FZphone", "业主电话"),
                 column("F_handphone", "业主手机"),
                 column("F_SFZcode", "身份证号", 140),
                 column("F_FZunit", "业主单位", 120),
                 column("F_FZaddress", "业主住址", 140),
                 column("F_mem2", "合同备注", 120),
                 column("F_ZHname", "住户姓名"),
                 column("F_RZdate", "入住日期"),
                 column("F_ZHphone", "住户电话"),
                 column("F_ZHhandphone", "住户手机"),
                 column("F_ZHSFZcode", "住户身份证", 140),
                 column("F_ZHwork", "从事行业"),
                 column("F_ZHnum", "住户人数", 60),
                 column("F_mem3", "住户备注", 120)};

    for (const estate::FilterItem &item : estate::HouseListQuery::filterItems()) {
        FilterDef f;
        f.caption = item.caption;
        f.column = item.column;
        f.match = item.match;
        f.codeList = item.codeList;
        d.filters << f;
    }
    return d;
}

EditWindowDef HouseWindowDefs::houseGroup()
{
    return group("HouseGroup",
                 {field("F_XQname", "小区名称：", "cbbXQname", Editor::Area),
                  field("F_LDcode", "楼 幢 号：", "edtLDcode"),
                  field("F_DYcode", "单    元：", "edtDYcode"),
                  field("F_code", "房间编号：", "edtcode"),
                  field("F_LouCeng", "楼    层：", "edtLouceng"),
                  field("F_FXtype", "房    型：", "cbbFXtype", Editor::CodeList, "fxtype"),
                  field("F_buildArea", "建筑面积：", "rcebuildarea", Editor::Amount),
                  field("F_useArea", "实用面积：", "rceusearea", Editor::Amount),
                  field("F_chanquan", "产权状况：", "cbbChanquan", Editor::CodeList, "chanquan"),
                  field("F_chaoXiang", "房间朝向：", "cbbChaoXiang", Editor::CodeList, "chaoxiang"),
                  field("F_curStatus", "当前状态：", "cbbCurStatus", Editor::CodeList, "curstatus"),
                  field("F_mem1", "房屋备注：", "mem1", Editor::Memo)},
                 3);
}

EditWindowDef HouseWindowDefs::contractPage()
{
    return group("ContractPage",
                 {field("F_HTcode", "合同编号：", "edtHTcode"),
                  field("F_HTprice", "合同金额：", "ceHTprice", Editor::Money),
                  field("F_HTdate", "合同日期：", "dtpHTDate", Editor::Date),
                  field("F_HTtype", "合同类型：", "cbbHTtype", Editor::CodeList, "HTtype"),
                  field("F_FZname", "业主姓名：", "edtFZname"),
                  field("F_SFZcode", "身份证号：", "edtSFZcode"),
                  field("F_FZphone", "联系电话：", "edtFZphone"),
                  field("F_handphone", "联系手机：", "edthandphone"),
                  field("F_FZaddress", "业主住址：", "edtFZaddress"),
                  field("F_FZunit", "业主单位：", "edtFZunit"),
                  field("F_mem2", "备    注：", "Mem2", Editor::Memo)},
                 2);
}

EditWindowDef HouseWindowDefs::residentPage()
{
    return group("ResidentPage",
                 {field("F_ZHname", "住户姓名：", "edtZHname"),
                  field("F_ZHSFZcode", "身份证号：", "edtZHsfzCode"),
                  field("F_ZHphone", "联系电话：", "edtZHphone"),
                  field("F_ZHhandphone", "联系手机：", "edtZHhandphone"),
                  field("F_ZHwork", "从事行业：", "edtZHwork"),
                  field("F_ZHnum", "实住人数：", "rceZHnum", Editor::Number),
                  field("F_mem3", "备注信息：", "Mem3", Editor::Memo)},
                 2);
}
