#include "app/numberformat.h"

#include "app/decimaldigits.h"

#include <QList>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {

// One piece of a format section.
struct Token {
    enum Kind { Literal, IntDigit, Point, FracDigit };
    Kind kind;
    QString text;  // the literal text, or the digit sign
};

// A section (positive, negative or zero) taken apart.
struct Section {
    QList<Token> tokens;
    bool thousands = false;
    int minInt = 0;       // "0" signs before the point
    int maxDec = 0;       // digit signs after the point
    int minDec = 0;       // up to the last "0" after the point
    bool hasDigits = false;
};

// Splits at ";" outside quoted text.
QStringList splitSections(const QString &format)
{
    QStringList sections;
    QString current;
    QChar quote;
    for (const QChar c : format) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            quote = c;
        } else if (c == QLatin1Char(';')) {
            sections << current;
            current.clear();
            continue;
        }
        current += c;
    }
    sections << current;
    return sections;
}

Section parse(const QString &text)
{
    Section s;
    bool afterPoint = false;
    QString literal;
    auto flush = [&]() {
        if (!literal.isEmpty()) {
            s.tokens.append({Token::Literal, literal});
            literal.clear();
        }
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            const qsizetype end = text.indexOf(c, i + 1);
            const qsizetype stop = end < 0 ? text.size() : end;
            literal += text.mid(i + 1, stop - i - 1);
            i = stop;
        } else if (c == QLatin1Char('0') || c == QLatin1Char('#')) {
            flush();
            s.hasDigits = true;
            if (afterPoint) {
                s.tokens.append({Token::FracDigit, QString(c)});
                ++s.maxDec;
                if (c == QLatin1Char('0'))
                    s.minDec = s.maxDec;
            } else {
                s.tokens.append({Token::IntDigit, QString(c)});
                if (c == QLatin1Char('0'))
                    ++s.minInt;
            }
        } else if (c == QLatin1Char('.') && !afterPoint) {
            flush();
            afterPoint = true;
            s.tokens.append({Token::Point, QString()});
        } else if (c == QLatin1Char(',') && !afterPoint) {
            s.thousands = true;
        } else {
            literal += c;
        }
    }
    flush();
    return s;
}

// The integer and decimal digits of a non-negative value rounded half up to
// decimals places. The value is first written with 15 significant digits, so
// that 2.675 (stored as 2.67499...) rounds as the user reads it.
void roundDigits(double value, int decimals, QString *intPart, QString *fracPart)
{
    const int before = value < 1.0 ? 0 : int(std::floor(std::log10(value))) + 1;
    const QString text = QString::number(value, 'f', qBound(0, 15 - before, 20));
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    QString whole = point < 0 ? text : text.left(point);
    QString frac = point < 0 ? QString() : text.mid(point + 1);
    if (frac.size() < decimals + 1)
        frac += QString(decimals + 1 - frac.size(), QLatin1Char('0'));
    const bool up = frac.at(decimals) >= QLatin1Char('5');
    QString digits = whole + frac.left(decimals);
    if (up)
        digits = DecimalDigits::increment(digits);
    *intPart = digits.left(digits.size() - decimals);
    *fracPart = digits.right(decimals);
}

QString group(const QString &digits)
{
    QString out;
    const qsizetype n = digits.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += QLatin1Char(',');
        out += digits.at(i);
    }
    return out;
}

// Formats a non-negative value with one section; sets *zero when every shown
// digit is zero (a negative value then needs no minus sign).
QString render(const Section &s, double value, bool *zero)
{
    if (!s.hasDigits) {
        *zero = false;
        QString out;
        for (const Token &t : s.tokens)
            out += t.text;
        return out;
    }
    QString intPart, fracPart;
    roundDigits(value, s.maxDec, &intPart, &fracPart);
    while (fracPart.size() > s.minDec && fracPart.endsWith(QLatin1Char('0')))
        fracPart.chop(1);
    while (intPart.startsWith(QLatin1Char('0')))
        intPart.remove(0, 1);
    *zero = intPart.isEmpty()
            && std::all_of(fracPart.cbegin(), fracPart.cend(), [](QChar c) { return c == QLatin1Char('0'); });
    if (intPart.size() < s.minInt)
        intPart = QString(s.minInt - intPart.size(), QLatin1Char('0')) + intPart;
    if (s.thousands)
        intPart = group(intPart);

    const bool hasIntSigns = std::any_of(s.tokens.cbegin(), s.tokens.cend(),
                                         [](const Token &t) { return t.kind == Token::IntDigit; });
    QString out;
    bool intDone = false;
    int fracIndex = 0;
    for (const Token &t : s.tokens) {
        switch (t.kind) {
        case Token::Literal:
            out += t.text;
            break;
        case Token::IntDigit:
            if (!intDone)
                out += intPart;
            intDone = true;
            break;
        case Token::Point:
            if (!hasIntSigns)
                out += intPart;
            if (!fracPart.isEmpty())
                out += QLatin1Char('.');
            break;
        case Token::FracDigit:
            if (fracIndex < fracPart.size())
                out += fracPart.at(fracIndex);
            ++fracIndex;
            break;
        }
    }
    return out;
}

QString quoteForExcel(const QString &literal)
{
    QString out;
    QString run;
    auto flush = [&]() {
        if (!run.isEmpty())
            out += QLatin1Char('"') + run + QLatin1Char('"');
        run.clear();
    };
    for (const QChar c : literal) {
        if (c == QLatin1Char('"')) {
            flush();
            out += QStringLiteral("\\\"");
        } else {
            run += c;
        }
    }
    flush();
    return out;
}

QString sectionToExcel(const Section &s)
{
    QString intSigns;
    for (const Token &t : s.tokens) {
        if (t.kind == Token::IntDigit)
            intSigns += t.text;
    }
    if (s.thousands) {
        // The spreadsheet groups when a comma stands between digit signs.
        if (intSigns.size() < 4)
            intSigns = QString(4 - intSigns.size(), QLatin1Char('#')) + intSigns;
        intSigns.insert(intSigns.size() - 3, QLatin1Char(','));
    }
    QString out;
    bool intDone = false;
    for (const Token &t : s.tokens) {
        switch (t.kind) {
        case Token::Literal:
            out += quoteForExcel(t.text);
            break;
        case Token::IntDigit:
            if (!intDone)
                out += intSigns;
            intDone = true;
            break;
        case Token::Point:
            if (s.maxDec > 0)
                out += QLatin1Char('.');
            break;
        case Token::FracDigit:
            out += t.text;
            break;
        }
    }
    return out;
}

}  // namespace

QString NumberFormat::format(double value, const QString &format)
{
    if (format.isEmpty())
        return QString::number(value, 'g', 15);
    if (!std::isfinite(value))
        return QString::number(value);
    const QStringList sections = splitSections(format);
    bool zero = false;
    if (value == 0.0 && sections.size() > 2 && !sections.at(2).isEmpty())
        return render(parse(sections.at(2)), 0.0, &zero);
    if (value < 0 && sections.size() > 1 && !sections.at(1).isEmpty())
        return render(parse(sections.at(1)), -value, &zero);
    const QString text = render(parse(sections.at(0)), std::fabs(value), &zero);
    return value < 0 && !zero ? QLatin1Char('-') + text : text;
}

QString NumberFormat::toExcel(const QString &format)
{
    if (format.trimmed().isEmpty())
        return QStringLiteral("General");
    const QStringList sections = splitSections(format);
    QStringList out;
    bool anyDigits = false;
    for (const QString &text : sections) {
        const Section s = parse(text);
        anyDigits = anyDigits || s.hasDigits;
        out << sectionToExcel(s);
    }
    return anyDigits ? out.join(QLatin1Char(';')) : format;
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
