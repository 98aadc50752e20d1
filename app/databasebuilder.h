#pragma once

#include "db/dbsettings.h"

#include <QString>

// Builds a new database for the system: creates it empty, adds every table and
// writes the seed rows. Used by the client for its embedded database on the
// first start and by the setup tool. A database it could not finish is
// removed again, so that a second attempt starts from nothing.
class DatabaseBuilder {
public:
    // backupFolder goes into sysInfo as the folder of the daily backups.
    static bool create(const db::DbSettings &settings, const QString &backupFolder, QString *error);
};
