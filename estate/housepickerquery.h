#pragma once

#include "access/areascope.h"
#include "db/dialect.h"
#include "estate/areatree.h"
#include "app/recordmanager/boundstatement.h"

#include <QSqlDatabase>
#include <QString>
#include <optional>

namespace estate {

// The four text filters of the house picker; empty ones add nothing.
struct HousePickerFilters {
    QString area;
    QString building;
    QString room;
    QString propertyRight;
};

// A sold house as the windows that pick one read it back.
struct SoldHouse {
    int id = 0;
    QString code;
    QString area;
    QString building;
    QString owner;
    double buildArea = 0;
    double residents = 0;
};

// The rules of the house picker: which houses it offers (sold or occupied
// ones only, never unsold or status-less ones, within the operator's areas),
// what it returns, and the follow-up read its callers make.
class HousePickerQuery {
public:
    // The statement for a selected tree node; an empty sql when none is selected.
    static BoundStatement build(const AreaTreeSelection *node, const HousePickerFilters &filters, const AreaScope &scope,
                          const db::Dialect &dialect);

    // The picker's result: the chosen row's house when the dialog was
    // confirmed with a list open and a row current, else the caller's value.
    static int result(int callerValue, bool accepted, std::optional<int> currentRowId);

    // Reads a house that is not unsold. With a scope, also only within it.
    static std::optional<SoldHouse> soldHouse(int id, const AreaScope *scope = nullptr,
                                              QSqlDatabase db = QSqlDatabase::database());
};

}  // namespace estate
