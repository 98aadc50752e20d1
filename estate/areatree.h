#pragma once

#include "access/areascope.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

namespace estate {

// One area of the tree with the building codes of its houses.
struct AreaTreeNode {
    QString area;
    QStringList buildings;
};

// A node chosen in an area tree: an area, or one building of an area.
struct AreaTreeSelection {
    QString area;
    QString building;
    bool isBuilding = false;

    static AreaTreeSelection ofArea(const QString &area) { return {area, QString(), false}; }
    static AreaTreeSelection ofBuilding(const QString &area, const QString &building)
    {
        return {area, building, true};
    }
};

// The area tree of the house list and the house picker: the areas the
// operator may see, each with the building codes found on its houses.
// Buildings are not rows of their own; they exist as long as a house names them.
class AreaTree {
public:
    // skipUnnamed leaves out areas whose name is empty (the house list does,
    // the picker does not). ok is false when the database failed.
    static QList<AreaTreeNode> load(const AreaScope &scope, bool skipUnnamed,
                                    QSqlDatabase db = QSqlDatabase::database(), bool *ok = nullptr);
    static QStringList buildingsOf(const QString &area, QSqlDatabase db = QSqlDatabase::database(),
                                   bool *ok = nullptr);
};

}  // namespace estate
