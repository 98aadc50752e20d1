#pragma once

#include "app/gridsnapshot.h"

#include <QString>

#include <functional>

// Copies a grid into a new spreadsheet ("导出"): every column, hidden ones
// too, with its title in the first row and the rows below; numbers stay
// numbers in the column's display format, texts stay texts, and the empty-date
// marker becomes an empty cell. The workbook is opened with the desktop's
// spreadsheet program when it is to be visible.

// Writes the .xlsx to path with one sheet named after title. False when the
// file could not be written (error text in *error, if given).
bool WriteGridXlsx(const GridSnapshot &grid, const QString &title, const QString &path,
                   QString *error = nullptr);

// Writes the workbook into the temporary folder and, when visible, opens it.
// When nothing can open it, shows the "错误" box and returns false.
bool ExportToExcel(const GridSnapshot &grid, const QString &title, bool visible);

// Opens a written file; returns false when no program can open it. Replaceable
// so that tests start no program; nullptr brings back the desktop opener.
using DocumentOpener = std::function<bool(const QString &path)>;
DocumentOpener setDocumentOpener(DocumentOpener opener);

// The file the last ExportToExcel wrote (empty before the first).
QString lastExportPath();
