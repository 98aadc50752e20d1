#pragma once

#include "app/gridsnapshot.h"
#include "app/report/reportdocument.h"

#include <QPageLayout>
#include <QStringList>

// The one grid-printing object of the program: prints the visible columns of a
// grid with their titles on every page, the rows and the grid's footer row,
// under a title of three lines, with a text at the left of the page header
// and one at the right of the page footer. Measurements are millimetres. Its
// settings stay from one print to the next, for every window.
class GridPrinter {
public:
    enum class RowHeights {
        StretchToText,     // rows grow to show all their text
        FitColumnWidths    // one line per row, text cut at the column's edge
    };

    static GridPrinter &shared();

    void bind(const GridSnapshot &grid) { m_grid = grid; }
    const GridSnapshot &grid() const { return m_grid; }

    bool fitToPageWidth = true;
    bool colour = true;
    RowHeights rowHeights = RowHeights::StretchToText;
    QStringList title;            // three lines
    QString pageHeaderLeft;
    QString pageFooterRight;

    // A4, 10 mm margins, turned to landscape when the grid is wider than a
    // portrait page.
    QPageLayout defaultPageLayout() const;
    ReportDocument layout(const QPageLayout &page) const;

    // Natural width of the visible columns, mm.
    double naturalWidth() const;

private:
    GridSnapshot m_grid;
};
