#include "estate/gridsidepanel.h"

#include "app/grid/gridview.h"

#include <QLayout>
#include <QSplitter>

QSplitter *GridSidePanel::placeLeft(QWidget *window, GridView *grid, QWidget *panel, int panelWidth)
{
    auto *splitter = new QSplitter(Qt::Horizontal, window);
    splitter->setObjectName(QStringLiteral("Splitter1"));
    splitter->setChildrenCollapsible(false);
    if (window->layout())
        delete window->layout()->replaceWidget(grid, splitter);
    splitter->addWidget(panel);
    splitter->addWidget(grid);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({panelWidth, qMax(200, window->width() - panelWidth)});
    return splitter;
}
