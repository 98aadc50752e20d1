#include "db/connection.h"

#include "db/schema.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

namespace db {

namespace {

bool fail(QString *error, const QString &text)
{
    if (error)
        *error = text;
    return false;
}

}  // namespace

bool openConnection(const DbSettings &settings, const QString &connectionName, QString *error)
{
    if (settings.database.trimmed().isEmpty())
        return fail(error, QStringLiteral("database name is empty"));

    if (QSqlDatabase::contains(connectionName))
        QSqlDatabase::removeDatabase(connectionName);

    QSqlDatabase db;
    if (settings.engine == Engine::Sqlite) {
        // The embedded database must exist already: opening never creates one.
        if (!QFileInfo::exists(settings.sqliteFile))
            return fail(error, QStringLiteral("database file %1 does not exist").arg(settings.sqliteFile));
        db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
        db.setDatabaseName(settings.sqliteFile);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
    } else {
        db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connectionName);
        db.setHostName(settings.host);
        db.setPort(settings.port);
        db.setDatabaseName(settings.database.trimmed().toLower());
        db.setUserName(settings.user);
        db.setPassword(settings.password);
        db.setConnectOptions(QStringLiteral("connect_timeout=5"));
    }
    if (!db.open()) {
        const QString text = db.lastError().text();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(connectionName);
        return fail(error, text);
    }

    QSqlQuery q(db);
    if (settings.engine == Engine::Sqlite) {
        q.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
        q.exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
    } else {
        q.exec(QStringLiteral("SET client_min_messages TO warning"));
    }
    QString schemaError;
    if (!createScratchTables(db, &schemaError)) {
        db.close();
        return fail(error, schemaError);
    }
    return true;
}

}  // namespace db
