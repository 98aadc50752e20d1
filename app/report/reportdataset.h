#pragma once

#include <QList>
#include <QString>
#include <QVariant>

class QAbstractItemModel;

// One data set of a report: the rows of a model, with fields found by the
// model's column names without regard to letter case. Fetches every row first,
// since SQL query models load lazily.
class ReportDataSet {
public:
    explicit ReportDataSet(QAbstractItemModel *model = nullptr);

    bool isNull() const { return m_model == nullptr; }
    int rowCount() const;
    // Column of the field, or -1.
    int fieldIndex(const QString &field) const;
    QStringList fieldNames() const;
    QVariant value(int row, int column) const;
    QVariant value(int row, const QString &field) const;

    // Reads the model again (after the window re-queried it).
    void refresh();

private:
    QAbstractItemModel *m_model;
};
