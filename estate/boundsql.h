#pragma once

#include <QSqlQuery>
#include <QString>
#include <QVariantMap>

namespace estate {

// A statement with its placeholders' values, as the list windows open them.
struct BoundSql {
    QString sql;
    QVariantMap binds;

    void bindTo(QSqlQuery &query) const
    {
        for (auto it = binds.cbegin(); it != binds.cend(); ++it)
            query.bindValue(it.key(), it.value());
    }
};

}  // namespace estate
