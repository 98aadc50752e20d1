#include "db/databaseadmin.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

namespace db {

namespace {

bool fail(QString *error, const QString &text)
{
    if (error)
        *error = text;
    return false;
}

// Identifiers cannot be bound: quote them as PostgreSQL requires.
QString quoteIdentifier(const QString &name)
{
    QString quoted = name;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

// Runs fn with a short-lived connection to the server's maintenance database.
template <typename Fn>
bool withMaintenanceDb(const DbSettings &s, QString *error, Fn fn)
{
    const QString name = QStringLiteral("vel_admin_") + QUuid::createUuid().toString(QUuid::Id128);
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        db.setHostName(s.host);
        db.setPort(s.port);
        db.setUserName(s.user);
        db.setPassword(s.password);
        db.setDatabaseName(QStringLiteral("postgres"));
        db.setConnectOptions(QStringLiteral("connect_timeout=5"));
        if (!db.open())
            fail(error, db.lastError().text());
        else
            ok = fn(db);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

}  // namespace

QString DatabaseAdmin::serverName() const
{
    return m_settings.database.trimmed().toLower();
}

bool DatabaseAdmin::exists(bool *found, QString *error) const
{
    *found = false;
    if (m_settings.engine == Engine::Sqlite) {
        *found = QFileInfo::exists(m_settings.sqliteFile);
        return true;
    }
    return withMaintenanceDb(m_settings, error, [&](QSqlDatabase &db) {
        QSqlQuery q(db);
        q.prepare(QStringLiteral("select 1 from pg_database where datname = :d"));
        q.bindValue(QStringLiteral(":d"), serverName());
        if (!q.exec())
            return fail(error, q.lastError().text());
        *found = q.next();
        return true;
    });
}

bool DatabaseAdmin::runOnMaintenanceDb(const QString &statement, QString *error) const
{
    return withMaintenanceDb(m_settings, error, [&](QSqlDatabase &db) {
        QSqlQuery q(db);
        if (!q.exec(statement))
            return fail(error, q.lastError().text());
        return true;
    });
}

bool DatabaseAdmin::createEmpty(QString *error) const
{
    if (serverName().isEmpty())
        return fail(error, QStringLiteral("database name is empty"));
    if (m_settings.engine == Engine::Sqlite) {
        const QFileInfo info(m_settings.sqliteFile);
        if (!QDir().mkpath(info.absolutePath()))
            return fail(error, QStringLiteral("cannot create folder %1").arg(info.absolutePath()));
        QFile file(m_settings.sqliteFile);
        if (file.exists())
            return fail(error, QStringLiteral("%1 exists already").arg(m_settings.sqliteFile));
        if (!file.open(QIODevice::WriteOnly))
            return fail(error, file.errorString());
        return true;
    }
    if (!runOnMaintenanceDb(QStringLiteral("CREATE DATABASE %1 ENCODING 'UTF8' TEMPLATE template0")
                                .arg(quoteIdentifier(serverName())),
                            error))
        return false;
    // citext is a trusted extension: the database owner may create it.
    const QString name = QStringLiteral("vel_ext_") + QUuid::createUuid().toString(QUuid::Id128);
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        db.setHostName(m_settings.host);
        db.setPort(m_settings.port);
        db.setUserName(m_settings.user);
        db.setPassword(m_settings.password);
        db.setDatabaseName(serverName());
        if (!db.open()) {
            fail(error, db.lastError().text());
        } else {
            QSqlQuery q(db);
            ok = q.exec(QStringLiteral("CREATE EXTENSION IF NOT EXISTS citext"));
            if (!ok)
                fail(error, q.lastError().text());
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

bool DatabaseAdmin::moveAside(QString *newName, QString *error) const
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd_HHmmss"));
    if (m_settings.engine == Engine::Sqlite) {
        QString target = m_settings.sqliteFile + QStringLiteral(".old_") + stamp;
        if (!QFile::rename(m_settings.sqliteFile, target))
            return fail(error, QStringLiteral("cannot rename %1").arg(m_settings.sqliteFile));
        // The write-ahead log belongs to the old file: take it along.
        for (const char *suffix : {"-wal", "-shm"}) {
            const QString side = m_settings.sqliteFile + QLatin1String(suffix);
            if (QFile::exists(side))
                QFile::rename(side, target + QLatin1String(suffix));
        }
        if (newName)
            *newName = target;
        return true;
    }
    const QString target = serverName() + QStringLiteral("_old_") + stamp;
    if (!runOnMaintenanceDb(QStringLiteral("ALTER DATABASE %1 RENAME TO %2")
                                .arg(quoteIdentifier(serverName()), quoteIdentifier(target)),
                            error))
        return false;
    if (newName)
        *newName = target;
    return true;
}

bool DatabaseAdmin::drop(QString *error) const
{
    if (m_settings.engine == Engine::Sqlite) {
        for (const char *suffix : {"", "-wal", "-shm"})
            QFile::remove(m_settings.sqliteFile + QLatin1String(suffix));
        return true;
    }
    return runOnMaintenanceDb(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)")
                                  .arg(quoteIdentifier(serverName())),
                              error);
}

bool DatabaseAdmin::copyFrom(const DbSettings &source, QString *error) const
{
    if (m_settings.engine == Engine::Sqlite) {
        QFile::remove(m_settings.sqliteFile);
        if (!QFile::copy(source.sqliteFile, m_settings.sqliteFile))
            return fail(error, QStringLiteral("cannot copy %1").arg(source.sqliteFile));
        QFile::setPermissions(m_settings.sqliteFile, QFile::ReadOwner | QFile::WriteOwner);
        return true;
    }
    return runOnMaintenanceDb(QStringLiteral("CREATE DATABASE %1 TEMPLATE %2")
                                  .arg(quoteIdentifier(serverName()),
                                       quoteIdentifier(DatabaseAdmin(source).serverName())),
                              error);
}

}  // namespace db
