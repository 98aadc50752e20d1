#pragma once

#include "db/dialect.h"
#include "estate/areatree.h"
#include "app/recordmanager/boundstatement.h"
#include "estate/filteritem.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace estate {

// The statement of the house list: the selected tree node, the status filter
// and one field item. Values are bound; the LIKE patterns escape wildcards.
class HouseListQuery {
public:
    // The 22 field items, followed by four blank ones.
    static QList<FilterItem> filterItems();
    // "未销售", "已销售", "已入住", "全  部"; the first is selected at opening.
    static QStringList statusItems();
    static int allStatusIndex() { return 3; }

    // The list statement; an empty sql when no tree node is selected (the
    // list then stays empty).
    static BoundStatement build(const AreaTreeSelection *node, int statusIndex, int itemIndex, const QString &value,
                          const db::Dialect &dialect);
};

}  // namespace estate
