#include "app/decimaldigits.h"

QString DecimalDigits::increment(QString digits)
{
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        if (digits.at(i) != QLatin1Char('9')) {
            digits[i] = QChar(digits.at(i).unicode() + 1);
            return digits;
        }
        digits[i] = QLatin1Char('0');
    }
    return QLatin1Char('1') + digits;
}
