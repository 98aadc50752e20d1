#include "db/tables.h"

namespace db {

namespace {

// One row per receipt; the receipt number links the fee records it settled.
TableDef receipts()
{
    TableDef t("T_wyFKrec");
    t.id()
        .integer("F_mainID")
        .text("F_XQname")
        .text("F_LDcode")
        .text("F_FZcode")
        .text("F_FZname")
        .integer("F_QFnum")
        .real("F_QFprice")
        .integer("F_XDnum")
        .real("F_FKprice")
        .real("F_bankPrice")
        .real("F_YSprice")
        .real("F_YHprice")
        .text("F_SKtype")
        .real("F_SKprice")
        .real("F_ZLprice")
        .longText("F_memo1")
        .date("F_JFdate")
        .text("F_code")
        .text("F_OperName")
        .uniqueIndex({"F_code"})
        .index({"F_mainID"});
    return t;
}

// Movements of the prepayment accounts: the balance is sum(F_price * F_operFlag).
TableDef prepayments()
{
    TableDef t("T_YSKrec");
    t.id()
        .integer("F_mainID")
        .text("F_XQname")
        .text("F_LDcode")
        .text("F_FZname")
        .date("F_SFdate")
        .date("F_editDate")
        .text("F_billCode")
        .real("F_price")
        .text("F_empName")
        .longText("F_memo1")
        .integer("F_operFlag")
        .text("F_FZcode")
        .index({"F_mainID"});
    return t;
}

}  // namespace

QList<TableDef> collectionTables()
{
    return {receipts(), prepayments()};
}

}  // namespace db
