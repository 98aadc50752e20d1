#pragma once

#include <QWidget>

class GridView;

// The footer row under the last row of a grid: per column its fixed text or
// the sum of its values, drawn in line with the columns above it.
class GridFooter : public QWidget {
    Q_OBJECT
public:
    explicit GridFooter(GridView *grid);
    int rowHeight() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    GridView *m_grid;
};
