#include "estate/parkingwindowdefs.h"

#include "app/recordmanager/describe.h"
#include "estate/parkinglistquery.h"

using describe::column;

ListWindowDef ParkingWindowDefs::listWindow()
{
    ListWindowDef d;
    d.className = QStringLiteral("TfrmCarPosGL");
    d.caption = QStringLiteral("车位管理");
    d.table = QStringLiteral("T_carPos");
    d.gridKey = QStringLiteral("CarPosGL");
    d.formatClass = 3;
    d.reports = {{QStringLiteral("车位档案统计列表"), QStringLiteral("frCarPosGL")},
                 {QStringLiteral("车位销售租赁表格"), QStringLiteral("frCarPosGL1")}};
    d.exportTitle = QStringLiteral("车位档案统计列表");

    GridColumn code = column("F_code", "车位编号");
    code.footerType = GridColumn::FooterText;
    code.footerText = QStringLiteral("合  计");
    GridColumn charged = column("F_SJprice", "价格");
    charged.footerType = GridColumn::FooterSum;
    d.columns = {code,
                 column("F_address", "位置", 100),
                 column("F_YSprice", "预售价格"),
                 column("F_YZprice", "预租价格"),
                 column("F_XQname", "小区名称", 100),
                 column("F_FZcode", "房间编号"),
                 column("F_FZname", "业主姓名"),
                 column("F_CarCode", "车辆号码"),
                 column("F_phone", "联系电话"),
                 column("F_handPhone", "手机"),
                 column("F_fromDate", "起始日期"),
                 column("F_toDate", "终止日期"),
                 column("F_CQstatus", "产权状态"),
                 charged,
                 column("F_Haddress", "用户地址", 120),
                 column("F_memo1", "备注", 120)};
    for (const estate::FilterItem &item : estate::ParkingListQuery::filterItems())
        d.filters.append({item.caption, item.column, item.match, QString()});
    return d;
}
