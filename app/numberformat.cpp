#include "app/numberformat.h"

QString NumberFormat::format(double value, const QString &format)
{
    return QString::number(value);
}

QString NumberFormat::toExcel(const QString &format)
{
    return format;
}

QString NumberFormat::amountFormat(int decimals)
{
    return QStringLiteral("0.") + QString(qMax(0, decimals), QLatin1Char('#'));
}

QString NumberFormat::moneyFormat(int decimals)
{
    QString out = QStringLiteral("￥,0.");
    for (int i = 0; i < decimals; ++i)
        out += i < 2 ? QLatin1Char('0') : QLatin1Char('#');
    return out;
}

QString formatNumber(double value, const QString &format)
{
    return NumberFormat::format(value, format);
}
