#pragma once

#include "db/dbsettings.h"

#include <QDate>
#include <QSqlDatabase>
#include <QString>

class TdmData;

// The daily automatic backup of the database into the backup folder kept in
// sysInfo, and the writing of one backup file, shared with the backup window.
// At most one automatic backup is made per day: "dp" + yyyyMMdd + ".back".
class AutoBackup {
public:
    enum class Outcome {
        Written,        // a new file was written
        AlreadyDone,    // today's file exists already
        Declined,       // the folder is missing and the user did not want it created
        Failed          // reported to the user
    };

    // Runs the automatic backup for the given day with the data module's
    // connection and settings. Everything the user needs to know is shown
    // through the message boxes; the outcome is for the caller and the tests.
    static Outcome run(TdmData &data, const QDate &today = QDate::currentDate());

    // The file of a day's backup in folder.
    static QString fileName(const QString &folder, const QDate &day);

    // Writes a complete copy of the connected database to file, through a
    // temporary file in the same folder that is renamed when complete; an
    // existing file is replaced only then. SQLite: VACUUM INTO; PostgreSQL:
    // pg_dump in its custom format with the connection settings.
    static bool writeBackupFile(QSqlDatabase db, const db::DbSettings &settings,
                                const QString &file, QString *error);
};
