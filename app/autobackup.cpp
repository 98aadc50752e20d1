#include "app/autobackup.h"

#include "app/datamodule.h"

AutoBackup::Outcome AutoBackup::run(TdmData &data, const QDate &today)
{
    return Outcome::Failed;
}

QString AutoBackup::fileName(const QString &folder, const QDate &day)
{
    return QString();
}

bool AutoBackup::writeBackupFile(QSqlDatabase db, const db::DbSettings &settings, const QString &file, QString *error)
{
    return false;
}
