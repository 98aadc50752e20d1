#pragma once

#include <QList>
#include <QString>

// One column of a grid as the user arranges it and cfg_Grid stores it: the
// field of the record set it shows, its title, width, visibility, alignment,
// display format and footer.
struct GridColumn {
    enum Alignment { ByType = -1, Left = 0, Centre = 1, Right = 2 };
    enum FooterType { NoFooter = 0, FooterText = 1, FooterSum = 2 };

    QString fieldName{};
    QString caption{};
    int width = 80;                // pixels
    bool visible = true;
    bool readOnly = false;         // only editable grids look at it
    int alignment = ByType;        // cells and footer; ByType: numbers right, the rest left
    QString displayFormat{};         // number or date format of cells and footer
    int footerType = NoFooter;
    QString footerText{};            // shown when footerType is FooterText

    bool operator==(const GridColumn &other) const = default;
};

using GridColumns = QList<GridColumn>;
