#include "db/tables.h"

#include <algorithm>

namespace db {

namespace {

TableDef analysisScratch()
{
    TableDef t("tempJYrec");
    t.text("F_code")
        .text("F_name")
        .real("F_beginYS")
        .real("F_beginSS")
        .real("F_beginWS")
        .real("F_enterYS")
        .real("F_enterSS")
        .real("F_enterWS")
        .real("F_endYS")
        .real("F_endSS")
        .real("F_endWS")
        .integer("F_flag");
    return t;
}

// Stock statistics. Besides the part code it can carry the part's row and
// area, since one code may name different parts in different areas.
TableDef stockScratch()
{
    TableDef t("tempDepot");
    t.text("F_PJcode")
        .real("F_amount")
        .real("F_totalprice")
        .real("F_begin")
        .real("F_beginPrice")
        .real("F_enter")
        .real("F_out")
        .real("F_sale")
        .real("F_salePrice")
        .real("F_rate")
        .integer("F_flag")
        .integer("F_PJid")
        .text("F_XQname");
    return t;
}

TableDef codeScratch()
{
    TableDef t("tempCode");
    t.text("F_code");
    return t;
}

const QList<TableDef> &allTables()
{
    static const QList<TableDef> tables = permanentTables() + scratchTables();
    return tables;
}

}  // namespace

QList<TableDef> permanentTables()
{
    return systemTables() + estateTables() + feeTables() + collectionTables() + repairTables();
}

QList<TableDef> scratchTables()
{
    return {feeCrossTable(feeCrossValueColumns(0)), analysisScratch(), stockScratch(), codeScratch()};
}

int feeCrossValueColumns(int feeItems)
{
    return std::max(15, feeItems);
}

TableDef feeCrossTable(int valueColumns)
{
    TableDef t("tempFYrec");
    t.integer("F_MainID")
        .text("F_XQname")
        .text("F_LDcode")
        .text("F_FZcode")
        .text("F_FZname")
        .date("F_SFdate")
        .date("F_Month");
    for (int i = 1; i <= valueColumns; ++i)
        t.add(QStringLiteral("F_SZ%1").arg(i), ColumnType::Float, true);
    t.real("F_totalPrice").zeroByDefault().integer("F_flag");
    return t;
}

const TableDef *findTable(const QString &name)
{
    for (const TableDef &t : allTables()) {
        if (t.name().compare(name, Qt::CaseInsensitive) == 0)
            return &t;
    }
    return nullptr;
}

}  // namespace db
