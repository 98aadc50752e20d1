#include "estate/toolbarplacement.h"

#include "app/recordmanager/windowtoolbar.h"

#include <QAction>
#include <QToolButton>

QToolButton *ToolbarPlacement::insertBefore(WindowToolBar *bar, const QString &before, const QString &name,
                                            const QString &caption)
{
    QToolButton *button = bar->addButton(name, caption);
    QToolButton *anchor = bar->button(before);
    QAction *added = bar->actions().constLast();
    QAction *anchorAction = nullptr;
    for (QAction *a : bar->actions()) {
        if (bar->widgetForAction(a) == anchor)
            anchorAction = a;
    }
    if (anchorAction && added != anchorAction) {
        bar->removeAction(added);
        bar->insertAction(anchorAction, added);
        button->show();
    }
    return button;
}
