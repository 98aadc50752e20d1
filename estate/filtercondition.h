#pragma once

#include <QString>

#include "estate/filteritem.h"

namespace estate {

// Pieces of the LIKE conditions of the list filters. The user's text is bound,
// and its wildcards are escaped so that "10%" or "A_1" match literally.
class FilterCondition {
public:
    // "and COALESCE(col,'') like :holder ESCAPE '\' "
    static QString likeClause(const QString &column, const QString &placeholder);
    // The bound pattern: escaped text followed by % (prefix) or wrapped in % (contains).
    static QString pattern(FilterMatch match, const QString &value);
};

}  // namespace estate
