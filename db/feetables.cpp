#include "db/tables.h"

namespace db {

namespace {

TableDef feeItems()
{
    TableDef t("T_FYinfo");
    t.id()
        .text("F_code")
        .text("F_name")
        .text("F_SFtype")
        .real("F_SFprice")
        .text("F_SFcycle")
        .longText("F_memo1")
        .text("F_XQname")
        .uniqueIndex({"F_code"})
        .uniqueIndex({"F_name"});
    return t;
}

TableDef sharedMeters()
{
    TableDef t("T_GTinfo");
    t.id()
        .text("F_code")
        .text("F_name")
        .text("F_type")
        .real("F_amount")
        .longText("F_memo1")
        .text("F_XQname")
        .uniqueIndex({"F_code"})
        .uniqueIndex({"F_name"});
    return t;
}

TableDef sharedMeterHouses()
{
    TableDef t("T_GTdetail");
    t.id()
        .text("F_code")
        .integer("F_mainID")
        .text("F_XQname")
        .text("F_LDcode")
        .text("F_FZcode")
        .text("F_FZname")
        .longText("F_memo1")
        .index({"F_code"})
        .index({"F_mainID"});
    return t;
}

// One charge of one fee item to one house for one period. Paid flag and
// origin default to 0 because the statements that create rows leave them out.
TableDef payableFees()
{
    TableDef t("T_wyFYrec");
    t.id()
        .integer("F_mainID")
        .text("F_FZcode")
        .text("F_XQname")
        .text("F_LDcode")
        .text("F_FZname")
        .text("F_SFtype")
        .text("F_SFname")
        .date("F_fromDate")
        .date("F_toDate")
        .date("F_SFdate")
        .real("F_Bamount")
        .real("F_Eamount")
        .real("F_amount")
        .real("F_price")
        .real("F_totalPrice")
        .longText("F_memo1")
        .text("F_empName")
        .text("F_OperName")
        .date("F_editDate")
        .bit("F_JFflag").zeroByDefault()
        .text("F_JFcode")
        .integer("F_GTflag").zeroByDefault()
        .text("F_GTid")
        .index({"F_mainID"})
        .index({"F_JFcode"})
        .index({"F_XQname"})
        .index({"F_SFname"})
        .index({"F_GTid"});
    return t;
}

TableDef sharedFees()
{
    TableDef t("T_wyGTrec");
    t.id()
        .text("F_GTid")
        .text("F_GTcode")
        .text("F_GTname")
        .text("F_GTtype")
        .integer("F_GThs")
        .date("F_fromDate")
        .date("F_toDate")
        .date("F_SFdate")
        .real("F_Bamount")
        .real("F_Eamount")
        .real("F_amount")
        .real("F_price")
        .real("F_totalPrice")
        .longText("F_memo1")
        .text("F_empName")
        .text("F_OperName")
        .text("F_SFtype")
        .text("F_SFname")
        .date("F_editDate")
        .text("F_XQname")
        .uniqueIndex({"F_GTid"})
        .index({"F_GTcode"});
    return t;
}

}  // namespace

QList<TableDef> feeTables()
{
    return {feeItems(), sharedMeters(), sharedMeterHouses(), payableFees(), sharedFees()};
}

}  // namespace db
