#include "fees/feeitems/feeitemrenamecascade.h"

#include <QSqlError>
#include <QSqlQuery>

bool FeeItemRenameCascade::applies(const QString &oldName, const QString &newName)
{
    const QString from = oldName.trimmed();
    return !from.isEmpty() && from != newName.trimmed();
}

bool FeeItemRenameCascade::run(QSqlDatabase db, const QString &oldName, const QString &newName, QString *error)
{
    if (!applies(oldName, newName))
        return true;
    // table, column holding the fee item's name
    static const char *const targets[][2] = {
        {"T_wyFYrec", "F_SFname"},
        {"T_wyGTrec", "F_SFname"},
        {"T_wyGTrec", "F_GTtype"},
        {"T_GTinfo", "F_type"},
    };
    for (const auto &target : targets) {
        const QString table = QString::fromLatin1(target[0]);
        const QString column = QString::fromLatin1(target[1]);
        QSqlQuery q(db);
        q.prepare(QStringLiteral("update ") + table + QStringLiteral(" set ") + column + QStringLiteral(" = :newName where ")
                  + column + QStringLiteral(" = :oldName"));
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
