#include "app/report/reportexpander.h"

#include "app/cellvalue.h"
#include "app/numberformat.h"
#include "app/report/reportdataset.h"

namespace {

enum class SetKind { None, Master, Detail };

SetKind setKind(const QString &name)
{
    const QString n = name.trimmed().toLower();
    if (n == QLatin1String("frxdbdataset1") || n == QLatin1String("frxdm")
        || n == QLatin1String("master"))
        return SetKind::Master;
    if (n == QLatin1String("frxdbdataset2") || n == QLatin1String("frxdd")
        || n == QLatin1String("detail"))
        return SetKind::Detail;
    return SetKind::None;
}

QString unquote(QString s)
{
    s = s.trimmed();
    if (s.size() >= 2 && s.startsWith(QLatin1Char('"')) && s.endsWith(QLatin1Char('"')))
        s = s.mid(1, s.size() - 2);
    return s.trimmed();
}

// "set.field" split at the first dot; false when the set is not a data set.
bool splitField(const QString &expression, SetKind *kind, QString *field)
{
    const int dot = expression.indexOf(QLatin1Char('.'));
    if (dot <= 0)
        return false;
    *kind = setKind(expression.left(dot));
    *field = unquote(expression.mid(dot + 1));
    return *kind != SetKind::None;
}

const ReportDataSet *dataSet(const ReportContext &context, SetKind kind)
{
    return kind == SetKind::Master ? context.master : context.detail;
}

QList<int> aggregateRows(const ReportContext &context, SetKind kind)
{
    if (kind == SetKind::Detail && context.inDetailGroup)
        return context.detailGroup;
    QList<int> rows;
    const ReportDataSet *set = dataSet(context, kind);
    const int count = set ? set->rowCount() : 0;
    for (int r = 0; r < count; ++r)
        rows.append(r);
    return rows;
}

}  // namespace

QVariantMap ReportExpander::foldVariables(const QVariantMap &variables)
{
    QVariantMap folded;
    for (auto it = variables.cbegin(); it != variables.cend(); ++it)
        folded.insert(it.key().toLower(), it.value());
    return folded;
}

QString ReportExpander::formatValue(const QVariant &value, const QString &displayFormat)
{
    if (!value.isValid() || value.isNull())
        return {};
    if (CellValue::isNumeric(value)) {
        if (!displayFormat.trimmed().isEmpty())
            return formatNumber(value.toDouble(), displayFormat);
        return value.toString();
    }
    const QString text = CellValue::text(value);
    if (CellValue::isEmptyDate(text))
        return {};
    if (!displayFormat.trimmed().isEmpty()) {
        bool ok = false;
        const double number = text.trimmed().toDouble(&ok);
        if (ok)
            return formatNumber(number, displayFormat);
    }
    return text;
}

QString ReportExpander::expand(const QString &text, const ReportContext &context,
                               const QString &displayFormat)
{
    QString out;
    out.reserve(text.size());
    int i = 0;
    while (i < text.size()) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('[')) {
            out += c;
            ++i;
            continue;
        }
        if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('[')) {
            out += QLatin1Char('[');
            i += 2;
            continue;
        }
        const int close = text.indexOf(QLatin1Char(']'), i + 1);
        if (close < 0) {
            out += text.mid(i);
            break;
        }
        out += evaluate(text.mid(i + 1, close - i - 1), context, displayFormat);
        i = close + 1;
    }
    return out;
}

QString ReportExpander::evaluate(const QString &expression, const ReportContext &context,
                                 const QString &displayFormat)
{
    const QString e = expression.trimmed();
    const QString lower = e.toLower();

    if (lower == QLatin1String("page"))
        return QString::number(context.page);
    if (lower == QLatin1String("totalpages"))
        return context.totalPages;
    if (lower == QLatin1String("date"))
        return context.today.toString(QStringLiteral("yyyy-MM-dd"));
    if (lower == QLatin1String("time"))
        return context.now.toString(QStringLiteral("HH:mm:ss"));
    if (lower == QLatin1String("line"))
        return QString::number(context.line);

    const bool isSum = lower.startsWith(QLatin1String("sum(")) && lower.endsWith(QLatin1Char(')'));
    const bool isCount = lower.startsWith(QLatin1String("count(")) && lower.endsWith(QLatin1Char(')'));
    if (isSum || isCount) {
        const QString inner = e.mid(e.indexOf(QLatin1Char('(')) + 1).chopped(1).trimmed();
        SetKind kind = setKind(inner);
        QString field;
        if (kind == SetKind::None && !splitField(inner, &kind, &field))
            return {};
        const QList<int> rows = aggregateRows(context, kind);
        if (isCount)
            return QString::number(rows.size());
        const ReportDataSet *set = dataSet(context, kind);
        const int column = set ? set->fieldIndex(field) : -1;
        double sum = 0;
        for (int r : rows)
            sum += set->value(r, column).toDouble();
        return formatValue(QVariant(sum), displayFormat);
    }

    SetKind kind = SetKind::None;
    QString field;
    if (splitField(e, &kind, &field)) {
        const ReportDataSet *set = dataSet(context, kind);
        if (!set)
            return {};
        const int row = kind == SetKind::Master ? context.masterRow : context.detailRow;
        return formatValue(set->value(row, field), displayFormat);
    }

    const auto it = context.variables.constFind(lower);
    if (it != context.variables.cend())
        return formatValue(it.value(), displayFormat);
    return {};
}
