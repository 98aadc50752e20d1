#include "app/codenumbering.h"

#include "app/datamodule.h"
#include "app/decimaldigits.h"
#include "db/dialect.h"

#include <QSqlError>
#include <QSqlQuery>

namespace {

bool isDecimal(const QString &text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

QString lengthOf(const db::Dialect &dialect, const QString &column)
{
    return dialect.isPostgres() ? QStringLiteral("length(") + column + QStringLiteral("::text)")
                                : QStringLiteral("length(") + column + QLatin1Char(')');
}

QString failureText(const QSqlQuery &query)
{
    const QString text = query.lastError().text().trimmed();
    return text.isEmpty() ? QStringLiteral("无法读取已有的编号") : text;
}

}  // namespace

QString CodeNumbering::nextAfter(const QString &largest, int width, int prefixLength)
{
    width = qMax(1, width);
    if (largest.isEmpty())
        return QString(width - 1, QLatin1Char('0')) + QLatin1Char('1');

    QString prefix;
    QString tail;
    if (prefixLength >= 0) {
        prefix = largest.left(prefixLength);
        tail = largest.mid(prefixLength);
        if (tail.isEmpty())
            tail = QString(width, QLatin1Char('0'));
    } else if (largest.size() > width) {
        prefix = largest.left(largest.size() - width);
        tail = largest.right(width);
    } else {
        tail = largest;
    }
    if (!isDecimal(tail))
        return QString();
    const QString next = DecimalDigits::increment(tail);
    if (prefixLength < 0 && next.size() > tail.size()) {
        // The tail ran over: digits that end the prefix take the carry, so that
        // 1999 is followed by 2000 and not by a code that sorts oddly.
        qsizetype start = prefix.size();
        while (start > 0 && prefix.at(start - 1) >= QLatin1Char('0') && prefix.at(start - 1) <= QLatin1Char('9'))
            --start;
        if (start < prefix.size())
            return prefix.left(start) + DecimalDigits::increment(prefix.mid(start) + tail);
    }
    return prefix + next;
}

CodeProposal CodeNumbering::nextCode(QSqlDatabase db, const QString &table, int width, const QString &column,
                                     const QString &condition, const QVariantMap &binds)
{
    if (!isIdentifier(table) || !isIdentifier(column))
        return CodeProposal::failure(QStringLiteral("无效的表名或列名：%1.%2").arg(table, column));
    width = qMax(1, width);
    const db::Dialect dialect = db::Dialect::of(db);
    QString sql = QStringLiteral("select ") + column + QStringLiteral(" from ") + table + QStringLiteral(" where ")
                  + dialect.endsWithDigits(column, width);
    if (!condition.trimmed().isEmpty())
        sql += QStringLiteral(" and (") + condition + QLatin1Char(')');
    sql += QStringLiteral(" order by ") + lengthOf(dialect, column) + QStringLiteral(" desc, ") + column
           + QStringLiteral(" desc limit 1");

    QSqlQuery query(db);
    if (!TdmData::Execute(query, sql, binds))
        return CodeProposal::failure(failureText(query));
    const QString largest = query.next() ? query.value(0).toString() : QString();
    const QString next = nextAfter(largest, width);
    if (next.isEmpty())
        return CodeProposal::failure(QStringLiteral("编号%1的末尾不是数字").arg(largest));
    return CodeProposal::success(next);
}

CodeProposal CodeNumbering::nextBillNo(QSqlDatabase db, const QString &prefix, const QDate &day, int width,
                                       const QString &table, const QString &column)
{
    if (!isIdentifier(table) || !isIdentifier(column))
        return CodeProposal::failure(QStringLiteral("无效的表名或列名：%1.%2").arg(table, column));
    width = qMax(1, width);
    const QString stem = prefix + day.toString(QStringLiteral("yyyyMMdd"));
    const db::Dialect dialect = db::Dialect::of(db);
    const QString sql = QStringLiteral("select ") + column + QStringLiteral(" from ") + table
                        + QStringLiteral(" where ") + column + QStringLiteral(" like :stem") + db::Dialect::likeEscape()
                        + QStringLiteral(" and ") + dialect.endsWithDigits(column, width)
                        + QStringLiteral(" order by ") + lengthOf(dialect, column) + QStringLiteral(" desc, ") + column
                        + QStringLiteral(" desc");

    QSqlQuery query(db);
    const QString pattern = db::Dialect::escapeLike(stem) + QLatin1Char('%');
    if (!TdmData::Execute(query, sql, {{QStringLiteral(":stem"), pattern}}))
        return CodeProposal::failure(failureText(query));
    // The serial is everything after the day's stem; numbers with other text
    // there (typed by hand) are not part of the day's sequence.
    while (query.next()) {
        const QString serial = query.value(0).toString().mid(stem.size());
        if (serial.size() >= width && isDecimal(serial))
            return CodeProposal::success(stem + DecimalDigits::increment(serial));
    }
    if (query.lastError().isValid())
        return CodeProposal::failure(failureText(query));
    return CodeProposal::success(stem + nextAfter(QString(), width));
}

bool CodeNumbering::isIdentifier(const QString &name)
{
    if (name.isEmpty())
        return false;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar c = name.at(i);
        const bool letter = (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
                            || (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || c == QLatin1Char('_');
        const bool digit = c >= QLatin1Char('0') && c <= QLatin1Char('9');
        if (!letter && !(digit && i > 0))
            return false;
    }
    return true;
}
