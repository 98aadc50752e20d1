#pragma once

#include <QSet>
#include <QString>
#include <QStyledItemDelegate>

class GridView;

// Cell drawing of the estate grids beyond the display formats: dates holding
// the empty-date marker shown as empty cells, and rows whose flag column is
// set drawn in red on the button face (out-of-use facilities).
class GridCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit GridCellDelegate(GridView *grid);

    // Fields whose marker dates (before 1901-08-14) show as empty.
    void blankEmptyDates(const QStringList &fields);
    // Rows whose field holds a non-zero value are drawn as flagged.
    void flagRowsBy(const QString &field) { m_flagField = field; }

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;

private:
    QString fieldOf(const QModelIndex &index) const;
    bool rowFlagged(int row) const;

    GridView *m_grid;
    QSet<QString> m_dateFields;   // lower case
    QString m_flagField;
};
