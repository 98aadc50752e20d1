#pragma once

class GridView;
class QSplitter;
class QWidget;

// Puts a panel (an area tree, a value list) on the left of a window's grid,
// in a splitter that takes the grid's place in the layout.
class GridSidePanel {
public:
    static QSplitter *placeLeft(QWidget *window, GridView *grid, QWidget *panel, int panelWidth = 180);
};
