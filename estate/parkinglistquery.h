#pragma once

#include "access/areascope.h"
#include "db/dialect.h"
#include "app/recordmanager/boundstatement.h"
#include "estate/filteritem.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace estate {

// The statements of the parking list: its eight contains-filters, the value
// list of property statuses or handling employees, and the list itself.
class ParkingListQuery {
public:
    enum ListKind { ByStatus = 1, ByEmployee = 2 };

    static QList<FilterItem> filterItems();
    // The kinds of the value list, in the order of its selector.
    static QStringList listKinds();
    static QString listTitle(ListKind kind);
    // Distinct non-empty values of the kind, as F_name.
    static QString valueListStatement(ListKind kind);

    // selectedValue: the value list's row, or nullptr for "全部".
    static BoundStatement build(int itemIndex, const QString &value, ListKind kind, const QString *selectedValue,
                          const AreaScope &scope, const db::Dialect &dialect);
};

}  // namespace estate
