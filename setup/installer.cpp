#include "setup/installer.h"

#include "app/databasebuilder.h"
#include "db/databaseadmin.h"
#include "setup/connectiontester.h"
#include "setup/setupmessages.h"

namespace {

Installer::Outcome outcome(Installer::Status status, const QString &message, const QString &detail)
{
    Installer::Outcome o;
    o.status = status;
    o.message = message;
    o.detail = detail;
    return o;
}

}  // namespace

QString Installer::describe(const db::DbSettings &settings)
{
    if (settings.engine == db::Engine::Sqlite)
        return settings.sqliteFile;
    return QStringLiteral("%1 on %2:%3")
        .arg(db::DatabaseAdmin(settings).serverName(), settings.host)
        .arg(settings.port);
}

Installer::Outcome Installer::install(bool replace) const
{
    using namespace SetupMessages;
    db::DbSettings settings;
    QString error;
    if (!m_config.toDbSettings(&settings, &error))
        return outcome(Status::Failed, kReadConfigFailed, error);
    if (settings.database.isEmpty())
        return outcome(Status::Failed, kEnterDatabaseName, QStringLiteral("Config.ini names no database"));
    if (settings.engine == db::Engine::Postgres && m_config.server().trimmed().isEmpty())
        return outcome(Status::Failed, kEnterServerName, QStringLiteral("Config.ini names no server"));
    if (settings.engine == db::Engine::Sqlite && settings.sqliteFile.isEmpty())
        return outcome(Status::Failed, kCreateFailed,
                       QStringLiteral("\"%1\" cannot be a database file name").arg(settings.database));

    const db::DatabaseAdmin admin(settings);
    bool found = false;
    if (!admin.exists(&found, &error)) {
        const QString advice = ConnectionTester::loginAdvice(error, settings);
        return outcome(Status::Failed, kServerUnreachable,
                       advice.isEmpty() ? error.trimmed() : error.trimmed() + QLatin1Char('\n') + advice);
    }

    QString movedAsideTo;
    if (found) {
        if (!replace)
            return outcome(Status::AlreadyExists, QString(),
                           QStringLiteral("database %1 exists already; nothing was changed "
                                          "(--replace moves it aside and installs a new one)")
                               .arg(describe(settings)));
        if (!admin.moveAside(&movedAsideTo, &error))
            return outcome(Status::Failed, kDetachFailed, error.trimmed());
    }

    if (!DatabaseBuilder::create(settings, m_config.backupFolder(), &error)) {
        QString detail = error.trimmed();
        if (!movedAsideTo.isEmpty())
            detail += QStringLiteral("\nthe previous database is kept as %1").arg(movedAsideTo);
        Outcome o = outcome(Status::Failed, kCreateFailed, detail);
        o.movedAsideTo = movedAsideTo;
        return o;
    }

    QString detail = QStringLiteral("database %1 created").arg(describe(settings));
    if (!movedAsideTo.isEmpty())
        detail = QStringLiteral("the previous database was moved aside to %1\n").arg(movedAsideTo) + detail;
    Outcome o = outcome(Status::Installed, kCreated, detail);
    o.movedAsideTo = movedAsideTo;
    return o;
}
