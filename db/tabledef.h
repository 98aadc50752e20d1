#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace db {

// How a column stores its values; the DDL builder turns it into each engine's type.
enum class ColumnType {
    Id,        // auto-numbered integer key, never reused
    Text,      // short text, compared without regard to letter case
    LongText,  // unbounded text, compared without regard to letter case
    Int,
    Bit,       // 0/1 flag stored as a small integer
    Float,
    Numeric,
    Date,      // a calendar day, yyyy-MM-dd
    Time,      // a time of day, HH:mm:ss
};

// One column of a table description.
struct ColumnDef {
    QString name;
    ColumnType type = ColumnType::Text;
    bool defaultZero = false;
};

// One part of an index key: a column, or the column with NULL read as ''.
struct IndexColumn {
    IndexColumn(const char *column) : name(QString::fromLatin1(column)) {}
    static IndexColumn orEmpty(const char *column)
    {
        IndexColumn c(column);
        c.nullAsEmpty = true;
        return c;
    }

    QString name;
    bool nullAsEmpty = false;
};

struct IndexDef {
    bool unique = false;
    QList<IndexColumn> columns;
};

// The description of one table: its name, its columns in order and its
// indexes. Statements name tables and columns only through these descriptions.
class TableDef {
public:
    explicit TableDef(const char *name) : m_name(QString::fromLatin1(name)) {}

    const QString &name() const { return m_name; }
    const QList<ColumnDef> &columns() const { return m_columns; }
    const QList<IndexDef> &indexes() const { return m_indexes; }

    QStringList columnNames() const;
    // The column of that name, compared without regard to letter case; null if absent.
    const ColumnDef *column(const QString &name) const;
    bool hasColumn(const QString &name) const { return column(name) != nullptr; }

    // Builders, used by the table catalogue.
    TableDef &id(const char *name = "F_ID") { return add(name, ColumnType::Id); }
    TableDef &text(const char *name) { return add(name, ColumnType::Text); }
    TableDef &longText(const char *name) { return add(name, ColumnType::LongText); }
    TableDef &integer(const char *name) { return add(name, ColumnType::Int); }
    TableDef &bit(const char *name) { return add(name, ColumnType::Bit); }
    TableDef &real(const char *name) { return add(name, ColumnType::Float); }
    TableDef &numeric(const char *name) { return add(name, ColumnType::Numeric); }
    TableDef &date(const char *name) { return add(name, ColumnType::Date); }
    TableDef &time(const char *name) { return add(name, ColumnType::Time); }
    TableDef &add(const QString &name, ColumnType type, bool defaultZero = false);
    TableDef &add(const char *name, ColumnType type) { return add(QString::fromLatin1(name), type); }
    // Gives the column added last a default of 0.
    TableDef &zeroByDefault();

    TableDef &uniqueIndex(const QList<IndexColumn> &columns);
    TableDef &index(const QList<IndexColumn> &columns);

private:
    QString m_name;
    QList<ColumnDef> m_columns;
    QList<IndexDef> m_indexes;
};

}  // namespace db
