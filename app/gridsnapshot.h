#pragma once

#include <QList>
#include <QString>
#include <QVariant>

// What export and grid printing need of a grid: its columns in grid order
// (hidden ones included, flagged) and the values of all its rows.
struct GridSnapshotColumn {
    QString fieldName;
    QString caption;
    int width = 80;                 // pixels
    bool visible = true;
    int alignment = 0;              // 0 left, 1 centre, 2 right
    QString displayFormat;          // number-format notation, empty for none
    int footerType = 0;             // 0 none, 1 fixed text, 2 sum
    QString footerText;
};

struct GridSnapshot {
    QList<GridSnapshotColumn> columns;
    QList<QList<QVariant>> rows;    // one value per column, in column order
};
