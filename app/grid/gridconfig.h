#pragma once

#include "app/grid/gridcolumn.h"

#include <QSqlDatabase>
#include <QString>

class GridView;

// Grid settings kept per grid key in cfg_Grid, the same on every
// workstation. Keys and field names match without regard to letter case.
class GridConfig {
public:
    // The stored columns of a key in their order; an empty list when the key
    // has no rows. On a database error *ok is false and the list holds the
    // columns read so far.
    static GridColumns load(QSqlDatabase db, const QString &key, bool *ok = nullptr, QString *error = nullptr);

    // Writes every column's settings to the existing row of (key, field);
    // columns without a row change nothing. Each column is written on its own,
    // so one failure does not stop the others; the failures' texts go to
    // *errors. Returns true when every statement ran.
    static bool save(QSqlDatabase db, const QString &key, const GridColumns &columns,
                     QStringList *errors = nullptr);
};

// Replaces the grid's columns by the stored ones of the key; a key without
// rows leaves the designed columns. A database error is reported and keeps
// the columns read so far.
void LoadGridConfig(GridView *grid, const QString &key);

// Writes the grid's columns, in the order the user arranged them, back to the key.
void SaveGridConfig(GridView *grid, const QString &key);
