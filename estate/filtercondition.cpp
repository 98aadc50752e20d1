#include "estate/filtercondition.h"

#include "db/dialect.h"

namespace estate {

QString FilterCondition::likeClause(const QString &column, const QString &placeholder)
{
    return QStringLiteral("and COALESCE(") + column + QStringLiteral(",'') like ") + placeholder
           + db::Dialect::likeEscape() + QLatin1Char(' ');
}

QString FilterCondition::pattern(FilterMatch match, const QString &value)
{
    const QString escaped = db::Dialect::escapeLike(value);
    return match == FilterMatch::Prefix ? escaped + QLatin1Char('%') : QLatin1Char('%') + escaped + QLatin1Char('%');
}

}  // namespace estate
