#include "app/report/reportdataset.h"

#include <QAbstractItemModel>

ReportDataSet::ReportDataSet(QAbstractItemModel *model) : m_model(model)
{
    refresh();
}

void ReportDataSet::refresh()
{
    if (!m_model)
        return;
    while (m_model->canFetchMore(QModelIndex()))
        m_model->fetchMore(QModelIndex());
}

int ReportDataSet::rowCount() const
{
    return m_model ? m_model->rowCount() : 0;
}

int ReportDataSet::fieldIndex(const QString &field) const
{
    if (!m_model)
        return -1;
    const int columns = m_model->columnCount();
    for (int c = 0; c < columns; ++c) {
        const QString name = m_model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        if (name.compare(field, Qt::CaseInsensitive) == 0)
            return c;
    }
    return -1;
}

QStringList ReportDataSet::fieldNames() const
{
    QStringList names;
    if (!m_model)
        return names;
    const int columns = m_model->columnCount();
    for (int c = 0; c < columns; ++c)
        names << m_model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
    return names;
}

QVariant ReportDataSet::value(int row, int column) const
{
    if (!m_model || row < 0 || column < 0 || row >= m_model->rowCount()
        || column >= m_model->columnCount())
        return {};
    return m_model->data(m_model->index(row, column), Qt::EditRole);
}

QVariant ReportDataSet::value(int row, const QString &field) const
{
    return value(row, fieldIndex(field));
}
