#include "db/tabledef.h"

namespace db {

QStringList TableDef::columnNames() const
{
    QStringList names;
    names.reserve(m_columns.size());
    for (const ColumnDef &c : m_columns)
        names << c.name;
    return names;
}

const ColumnDef *TableDef::column(const QString &name) const
{
    for (const ColumnDef &c : m_columns) {
        if (c.name.compare(name, Qt::CaseInsensitive) == 0)
            return &c;
    }
    return nullptr;
}

TableDef &TableDef::add(const QString &name, ColumnType type, bool defaultZero)
{
    m_columns.append(ColumnDef{name, type, defaultZero});
    return *this;
}

TableDef &TableDef::zeroByDefault()
{
    if (!m_columns.isEmpty())
        m_columns.last().defaultZero = true;
    return *this;
}

TableDef &TableDef::uniqueIndex(const QList<IndexColumn> &columns)
{
    m_indexes.append(IndexDef{true, columns});
    return *this;
}

TableDef &TableDef::index(const QList<IndexColumn> &columns)
{
    m_indexes.append(IndexDef{false, columns});
    return *this;
}

}  // namespace db
