#include "fees/feeitems/tfrmfyinfogl.h"

#include "fees/feeitems/tfrmfyinfoedit.h"

TfrmFYinfoGL::TfrmFYinfoGL(QWidget *parent) : RecordListWindow(definition(), parent) {}

ListWindowDef TfrmFYinfoGL::definition()
{
    ListWindowDef d;
    d.className = QStringLiteral("TfrmFYinfoGL");
    d.caption = QStringLiteral("费用项目设置");
    d.table = QStringLiteral("T_FYinfo");
    d.orderBy = QStringLiteral("order by F_code");
    d.gridKey = QStringLiteral("FYinfoGL");
    d.formatClass = 5;
    GridColumn price{QStringLiteral("F_SFprice"), QStringLiteral("单位价格"), 80};
    price.displayFormat = QStringLiteral("￥,0.00##;-￥,0.00##");
    d.columns = {{QStringLiteral("F_code"), QStringLiteral("编号"), 80},
                 {QStringLiteral("F_name"), QStringLiteral("名称"), 120},
                 {QStringLiteral("F_SFtype"), QStringLiteral("收费方式"), 80},
                 price,
                 {QStringLiteral("F_SFcycle"), QStringLiteral("收费周期"), 80},
                 {QStringLiteral("F_XQname"), QStringLiteral("小区名称"), 120},
                 {QStringLiteral("F_memo1"), QStringLiteral("备注"), 200}};
    // Fee items have no type, place or person of their own: "类型" searches
    // the charge kind, "区域" the residential area and "负责人" the remark,
    // where a responsible person is written down.
    d.filters = {{QStringLiteral("编号"), QStringLiteral("F_code"), ClauseBuilder::Match::Prefix, {}},
                 {QStringLiteral("类型"), QStringLiteral("F_SFtype"), ClauseBuilder::Match::Contains,
                  QStringLiteral("sftype")},
                 {QStringLiteral("区域"), QStringLiteral("F_XQname"), ClauseBuilder::Match::Contains, {}},
                 {QStringLiteral("负责人"), QStringLiteral("F_memo1"), ClauseBuilder::Match::Contains, {}},
                 {QStringLiteral("备注"), QStringLiteral("F_memo1"), ClauseBuilder::Match::Contains, {}}};
    d.reports = {{QStringLiteral("打印"), QStringLiteral("frFYinfoGL")}};
    d.exportTitle = QStringLiteral("费用项目管理");
    d.editor = TfrmFYinfoEdit::definition();
    return d;
}

RecordEditWindow *TfrmFYinfoGL::createEditWindow()
{
    return new TfrmFYinfoEdit(this);
}
