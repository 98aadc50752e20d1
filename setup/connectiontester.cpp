#include "setup/connectiontester.h"

#include "db/connection.h"
#include "db/databaseadmin.h"
#include "setup/installer.h"
#include "setup/setupmessages.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

namespace {

ConnectionTester::Outcome outcome(bool ok, const QString &message, const QString &detail)
{
    ConnectionTester::Outcome o;
    o.ok = ok;
    o.message = message;
    o.detail = detail;
    return o;
}

QString withAdvice(const QString &error, const db::DbSettings &settings)
{
    const QString advice = ConnectionTester::loginAdvice(error, settings);
    return advice.isEmpty() ? error.trimmed() : error.trimmed() + QLatin1Char('\n') + advice;
}

}  // namespace

QString ConnectionTester::loginAdvice(const QString &serverError, const db::DbSettings &settings)
{
    if (settings.engine != db::Engine::Postgres)
        return QString();
    if (serverError.contains(QLatin1String("pg_hba.conf"))
        || serverError.contains(QLatin1String("password authentication failed"))
        || serverError.contains(QLatin1String("no password supplied"))) {
        return QStringLiteral(
                   "The server refused the password login of \"%1\". The role needs a password "
                   "(ALTER ROLE %1 PASSWORD '...') and pg_hba.conf on the server must allow password "
                   "logins, for example:\n  host  all  %1  0.0.0.0/0  scram-sha-256\n"
                   "then reload the server (pg_ctl reload or SELECT pg_reload_conf()).")
            .arg(settings.user);
    }
    return QString();
}

ConnectionTester::Outcome ConnectionTester::test() const
{
    using namespace SetupMessages;
    db::DbSettings settings;
    QString error;
    if (!m_config.toDbSettings(&settings, &error))
        return outcome(false, kReadConfigFailed, error);

    if (settings.engine == db::Engine::Postgres) {
        // First the server itself, as the tool does with its master database.
        bool found = false;
        if (!db::DatabaseAdmin(settings).exists(&found, &error))
            return outcome(false, kServerUnreachable, withAdvice(error, settings));
    }
    if (settings.database.isEmpty())
        return outcome(false, kEnterDatabaseName, QStringLiteral("Config.ini names no database"));
    if (settings.engine == db::Engine::Postgres && m_config.server().trimmed().isEmpty())
        return outcome(false, kEnterServerName, QStringLiteral("Config.ini names no server"));

    const QString name = QStringLiteral("vel_test_") + QUuid::createUuid().toString(QUuid::Id128);
    Outcome result;
    {
        if (!db::openConnection(settings, name, &error)) {
            result = outcome(false, kTestFailed, withAdvice(error, settings));
        } else {
            QSqlDatabase db = QSqlDatabase::database(name, false);
            QSqlQuery q(db);
            if (q.exec(QStringLiteral("select count(*) from OperList")) && q.next()) {
                result = outcome(true, kTestSucceeded,
                                 QStringLiteral("database %1 works: the operator table holds %2 rows")
                                     .arg(Installer::describe(settings))
                                     .arg(q.value(0).toInt()));
            } else {
                result = outcome(false, kTestFailed,
                                 QStringLiteral("the operator table cannot be read: %1")
                                     .arg(q.lastError().text().trimmed()));
            }
            q.finish();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return result;
}
