#pragma once

#include <QString>

class GridView;

// Display formats given to grid columns by the words in their field names,
// for the five classes of grids (money and quantity columns).
class GridColumnFormats {
public:
    struct Formats {
        QString amount;   // quantities and areas
        QString price;    // unit prices
        QString total;    // money totals
    };

    // The format a class gives a field; false when no rule of the class
    // matches it (the column keeps its format). Later rules win.
    //   1: "_price" price, "totalprice" total, "amount" amount
    //   2: "area" amount, "price" total
    //   3: "price" total
    //   4: "sz" total, "totalprice" total
    //   5: "price" price
    static bool formatFor(const QString &fieldName, int formatClass, const Formats &formats, QString *format);

    // The run's formats of the data module.
    static Formats current();
};

// Sets the display formats of the grid's columns (cells and footer) by the
// class's rules, over whatever format the grid settings gave them.
void ApplyColumnFormats(GridView *grid, int formatClass);
