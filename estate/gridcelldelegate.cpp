#include "estate/gridcelldelegate.h"

#include "app/grid/gridmodel.h"
#include "app/grid/gridview.h"
#include "estate/emptydate.h"

#include <QApplication>

GridCellDelegate::GridCellDelegate(GridView *grid) : QStyledItemDelegate(grid), m_grid(grid) {}

void GridCellDelegate::blankEmptyDates(const QStringList &fields)
{
    for (const QString &f : fields)
        m_dateFields.insert(f.toLower());
}

QString GridCellDelegate::fieldOf(const QModelIndex &index) const
{
    const GridColumns &columns = m_grid->gridModel()->columns();
    return index.column() >= 0 && index.column() < columns.size() ? columns.at(index.column()).fieldName.toLower()
                                                                  : QString();
}

bool GridCellDelegate::rowFlagged(int row) const
{
    return !m_flagField.isEmpty() && m_grid->value(row, m_flagField).toInt() != 0;
}

void GridCellDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (m_dateFields.contains(fieldOf(index))
        && estate::EmptyDate::isNone(index.data(GridModel::RawValueRole))
        && !index.data(GridModel::RawValueRole).isNull())
        option->text.clear();
    if (rowFlagged(index.row())) {
        option->palette.setColor(QPalette::Text, Qt::red);
        option->palette.setColor(QPalette::HighlightedText, Qt::red);
        option->backgroundBrush = QApplication::palette().button();
    }
}
