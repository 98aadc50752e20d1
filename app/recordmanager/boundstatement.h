#pragma once

#include <QSqlQuery>
#include <QString>
#include <QVariantMap>

// A statement with the values of its :placeholders; values never go into the text.
struct BoundStatement {
    QString sql;
    QVariantMap binds;

    BoundStatement &append(const QString &text, const QVariantMap &values = QVariantMap())
    {
        sql += text;
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            binds.insert(it.key(), it.value());
        return *this;
    }
    void bindTo(QSqlQuery &query) const
    {
        for (auto it = binds.cbegin(); it != binds.cend(); ++it)
            query.bindValue(it.key(), it.value());
    }
};
