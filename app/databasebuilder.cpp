#include "app/databasebuilder.h"

#include "db/connection.h"
#include "db/databaseadmin.h"
#include "db/schema.h"

#include <QSqlDatabase>
#include <QUuid>

bool DatabaseBuilder::create(const db::DbSettings &settings, const QString &backupFolder, QString *error)
{
    const db::DatabaseAdmin admin(settings);
    if (!admin.createEmpty(error))
        return false;

    const QString name = QStringLiteral("vel_build_") + QUuid::createUuid().toString(QUuid::Id128);
    bool ok = false;
    {
        ok = db::openConnection(settings, name, error);
        if (ok) {
            QSqlDatabase db = QSqlDatabase::database(name, false);
            ok = db::createSchema(db, error) && db::seedSystemRows(db, error, backupFolder);
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    if (!ok)
        admin.drop(nullptr);
    return ok;
}
