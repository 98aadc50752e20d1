#include "estate/areas/arearenamecascade.h"

#include "db/renamecascade.h"

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
    return RenameCascade::applies(oldName, newName);
}

bool AreaRenameCascade::run(QSqlDatabase db, const QString &oldName, const QString &newName, QString *error)
{
    QList<RenameCascade::Target> targets;
    for (const QString &table : tables())
        targets.append({table, QStringLiteral("F_XQname")});
    return RenameCascade::run(db, targets, oldName, newName, error);
}
