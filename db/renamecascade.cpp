#include "db/renamecascade.h"

#include <QSqlError>
#include <QSqlQuery>

bool RenameCascade::applies(const QString &oldName, const QString &newName)
{
    const QString from = oldName.trimmed();
    return !from.isEmpty() && from != newName.trimmed();
}

bool RenameCascade::run(QSqlDatabase db, const QList<Target> &targets, const QString &oldName,
                        const QString &newName, QString *error)
{
    if (!applies(oldName, newName))
        return true;
    for (const Target &target : targets) {
        QSqlQuery q(db);
        q.prepare(QStringLiteral("update ") + target.table + QStringLiteral(" set ") + target.column
                  + QStringLiteral(" = :newName where ") + target.column + QStringLiteral(" = :oldName"));
        q.bindValue(QStringLiteral(":newName"), newName.trimmed());
        q.bindValue(QStringLiteral(":oldName"), oldName);
        if (!q.exec()) {
            if (error)
                *error = target.table + QStringLiteral(": ") + q.lastError().text();
            return false;
        }
    }
    return true;
}
