#pragma once

#include "app/recordmanager/clausebuilder.h"

#include <QString>
#include <QStringList>

namespace estate {

// One item of a list's field selector: the column it searches, how, and where
// its value comes from (the text box, a code list, or fixed items).
struct FilterItem {
    QString caption;
    QString column;        // empty for blank items, which add no condition
    ClauseBuilder::Match match = ClauseBuilder::Match::Contains;
    QString codeList;      // t_code category that fills the drop-down value box
    QStringList fixedItems;

    bool usesDropDown() const { return !codeList.isEmpty() || !fixedItems.isEmpty(); }
    bool isBlank() const { return column.isEmpty(); }
};

}  // namespace estate
