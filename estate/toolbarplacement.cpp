#include "estate/toolbarplacement.h"

#include "app/recordmanager/windowtoolbar.h"

#include <QAction>
#include <QToolButton>

QToolButton *ToolbarPlacement::insertBefore(WindowToolBar *bar, const QString &before, const QString &name,
                                            const QString &caption, QStyle::StandardPixmap icon)
{
    QToolButton *button = bar->addButton(name, caption);
    if (icon != QStyle::SP_CustomBase)
        button->setIcon(bar->style()->standardIcon(icon));
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
