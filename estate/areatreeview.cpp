#include "estate/areatreeview.h"

#include <QHeaderView>
#include <QStyle>

namespace {
constexpr int kAreaRole = Qt::UserRole + 1;
constexpr int kBuildingRole = Qt::UserRole + 2;
constexpr int kIsBuildingRole = Qt::UserRole + 3;
}  // namespace

AreaTreeView::AreaTreeView(QWidget *parent) : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setColumnCount(1);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Keep the chosen node highlighted while the focus is elsewhere.
    QPalette p = palette();
    p.setColor(QPalette::Inactive, QPalette::Highlight, p.color(QPalette::Active, QPalette::Highlight));
    p.setColor(QPalette::Inactive, QPalette::HighlightedText, p.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(p);
}

void AreaTreeView::setAreas(const QList<estate::AreaTreeNode> &areas)
{
    const std::optional<estate::AreaTreeSelection> previous = selection();
    clear();
    const QIcon areaIcon = style()->standardIcon(QStyle::SP_DirIcon);
    const QIcon buildingIcon = style()->standardIcon(QStyle::SP_FileIcon);
    for (const estate::AreaTreeNode &node : areas) {
        auto *root = new QTreeWidgetItem(this, {node.area});
        root->setIcon(0, areaIcon);
        root->setData(0, kAreaRole, node.area);
        root->setData(0, kIsBuildingRole, false);
        for (const QString &building : node.buildings) {
            auto *child = new QTreeWidgetItem(root, {building});
            child->setIcon(0, buildingIcon);
            child->setData(0, kAreaRole, node.area);
            child->setData(0, kBuildingRole, building);
            child->setData(0, kIsBuildingRole, true);
        }
    }
    if (previous)
        selectNode(previous->area, previous->isBuilding ? previous->building : QString());
}

std::optional<estate::AreaTreeSelection> AreaTreeView::selection() const
{
    const QList<QTreeWidgetItem *> items = selectedItems();
    if (items.isEmpty())
        return std::nullopt;
    const QTreeWidgetItem *item = items.first();
    if (item->data(0, kIsBuildingRole).toBool())
        return estate::AreaTreeSelection::ofBuilding(item->data(0, kAreaRole).toString(),
                                                     item->data(0, kBuildingRole).toString());
    return estate::AreaTreeSelection::ofArea(item->data(0, kAreaRole).toString());
}

bool AreaTreeView::selectNode(const QString &area, const QString &building)
{
    for (int i = 0; i < topLevelItemCount(); ++i) {
        QTreeWidgetItem *root = topLevelItem(i);
        if (root->data(0, kAreaRole).toString() != area)
            continue;
        QTreeWidgetItem *target = building.isEmpty() ? root : nullptr;
        for (int j = 0; !target && j < root->childCount(); ++j) {
            if (root->child(j)->data(0, kBuildingRole).toString() == building)
                target = root->child(j);
        }
        if (!target)
            return false;
        if (target != root)
            root->setExpanded(true);
        setCurrentItem(target);
        target->setSelected(true);
        return true;
    }
    return false;
}
