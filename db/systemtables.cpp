#include "db/tables.h"

namespace db {

QList<TableDef> systemTables()
{
    // Column settings of every grid, one row per column of one grid key.
    TableDef grid("cfg_Grid");
    grid.id()
        .text("F_name")
        .text("F_FieldName")
        .text("F_Caption")
        .integer("F_Width")
        .bit("F_Visible")
        .bit("F_ReadOnly")
        .integer("F_Order")
        .text("F_DisplayFormat")
        .text("F_FooterValue")
        .integer("F_FooterType")
        .integer("F_Alignment")
        .index({"F_name", "F_FieldName"});

    // Column mapping of the spreadsheet import.
    TableDef import("cfg_import");
    import.id()
        .text("F_tablename")
        .integer("F_iFlag")
        .text("S_Field")
        .text("F_FieldName")
        .text("F_Field")
        .index({"F_tablename"});

    TableDef log("LogRec");
    log.id()
        .text("F_EmpName")
        .text("F_OperType")
        .text("F_OperDate")
        .text("F_OperTime");

    // Operator names are unique without regard to letter case: "Admin" beside
    // "admin" would otherwise pass as the super user.
    TableDef operators("OperList");
    operators.id()
        .text("F_Name")
        .text("F_PassWord")
        .longText("F_Mem")
        .bit("F_Flag")
        .bit("F_xtFlag")
        .integer("F_XQflag")
        .longText("F_XQname")
        .uniqueIndex({"F_Name"});

    TableDef limits("Limits");
    limits.id()
        .text("F_name")
        .text("F_code")
        .integer("F_flag");

    TableDef granted("OperLimit");
    granted.id()
        .text("F_OperName")
        .text("F_lmtName")
        .index({"F_OperName"});

    TableDef info("sysInfo");
    info.id()
        .text("F_name")
        .text("F_Address")
        .text("F_phone")
        .text("F_fax")
        .text("F_HomePage")
        .text("F_email")
        .text("F_linker")
        .date("F_buildDate")
        .text("F_enroler")
        .real("F_enrolPrice")
        .numeric("F_empNumber")
        .longText("F_Mem")
        .text("F_BakPath")
        .integer("F_iAmount")
        .integer("F_iPrice")
        .integer("F_iTotal");

    TableDef codes("t_code");
    codes.id()
        .text("F_type")
        .text("F_name")
        .index({"F_type"});

    return {grid, import, log, operators, limits, granted, info, codes};
}

}  // namespace db
