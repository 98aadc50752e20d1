#pragma once

#include "estate/areatree.h"

#include <QTreeWidget>
#include <optional>

// The area tree of the house list and the house picker: a root per area, a
// child per building code. Read-only; the selection stays visible when the
// tree loses the focus.
class AreaTreeView : public QTreeWidget {
    Q_OBJECT
public:
    explicit AreaTreeView(QWidget *parent = nullptr);

    // Replaces the nodes; the previous selection is kept where it still exists.
    void setAreas(const QList<estate::AreaTreeNode> &areas);
    // The selected node, if any.
    std::optional<estate::AreaTreeSelection> selection() const;
    // Selects the area's node, or its building's when building is not empty.
    bool selectNode(const QString &area, const QString &building = QString());
};
