#include "app/recordmanager/numberedit.h"

#include "app/numberformat.h"

#include <QLineEdit>

NumberEdit::NumberEdit(QWidget *parent) : QDoubleSpinBox(parent)
{
    setButtonSymbols(QAbstractSpinBox::NoButtons);
    setRange(-1e12, 1e12);
    setDecimals(4);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setKeyboardTracking(true);
}

void NumberEdit::setDisplayFormat(const QString &format)
{
    m_format = format;
    setValue(value());
    lineEdit()->setText(textFromValue(value()));
}

QString NumberEdit::plain(const QString &text)
{
    QString out;
    for (const QChar c : text) {
        if (c.isDigit() || c == QLatin1Char('.') || c == QLatin1Char('-'))
            out += c;
    }
    return out;
}

QString NumberEdit::textFromValue(double value) const
{
    if (!m_format.isEmpty())
        return formatNumber(value, m_format);
    QString text = QString::number(value, 'f', decimals());
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    return text;
}

double NumberEdit::valueFromText(const QString &text) const
{
    return plain(text).toDouble();
}

QValidator::State NumberEdit::validate(QString &input, int &pos) const
{
    Q_UNUSED(pos)
    const QString p = plain(input);
    if (p.isEmpty() || p == QLatin1String("-") || p == QLatin1String(".") || p == QLatin1String("-."))
        return QValidator::Intermediate;
    bool ok = false;
    p.toDouble(&ok);
    if (!ok)
        return QValidator::Invalid;
    for (const QChar c : input) {
        if (!(c.isDigit() || c == QLatin1Char('.') || c == QLatin1Char('-') || c == QLatin1Char(',')
              || c == QChar(0xFFE5) || c == QChar(0x00A5) || c.isSpace()))
            return QValidator::Invalid;
    }
    return QValidator::Acceptable;
}
