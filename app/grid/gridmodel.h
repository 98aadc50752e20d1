#pragma once

#include "app/grid/gridcolumn.h"

#include <QAbstractTableModel>
#include <QPointer>

// The grid's view of a record set: the columns the user arranged (GridColumn)
// over the fields of a source model whose horizontal headers are field names
// (a QSqlQueryModel, or a sort proxy over one). Cells show values in their
// column's display format; the raw value stays reachable through RawValueRole.
// Field names are matched without regard to letter case, since PostgreSQL
// reports them in lower case.
class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Roles { RawValueRole = Qt::UserRole + 1 };

    explicit GridModel(QObject *parent = nullptr);

    void setSourceModel(QAbstractItemModel *records);
    QAbstractItemModel *sourceModel() const { return m_source; }

    void setColumns(const GridColumns &columns);
    const GridColumns &columns() const { return m_columns; }
    void setColumn(int column, const GridColumn &value);
    // Keeps what the view changed by itself, without signals.
    void noteWidth(int column, int width);
    void noteVisible(int column, bool visible);
    // The grid column showing the field, or -1.
    int columnOfField(const QString &fieldName) const;
    // The source column holding the field, or -1.
    int sourceColumnOf(const QString &fieldName) const;

    // Editable grids pass changes of columns that are not read-only to the source.
    void setEditable(bool editable) { m_editable = editable; }
    bool isEditable() const { return m_editable; }

    QVariant rawValue(int row, int column) const;
    double columnSum(int column) const;
    // The footer cell of a column: its fixed text, the formatted sum, or empty.
    QString footerText(int column) const;

    // A value as a cell shows it with a display format (number notation, or a
    // date/time format such as "yyyy-mm-dd" or "hh:nn:ss").
    static QString formatValue(const QVariant &value, const QString &format);
    static bool isNumeric(const QVariant &value);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

private:
    void remap();
    void sourceChangeBegins();
    void sourceChangeEnds();
    void onSourceDataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight);
    QModelIndex sourceIndex(int row, int column) const;

    QPointer<QAbstractItemModel> m_source;
    QList<QMetaObject::Connection> m_connections;
    GridColumns m_columns;
    QList<int> m_sourceColumns;   // per grid column: the source column, or -1
    int m_rows = 0;               // rows announced to the views
    bool m_editable = false;
    bool m_changing = false;
};
