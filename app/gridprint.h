#pragma once

#include "app/gridsnapshot.h"

#include <QString>

#include <functional>

class GridPrinter;

// Prints a grid the way it is shown, through a print preview: the shared
// grid printer takes the grid, the options, the title (empty line, title,
// empty line), the page header's left text and the page footer's right text.
//
// option 0: fit the grid to the page width, colour, stretch rows to their
// text; option 1: fit the grid to the page width, colour, columns by their
// widths (one line per row); any other value keeps the previous options.
// footer "date" prints as "打印日期：" + today (yyyy-MM-dd). A blank header or
// footer prints no text there: a print never shows another window's texts.
void PrintGrid(const GridSnapshot &grid, const QString &title, int option, const QString &footer,
               const QString &header);

// Shows the preview of the prepared grid printer; replaceable so that tests
// open no window. nullptr brings back the preview window.
using GridPreviewHandler = std::function<void(const GridPrinter &printer)>;
GridPreviewHandler setGridPreviewHandler(GridPreviewHandler handler);
