#include "fees/feeitems/feeitemrenamecascade.h"

#include "db/renamecascade.h"

bool FeeItemRenameCascade::applies(const QString &oldName, const QString &newName)
{
    return RenameCascade::applies(oldName, newName);
}

bool FeeItemRenameCascade::run(QSqlDatabase db, const QString &oldName, const QString &newName, QString *error)
{
    static const QList<RenameCascade::Target> targets{
        {QStringLiteral("T_wyFYrec"), QStringLiteral("F_SFname")},
        {QStringLiteral("T_wyGTrec"), QStringLiteral("F_SFname")},
        {QStringLiteral("T_wyGTrec"), QStringLiteral("F_GTtype")},
        {QStringLiteral("T_GTinfo"), QStringLiteral("F_type")},
    };
    return RenameCascade::run(db, targets, oldName, newName, error);
}
