#include "db/tables.h"

namespace db {

namespace {

TableDef areas()
{
    TableDef t("T_XQinfo");
    t.id()
        .text("F_code")
        .text("F_name")
        .text("F_address")
        .real("F_LDamount")
        .integer("F_DYamount")
        .integer("F_FJamount")
        .text("F_LCjiegou")
        .integer("F_ZHamount")
        .integer("F_KZamount")
        .longText("F_mem1")
        .longText("F_mem2")
        .uniqueIndex({"F_code"})
        .index({"F_name"});
    return t;
}

// Houses with their owner and resident. Room numbers repeat across buildings
// and imported data may repeat them within one, so no unique key on them.
TableDef houses()
{
    TableDef t("T_FCinfo");
    t.id()
        .text("F_XQname")
        .text("F_LDcode")
        .text("F_DYcode")
        .text("F_code")
        .text("F_FXtype")
        .text("F_LouCeng")
        .text("F_chaoXiang")
        .real("F_buildArea")
        .real("F_useArea")
        .text("F_chanquan")
        .longText("F_mem1")
        .text("F_curStatus")
        .text("F_useStatus")
        .date("F_useDate")
        .text("F_FZname")
        .text("F_FZsex")
        .text("F_SFZcode")
        .text("F_FZunit")
        .text("F_FZphone")
        .text("F_handphone")
        .text("F_FZaddress")
        .longText("F_mem2")
        .text("F_HTcode")
        .real("F_HTprice")
        .date("F_HTdate")
        .text("F_HTtype")
        .text("F_ZHname")
        .text("F_ZHphone")
        .text("F_ZHhandphone")
        .date("F_RZdate")
        .text("F_ZHSFZcode")
        .text("F_ZHwork")
        .longText("F_mem3")
        .real("F_ZHnum")
        .index({"F_XQname", "F_LDcode"})
        .index({"F_code"});
    return t;
}

TableDef parkingSpaces()
{
    TableDef t("T_carPos");
    t.id()
        .text("F_code")
        .text("F_address")
        .real("F_YSprice")
        .real("F_YZprice")
        .text("F_CQstatus")
        .real("F_SJprice")
        .date("F_fromDate")
        .date("F_toDate")
        .integer("F_mainID")
        .text("F_FZcode")
        .text("F_FZname")
        .text("F_XQname")
        .text("F_LDcode")
        .text("F_CarCode")
        .text("F_phone")
        .text("F_handPhone")
        .text("F_empName")
        .bit("F_flag")
        .text("F_Haddress")
        .longText("F_memo1")
        .uniqueIndex({"F_code"})
        .index({"F_mainID"});
    return t;
}

TableDef facilities()
{
    TableDef t("T_publicSet");
    t.id()
        .text("F_code")
        .text("F_name")
        .text("F_type")
        .text("F_pinpai")
        .text("F_spec")
        .text("F_address")
        .real("F_amount")
        .real("F_price")
        .real("F_totalprice")
        .bit("F_useFlag")
        .text("F_XQname")
        .longText("F_memo1")
        .uniqueIndex({"F_code"});
    return t;
}

TableDef cleaningRegister()
{
    TableDef t("T_BJinfo");
    t.id()
        .text("F_code")
        .text("F_type")
        .text("F_area")
        .text("F_FZRemp")
        .date("F_date")
        .longText("F_YSmem")
        .longText("F_memo1")
        .text("F_XQname")
        .uniqueIndex({"F_code"});
    return t;
}

TableDef patrolRegister()
{
    TableDef t("T_XLinfo");
    t.id()
        .text("F_code")
        .text("F_DSRemp")
        .text("F_type")
        .text("F_area")
        .text("F_CLRemp")
        .date("F_date")
        .time("F_time")
        .longText("F_CLmem")
        .longText("F_memo1")
        .text("F_XQname")
        .uniqueIndex({"F_code"});
    return t;
}

TableDef suggestionRegister()
{
    TableDef t("T_YJinfo");
    t.id()
        .text("F_code")
        .text("F_YZcode")
        .text("F_YZname")
        .date("F_date")
        .text("F_JDemp")
        .longText("F_memo1")
        .text("F_type")
        .date("F_SLdate")
        .text("F_SLemp")
        .longText("F_memo2")
        .text("F_SLtype")
        .text("F_XQname")
        .uniqueIndex({"F_code"});
    return t;
}

}  // namespace

QList<TableDef> estateTables()
{
    return {areas(), houses(), parkingSpaces(), facilities(), cleaningRegister(), patrolRegister(),
            suggestionRegister()};
}

}  // namespace db
