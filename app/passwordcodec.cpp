#include "app/passwordcodec.h"

#include <QRandomGenerator>
#include <QStringDecoder>

namespace {

int hexDigitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return 0;
}

}  // namespace

QString PasswordCodec::fillerTable()
{
    // Every printable keyboard character from '!' to '~'; no blank, so the
    // stored form survives the trimming of values in Config.ini.
    QString table;
    for (char16_t c = u'!'; c <= u'~'; ++c)
        table.append(QChar(c));
    return table;
}

QString PasswordCodec::encode(const QString &clear, QRandomGenerator *random)
{
    if (clear.isEmpty())
        return QString();
    QRandomGenerator *rng = random ? random : QRandomGenerator::global();
    const QString fillers = fillerTable();
    const QByteArray bytes = clear.toUtf8();

    QString hex;
    for (const char byte : bytes)
        hex += QStringLiteral("%1").arg(uchar(byte), 2, 16, QLatin1Char('0')).toUpper();
    std::reverse(hex.begin(), hex.end());

    QString stored;
    stored.reserve(hex.size() * 2 + 1);
    for (const QChar c : std::as_const(hex)) {
        stored += fillers.at(int(rng->bounded(int(fillers.size()))));
        stored += c;
    }
    stored += fillers.at(int(rng->bounded(int(fillers.size()))));
    return stored;
}

QString PasswordCodec::decode(const QString &stored)
{
    QString hex;
    for (qsizetype i = 1; i < stored.size(); i += 2)
        hex += stored.at(i);
    std::reverse(hex.begin(), hex.end());

    QByteArray bytes;
    for (qsizetype i = 0; i < hex.size(); i += 2) {
        int value = hexDigitValue(hex.at(i));
        if (i + 1 < hex.size())
            value = value * 16 + hexDigitValue(hex.at(i + 1));
        bytes.append(char(value));
    }

    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    // Passwords stored by older versions hold the bytes of the Chinese code page.
    QStringDecoder gbk("GBK");
    if (gbk.isValid()) {
        const QString legacy = gbk.decode(bytes);
        if (!gbk.hasError())
            return legacy;
    }
    return QString::fromUtf8(bytes);
}
