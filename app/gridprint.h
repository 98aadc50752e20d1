#pragma once

#include "app/gridsnapshot.h"

#include <QString>

// Prints a grid the way it is shown, through a print preview: title, column
// titles on every page, the rows, the grid's footer row, a page header text on
// the left and a page footer text on the right.
//
// option 0: fit the grid to the page width, stretch rows to their text;
// option 1: fit the grid to the page width, columns by their widths, one line
// per row; any other value keeps the options of the previous print.
// footer "date" prints as "打印日期：" + today. Blank header or footer
// arguments print no text there.
void PrintGrid(const GridSnapshot &grid, const QString &title, int option, const QString &footer,
               const QString &header);
