#pragma once

#include <QString>

namespace estate {

// The three house statuses the system itself knows. Operators may type others.
class HouseStatus {
public:
    static QString unsold() { return QStringLiteral("未销售"); }
    static QString sold() { return QStringLiteral("已销售"); }
    static QString occupied() { return QStringLiteral("已入住"); }

    // A sold or occupied house cannot be sold again.
    static bool isSoldOrOccupied(const QString &status)
    {
        const QString s = status.trimmed();
        return s == sold() || s == occupied();
    }
};

}  // namespace estate
