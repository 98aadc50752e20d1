#include "db/dialect.h"

namespace db {

Dialect Dialect::of(const QSqlDatabase &db)
{
    return Dialect(db.driverName() == QLatin1String("QPSQL") ? Engine::Postgres : Engine::Sqlite);
}

QString Dialect::escapeLike(const QString &text)
{
    QString out;
    out.reserve(text.size() + 4);
    for (const QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('%') || c == QLatin1Char('_'))
            out += QLatin1Char('\\');
        out += c;
    }
    return out;
}

QString Dialect::nocase() const
{
    return isSqlite() ? QStringLiteral(" COLLATE NOCASE") : QString();
}

QString Dialect::endsWithDigits(const QString &column, int n) const
{
    if (n <= 0)
        return QStringLiteral("(1=1)");
    if (isSqlite())
        return column + QStringLiteral(" GLOB '*") + QStringLiteral("[0-9]").repeated(n) + QLatin1Char('\'');
    return column + QStringLiteral("::text ~ '[0-9]{") + QString::number(n) + QStringLiteral("}$'");
}

QString Dialect::beginStatement() const
{
    return isSqlite() ? QStringLiteral("BEGIN IMMEDIATE") : QStringLiteral("BEGIN");
}

}  // namespace db
