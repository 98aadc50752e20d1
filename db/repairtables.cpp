#include "db/tables.h"

namespace db {

namespace {

TableDef repairs()
{
    TableDef t("t_ZHBX");
    t.id()
        .text("F_code")
        .integer("F_mainID")
        .text("F_XQname")
        .text("F_LDcode")
        .text("F_FZcode")
        .text("F_FZname")
        .date("F_bxDate")
        .text("F_JDemp")
        .longText("F_memo1")
        .text("F_WXemp")
        .date("F_xfDate")
        .text("F_MYtype")
        .longText("F_memo2")
        .real("F_fwPrice")
        .real("F_wlPrice")
        .real("F_totalprice")
        .uniqueIndex({"F_code"})
        .index({"F_mainID"});
    return t;
}

// Parts used by a repair. F_PJid names the part row itself, because a part
// code is unique only within one residential area; rows written before it
// existed hold NULL there.
TableDef repairParts()
{
    TableDef t("t_ZHBXdetail");
    t.id()
        .text("F_code")
        .text("F_PJcode")
        .text("F_PJname")
        .text("F_type")
        .text("F_spec")
        .text("F_pinpai")
        .text("F_address")
        .text("F_unit")
        .real("F_amount")
        .real("F_price")
        .real("F_totalprice")
        .longText("F_mem")
        .integer("F_PJid")
        .index({"F_code"})
        .index({"F_PJid"})
        .index({"F_PJcode"});
    return t;
}

TableDef parts()
{
    TableDef t("T_PJinfo");
    t.id()
        .text("F_code")
        .text("F_name")
        .text("F_type")
        .integer("F_typeID")
        .text("F_spec")
        .text("F_unit")
        .text("F_address")
        .real("F_price1")
        .real("F_price2")
        .real("F_amount")
        .real("F_rate")
        .longText("F_mem")
        .bit("F_flag")
        .bit("F_IFduihuan")
        .real("F_dhJF")
        .text("F_XQname")
        .uniqueIndex({"F_code", IndexColumn::orEmpty("F_XQname")});
    return t;
}

// Journal of goods received into and returned from the store.
TableDef partsJournal()
{
    TableDef t("T_pjJHrec");
    t.id()
        .text("F_PJcode")
        .date("F_editDate")
        .real("F_amount")
        .integer("F_OperFlag")
        .real("F_price1")
        .real("F_price2")
        .longText("F_memo1")
        .text("F_OperName")
        .text("F_XQname")
        .index({"F_PJcode"});
    return t;
}

}  // namespace

QList<TableDef> repairTables()
{
    return {repairs(), repairParts(), parts(), partsJournal()};
}

}  // namespace db
