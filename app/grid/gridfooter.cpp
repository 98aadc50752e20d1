#include "app/grid/gridfooter.h"

#include "app/grid/gridmodel.h"
#include "app/grid/gridview.h"

#include <QHeaderView>
#include <QPainter>

GridFooter::GridFooter(GridView *grid) : QWidget(grid), m_grid(grid)
{
    setObjectName(QStringLiteral("GridFooter"));
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
}

int GridFooter::rowHeight() const
{
    return fontMetrics().height() + 8;
}

void GridFooter::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QHeaderView *header = m_grid->horizontalHeader();
    const GridModel *model = m_grid->gridModel();
    const int columns = model->columnCount();
    p.setPen(palette().color(QPalette::Mid));
    for (int logical = 0; logical < columns; ++logical) {
        if (header->isSectionHidden(logical))
            continue;
        const int x = header->sectionViewportPosition(logical);
        const int w = header->sectionSize(logical);
        if (x + w < 0 || x > width())
            continue;
        const QRect cell(x, 0, w, height());
        p.setPen(palette().color(QPalette::Mid));
        p.drawRect(cell.adjusted(0, 0, -1, -1));
        const QString text = model->footerText(logical);
        if (text.isEmpty())
            continue;
        int a = model->columns().at(logical).alignment;
        if (a == GridColumn::ByType)
            a = model->columns().at(logical).footerType == GridColumn::FooterSum ? GridColumn::Right : GridColumn::Left;
        const Qt::Alignment h = a == GridColumn::Right    ? Qt::AlignRight
                                : a == GridColumn::Centre ? Qt::AlignHCenter
                                                          : Qt::AlignLeft;
        p.setPen(palette().color(QPalette::ButtonText));
        p.drawText(cell.adjusted(4, 0, -4, 0), int(h | Qt::AlignVCenter), text);
    }
}
