#pragma once

#include <QByteArray>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

namespace db {

// A table of seed rows shipped inside the program: UTF-8 text, one row per
// line, values separated by tabs, the first line naming the table's columns.
// Values are taken as they stand (no quoting); a short line leaves its last
// columns empty.
class SeedFile {
public:
    // Reads the text; false with an error for a missing header or a line with
    // more values than the header has names.
    bool parse(const QByteArray &data, QString *error);
    // Reads a file or a resource (":/seeds/cfg_grid.tsv").
    bool read(const QString &path, QString *error);

    const QStringList &columns() const { return m_columns; }
    const QList<QStringList> &rows() const { return m_rows; }

    // Inserts every row into the named table with bound values.
    bool insertInto(QSqlDatabase db, const QString &table, QString *error) const;

    // Inserts the rows of a seed resource of the program into a table.
    static bool load(QSqlDatabase db, const QString &resource, const QString &table, QString *error);

private:
    QStringList m_columns;
    QList<QStringList> m_rows;
};

}  // namespace db
