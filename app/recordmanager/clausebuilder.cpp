#include "app/recordmanager/clausebuilder.h"

#include "db/dialect.h"

ClauseBuilder::ClauseBuilder(const QString &placeholderStem) : m_stem(placeholderStem) {}

QString ClauseBuilder::placeholder()
{
    return QLatin1Char(':') + m_stem + QString::number(++m_next);
}

QString ClauseBuilder::likePattern(Match match, const QString &text)
{
    const QString escaped = db::Dialect::escapeLike(text.trimmed());
    return match == Match::Prefix ? escaped + QLatin1Char('%') : QLatin1Char('%') + escaped + QLatin1Char('%');
}

ClauseBuilder &ClauseBuilder::addLike(const QString &column, Match match, const QString &text)
{
    const QString holder = placeholder();
    m_text += QStringLiteral(" and COALESCE(") + column + QStringLiteral(",'') like ") + holder
              + db::Dialect::likeEscape() + QLatin1Char(' ');
    m_binds.insert(holder, likePattern(match, text));
    return *this;
}

ClauseBuilder &ClauseBuilder::addDateFrom(const QString &column, const QDate &date)
{
    const QString holder = placeholder();
    m_text += QStringLiteral(" and ") + column + QStringLiteral(" >= ") + holder + QLatin1Char(' ');
    m_binds.insert(holder, date);
    return *this;
}

ClauseBuilder &ClauseBuilder::addDateTo(const QString &column, const QDate &date)
{
    const QString holder = placeholder();
    m_text += QStringLiteral(" and ") + column + QStringLiteral(" <= ") + holder + QLatin1Char(' ');
    m_binds.insert(holder, date);
    return *this;
}

ClauseBuilder &ClauseBuilder::addCondition(const QString &condition, const QVariantMap &values)
{
    m_text += condition;
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        m_binds.insert(it.key(), it.value());
    return *this;
}
