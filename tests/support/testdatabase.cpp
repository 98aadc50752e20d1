#include "testdatabase.h"

#include "db/connection.h"
#include "db/databaseadmin.h"
#include "db/schema.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QTemporaryDir &scratchDir()
{
    static QTemporaryDir dir;
    return dir;
}

int g_counter = 0;
db::DbSettings g_template;
bool g_templateReady = false;

void dropTemplate()
{
    if (g_templateReady) {
        db::DatabaseAdmin(g_template).drop(nullptr);
        g_templateReady = false;
    }
}

// Builds the schema and seeds once per test program; every test database is
// a copy of it, which is much faster than creating the tables each time.
bool ensureTemplate()
{
    if (g_templateReady)
        return true;
    g_template = TestDatabase::newDatabaseSettings(QStringLiteral("tpl"));
    db::DatabaseAdmin admin(g_template);
    QString error;
    admin.drop(nullptr);
    if (!admin.createEmpty(&error)) {
        qWarning("cannot create the template database: %s", qPrintable(error));
        return false;
    }
    const QString name = QStringLiteral("vel_template");
    bool ok = false;
    {
        ok = db::openConnection(g_template, name, &error);
        if (ok) {
            QSqlDatabase db = QSqlDatabase::database(name);
            ok = db::createSchema(db, &error) && db::seedSystemRows(db, &error);
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    if (!ok) {
        qWarning("cannot build the template database: %s", qPrintable(error));
        admin.drop(nullptr);
        return false;
    }
    g_templateReady = true;
    qAddPostRoutine(dropTemplate);
    return true;
}

}  // namespace

db::Engine TestDatabase::engine()
{
    return qEnvironmentVariable("VELMORA_TEST_ENGINE") == QLatin1String("postgres") ? db::Engine::Postgres
                                                                                    : db::Engine::Sqlite;
}

QString TestDatabase::engineName()
{
    return engine() == db::Engine::Postgres ? QStringLiteral("postgres") : QStringLiteral("sqlite");
}

db::DbSettings TestDatabase::newDatabaseSettings(const QString &tag)
{
    db::DbSettings s;
    s.engine = engine();
    s.database = QStringLiteral("veltest_%1_%2_%3")
                     .arg(QCoreApplication::applicationPid())
                     .arg(tag)
                     .arg(++g_counter);
    if (s.engine == db::Engine::Sqlite) {
        s.sqliteFile = QDir(scratchDir().path()).filePath(s.database + QStringLiteral(".db"));
    } else {
        s.host = qEnvironmentVariable("VELMORA_TEST_PG_HOST", QStringLiteral("127.0.0.1"));
        s.port = qEnvironmentVariableIntValue("VELMORA_TEST_PG_PORT");
        s.user = qEnvironmentVariable("VELMORA_TEST_PG_USER", QStringLiteral("sa"));
        s.password = qEnvironmentVariable("VELMORA_TEST_PG_PASSWORD");
    }
    return s;
}

TestDatabase::TestDatabase()
{
    if (!ensureTemplate())
        return;
    m_settings = newDatabaseSettings(QStringLiteral("t"));
    QString error;
    if (!db::DatabaseAdmin(m_settings).copyFrom(g_template, &error)) {
        qWarning("cannot copy the template database: %s", qPrintable(error));
        return;
    }
    if (!db::openConnection(m_settings, QLatin1String(QSqlDatabase::defaultConnection), &error)) {
        qWarning("cannot open the test database: %s", qPrintable(error));
        return;
    }
    m_valid = true;
}

TestDatabase::~TestDatabase()
{
    // Close every connection to this database before it is removed.
    const QStringList names = QSqlDatabase::connectionNames();
    for (const QString &name : names) {
        bool mine = false;
        {
            QSqlDatabase db = QSqlDatabase::database(name, false);
            mine = db.databaseName() == m_settings.sqliteFile
                   || db.databaseName() == m_settings.database.toLower();
            if (mine)
                db.close();
        }
        if (mine)
            QSqlDatabase::removeDatabase(name);
    }
    if (m_valid || !m_settings.database.isEmpty())
        db::DatabaseAdmin(m_settings).drop(nullptr);
}

QSqlDatabase TestDatabase::db() const
{
    return QSqlDatabase::database();
}

QSqlDatabase TestDatabase::openAnotherConnection(const QString &connectionName) const
{
    QString error;
    if (!db::openConnection(m_settings, connectionName, &error))
        qWarning("cannot open a second connection: %s", qPrintable(error));
    return QSqlDatabase::database(connectionName, false);
}
