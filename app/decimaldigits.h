#pragma once

#include <QString>

// Strings of decimal digits, as the proposed codes and the rounding of
// printed numbers work on them.
class DecimalDigits {
public:
    // Adds one, keeping the width; a carry out of the first digit makes the
    // string one digit longer ("0999" gives "1000", "999" gives "1000").
    static QString increment(QString digits);
};
