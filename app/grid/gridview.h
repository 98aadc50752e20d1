#pragma once

#include "app/grid/gridcolumn.h"
#include "app/gridsnapshot.h"

#include <QHash>
#include <QTableView>

#include <optional>

class GridFooter;
class GridModel;
class QSortFilterProxyModel;

// The read-only data grid of every list: whole-row selection over a record
// set, columns the user can move, resize and hide (stored per grid key in
// cfg_Grid), display formats, an optional footer row with fixed texts and
// sums, client-side sorting by title click, and the context menu
// "显示字段列表" / "保存当前设置".
//
// The record set is any model whose horizontal headers are field names (the
// window's QSqlQueryModel); the grid sorts it through a proxy, so row numbers
// of the grid are rows in the order shown, and records() hands exactly those
// rows to reports.
class GridView : public QTableView {
    Q_OBJECT
public:
    // How a title click sorts: not at all; on any column; or on any column
    // except those whose field name contains "mem" (their marker still turns).
    enum class SortMode { None, AnyColumn, AnyButMemo };

    explicit GridView(QWidget *parent = nullptr);
    ~GridView() override;

    void setRecordSet(QAbstractItemModel *records);
    // The rows in the order shown, with field names as column headers.
    QAbstractItemModel *records() const;
    GridModel *gridModel() const { return m_model; }
    // Whether a record set is open (it has fields; it may have no rows).
    bool isOpen() const;

    void setColumns(const GridColumns &columns);
    // The columns in grid order (as the user arranged them), hidden ones included.
    GridColumns columns() const;
    // Logical column of a field, or -1.
    int columnOfField(const QString &fieldName) const;
    void setColumnVisible(int column, bool visible);
    void setColumnDisplayFormat(int column, const QString &format);

    int rowCount() const;
    int currentRow() const;
    void setCurrentRow(int row);
    // Any field of the record set, shown in a column or not.
    QVariant value(int row, const QString &fieldName) const;
    QVariant currentValue(const QString &fieldName) const;
    // The first row whose field equals value, or -1.
    int findRow(const QString &fieldName, const QVariant &value) const;

    void setSortMode(SortMode mode) { m_sortMode = mode; }
    SortMode sortMode() const { return m_sortMode; }
    std::optional<Qt::SortOrder> sortMarker(int column) const;
    // Back to the record set's own order, without markers.
    void clearSort();

    // Enables "保存当前设置" for this key.
    void setGridKey(const QString &key) { m_gridKey = key; }
    QString gridKey() const { return m_gridKey; }

    bool hasFooter() const;
    QString footerText(int column) const;

    GridSnapshot snapshot() const;

signals:
    // The current row moved; -1 when there are no rows.
    void currentRowChanged(int row);

protected:
    void updateGeometries() override;

private:
    void applyColumnLayout();
    void onTitleClicked(int column);
    void resort(int recordColumn, Qt::SortOrder order);
    void onRowsReplaced();
    void refreshFooter();
    void saveSettings();
    int recordColumn(const QString &fieldName) const;

    QSortFilterProxyModel *m_sorted;
    GridModel *m_model;
    GridFooter *m_footer;
    SortMode m_sortMode = SortMode::None;
    QHash<int, Qt::SortOrder> m_markers;
    QString m_gridKey;
    bool m_keepRow = false;
    bool m_inGeometry = false;
};
