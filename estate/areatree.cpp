#include "estate/areatree.h"

#include <QSqlQuery>

namespace estate {

QList<AreaTreeNode> AreaTree::load(const AreaScope &scope, bool skipUnnamed, QSqlDatabase db, bool *ok)
{
    if (ok)
        *ok = true;
    QList<AreaTreeNode> nodes;
    QSqlQuery q(db);
    q.prepare(QStringLiteral("select F_name from T_XQinfo where ")
              + (skipUnnamed ? QStringLiteral("F_name <> '' ") : QStringLiteral("(1=1) ")) + scope.nameClause()
              + QStringLiteral(" group by F_name order by F_name"));
    scope.bindTo(q);
    if (!q.exec()) {
        if (ok)
            *ok = false;
        return nodes;
    }
    while (q.next())
        nodes.append({q.value(0).toString(), {}});
    for (AreaTreeNode &node : nodes) {
        bool fine = true;
        node.buildings = buildingsOf(node.area, db, &fine);
        if (!fine && ok)
            *ok = false;
    }
    return nodes;
}

QStringList AreaTree::buildingsOf(const QString &area, QSqlDatabase db, bool *ok)
{
    if (ok)
        *ok = true;
    QStringList buildings;
    QSqlQuery q(db);
    q.prepare(QStringLiteral("select F_LDcode from T_FCinfo where F_XQname = :area and F_LDcode <> '' "
                             "group by F_LDcode order by F_LDcode"));
    q.bindValue(QStringLiteral(":area"), area);
    if (!q.exec()) {
        if (ok)
            *ok = false;
        return buildings;
    }
    while (q.next())
        buildings << q.value(0).toString();
    return buildings;
}

}  // namespace estate
