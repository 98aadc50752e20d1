#pragma once

#include "db/tabledef.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariantList>

namespace db {

// Inserts rows into one described table, always through one prepared
// statement with bound values. Columns are checked against the description,
// and each value is converted to its column's type (flags and counts as
// integers, dates as dates; an empty text becomes NULL for such columns).
class RowInserter {
public:
    RowInserter(QSqlDatabase db, const TableDef &table, const QStringList &columns);

    bool isValid() const { return m_valid; }
    QString errorText() const { return m_error; }

    // One value per column given to the constructor, in that order.
    bool insert(const QVariantList &values);

    static QVariant convert(const QVariant &value, ColumnType type);

private:
    QSqlQuery m_query;
    QList<ColumnType> m_types;
    bool m_valid = false;
    QString m_error;
};

}  // namespace db
