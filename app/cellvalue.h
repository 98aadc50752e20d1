#pragma once

#include <QString>
#include <QVariant>

// A value read from the database as the grids, the exports and the printed
// reports see it: whether it is a number, and its plain text (dates as
// yyyy-MM-dd, times as HH:mm:ss), where the stored "no date" marker reads as
// nothing.
class CellValue {
public:
    // Integer and floating-point values (not booleans).
    static bool isNumeric(const QVariant &value);
    // Dates as "yyyy-MM-dd", date-times as "yyyy-MM-dd HH:mm:ss", times as
    // "HH:mm:ss", anything else as its own text.
    static QString text(const QVariant &value);
    // The text of the empty-date marker 1900-08-14 (blanks around it allowed).
    static bool isEmptyDate(const QString &text);
};
