#include "access/areascope.h"

#include "db/dialect.h"

#include <QSqlDatabase>

namespace {

const QLatin1String kPlaceholder(":areaScope");

QString columnOf(const QString &alias, const QString &column)
{
    QString prefix = alias.trimmed();
    if (!prefix.isEmpty() && !prefix.endsWith(QLatin1Char('.')))
        prefix += QLatin1Char('.');
    return prefix + column;
}

// COALESCE(col,'') loses SQLite's case-insensitive collation of the column;
// the program's statements all run on the default connection.
QString nocase()
{
    return db::Dialect::of(QSqlDatabase::database(QLatin1String(QSqlDatabase::defaultConnection), false))
        .nocase();
}

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QChar(0x3000);
}

}  // namespace

AreaScope AreaScope::restrictedTo(const QStringList &names)
{
    AreaScope scope;
    scope.m_restricted = true;
    scope.m_names = names;
    return scope;
}

AreaScope AreaScope::parse(int flag, const QString &storedList, bool *ok)
{
    if (flag != 1) {
        if (ok)
            *ok = true;
        return unrestricted();
    }
    QStringList names;
    const bool parsed = parseList(storedList, &names);
    if (ok)
        *ok = parsed;
    return restrictedTo(parsed ? names : QStringList());
}

bool AreaScope::parseList(const QString &storedList, QStringList *names)
{
    QStringList found;
    const qsizetype n = storedList.size();
    qsizetype i = 0;
    auto skipBlanks = [&] {
        while (i < n && isBlank(storedList.at(i)))
            ++i;
    };
    skipBlanks();
    if (i == n) {
        if (names)
            names->clear();
        return true;
    }
    for (;;) {
        if (i == n || storedList.at(i) != QLatin1Char('\''))
            return false;
        ++i;
        QString name;
        bool closed = false;
        while (i < n) {
            const QChar c = storedList.at(i++);
            if (c != QLatin1Char('\'')) {
                name += c;
                continue;
            }
            if (i < n && storedList.at(i) == QLatin1Char('\'')) {
                name += c;
                ++i;
                continue;
            }
            closed = true;
            break;
        }
        if (!closed)
            return false;
        found.append(name);
        skipBlanks();
        if (i == n)
            break;
        const QChar sep = storedList.at(i);
        if (sep != QLatin1Char(',') && sep != QChar(0xFF0C))
            return false;
        ++i;
        skipBlanks();
    }
    if (names)
        *names = found;
    return true;
}

QString AreaScope::formatList(const QStringList &names)
{
    QStringList quoted;
    quoted.reserve(names.size());
    for (const QString &name : names) {
        QString doubled = name;
        doubled.replace(QLatin1Char('\''), QLatin1String("''"));
        quoted.append(QLatin1Char('\'') + doubled + QLatin1Char('\''));
    }
    return quoted.join(QLatin1Char(','));
}

QString AreaScope::inList() const
{
    QStringList holders;
    holders.reserve(m_names.size());
    for (qsizetype i = 0; i < m_names.size(); ++i)
        holders.append(kPlaceholder + QString::number(i));
    return holders.join(QLatin1Char(','));
}

QString AreaScope::clause(const QString &alias) const
{
    if (!m_restricted)
        return QString();
    const QString area = QStringLiteral("COALESCE(") + columnOf(alias, QStringLiteral("F_XQname"))
                         + QStringLiteral(",'')");
    const QString withoutArea = QLatin1Char('(') + area + QStringLiteral(" = '')");
    if (m_names.isEmpty())
        return QStringLiteral(" and ") + withoutArea + QLatin1Char(' ');
    return QStringLiteral(" and ((") + area + nocase() + QStringLiteral(" in (") + inList()
           + QStringLiteral(")) or ") + withoutArea + QStringLiteral(") ");
}

QString AreaScope::nameClause(const QString &alias) const
{
    if (!m_restricted)
        return QString();
    if (m_names.isEmpty())
        return QStringLiteral(" and (1=0) ");
    return QStringLiteral(" and (COALESCE(") + columnOf(alias, QStringLiteral("F_name")) + QStringLiteral(",'')")
           + nocase() + QStringLiteral(" in (") + inList() + QStringLiteral(")) ");
}

QVariantMap AreaScope::binds() const
{
    QVariantMap values;
    if (!m_restricted)
        return values;
    for (qsizetype i = 0; i < m_names.size(); ++i)
        values.insert(kPlaceholder + QString::number(i), m_names.at(i));
    return values;
}

void AreaScope::bindTo(QSqlQuery &query) const
{
    const QVariantMap values = binds();
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        query.bindValue(it.key(), it.value());
}
