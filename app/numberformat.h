#pragma once

#include <QString>

// The number-format notation of grids, inputs and printouts:
//   "0"  a digit that is always shown,
//   "#"  a digit shown only when it is significant,
//   "."  the decimal point (left out when no decimal digit follows),
//   ","  anywhere in the integer part: thousands separators,
//   ";"  separates the sections: positive;negative;zero (the later ones optional),
//   "..." or '...' quoted literal text; any other character ("￥", "元", blanks)
//   is printed unchanged where it stands.
// A negative section prints the absolute value with no minus sign of its own.
class NumberFormat {
public:
    // The value in the given notation; an empty format gives the plain number.
    static QString format(double value, const QString &format);

    // The same format as a spreadsheet number format ("￥,0.00" gives
    // "\"￥\"#,##0.00"). A format without digit signs (a date format) is
    // returned unchanged; an empty one gives "General".
    static QString toExcel(const QString &format);

    // "0." followed by one "#" per decimal: quantities and areas.
    static QString amountFormat(int decimals);
    // "￥,0." followed by "0" for the first two decimals and "#" for any
    // further one: prices and money totals.
    static QString moneyFormat(int decimals);
};

// Shorthand for NumberFormat::format.
QString formatNumber(double value, const QString &format);
