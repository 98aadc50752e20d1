#pragma once

#include "db/tabledef.h"

#include <QList>

namespace db {

// The catalogue of the system's tables, grouped as the subsystems own them.
// The permanent tables live in the database; the scratch tables are made per
// connection as temporary tables.

QList<TableDef> systemTables();      // grids, import mapping, log, operators, permissions, settings, code lists
QList<TableDef> estateTables();      // areas, houses, parking, facilities, registers
QList<TableDef> feeTables();         // fee items, shared meters, payable fees, shared fees
QList<TableDef> collectionTables();  // receipts, prepayments
QList<TableDef> repairTables();      // repairs, their parts, the parts store and its journal

// Every permanent table, in the order they are created.
QList<TableDef> permanentTables();

// The per-connection scratch tables: tempFYrec (with the default fifteen value
// columns), tempJYrec, tempDepot and tempCode.
QList<TableDef> scratchTables();

// Number of value columns the fee cross table needs for a number of fee items:
// never fewer than fifteen, so that report layouts always find F_SZ1..F_SZ15.
int feeCrossValueColumns(int feeItems);

// The fee cross table tempFYrec with F_SZ1..F_SZ<valueColumns>, each and the
// row total defaulting to 0.
TableDef feeCrossTable(int valueColumns);

// The permanent or scratch table of that name (case-insensitive); nullptr if unknown.
const TableDef *findTable(const QString &name);

}  // namespace db
