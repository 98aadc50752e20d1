#pragma once

#include "app/recordmanager/boundstatement.h"
#include "app/recordmanager/clausebuilder.h"
#include "app/recordmanager/windowdefs.h"

class FilterBar;

// The list statement of the estate registers: "select * from <table> where
// (1=1)", the operator's area condition, the filter bar's condition, the
// window's own further conditions, then the window's ordering.
class ScopedListStatement {
public:
    static BoundStatement build(const ListWindowDef &definition, const FilterBar *filter,
                                const ClauseBuilder &extra = ClauseBuilder(QStringLiteral("own")));
};
