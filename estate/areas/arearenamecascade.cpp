#include "estate/areas/arearenamecascade.h"

#include <QSqlError>
#include <QSqlQuery>

const QStringList &AreaRenameCascade::tables()
{
    static const QStringList names{
        QStringLiteral("T_BJinfo"),  QStringLiteral("T_carPos"),  QStringLiteral("T_FCinfo"),
        QStringLiteral("T_FYinfo"),  QStringLiteral("T_GTdetail"), QStringLiteral("T_GTinfo"),
        QStringLiteral("T_PJinfo"),  QStringLiteral("T_pjJHrec"), QStringLiteral("T_publicSet"),
        QStringLiteral("T_wyFKrec"), QStringLiteral("T_wyFYrec"), QStringLiteral("T_wyGTrec"),
        QStringLiteral("T_XLinfo"),  QStringLiteral("T_YJinfo"),  QStringLiteral("T_YSKrec"),
        QStringLiteral("t_ZHBX"),
    };
    return names;
}

bool AreaRenameCascade::applies(const QString &oldName, const QString &newName)
{
    const QString from = oldName.trimmed();
    return !from.isEmpty() && from != newName.trimmed();
}

bool AreaRenameCascade::run(QSqlDatabase db, const QString &oldName, const QString &newName, QString *error)
{
    if (!applies(oldName, newName))
        return true;
    for (const QString &table : tables()) {
        QSqlQuery q(db);
        q.prepare(QStringLiteral("update ") + table + QStringLiteral(" set F_XQname = :newName where F_XQname = :oldName"));
        q.bindValue(QStringLiteral(":newName"), newName.trimmed());
        q.bindValue(QStringLiteral(":oldName"), oldName);
        if (!q.exec()) {
            if (error)
                *error = table + QStringLiteral(": ") + q.lastError().text();
            return false;
        }
    }
    return true;
}
