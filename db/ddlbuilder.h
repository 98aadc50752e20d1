#pragma once

#include "db/dialect.h"
#include "db/tabledef.h"

#include <QString>
#include <QStringList>

namespace db {

// Writes the CREATE statements of table descriptions for one engine: SQLite
// keeps texts with NOCASE collation and dates as yyyy-MM-dd text; PostgreSQL
// uses citext, date and time. Identifiers stay unquoted, so PostgreSQL folds
// them to lower case and every spelling in the statements finds them.
class DdlBuilder {
public:
    explicit DdlBuilder(Dialect dialect) : m_dialect(dialect) {}

    QString columnType(const ColumnDef &column) const;
    QString createTable(const TableDef &table) const;
    // A temporary table of this connection; nothing happens if it exists already.
    QString createTempTable(const TableDef &table) const;
    // Drops this connection's temporary table of that name, never a permanent one.
    QString dropTempTable(const QString &name) const;
    QStringList createIndexes(const TableDef &table) const;

    static QString indexName(const TableDef &table, const IndexDef &index);

private:
    QString columnList(const TableDef &table) const;

    Dialect m_dialect;
};

}  // namespace db
