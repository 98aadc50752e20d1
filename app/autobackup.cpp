#include "app/autobackup.h"

#include "app/datamodule.h"
#include "app/messages.h"
#include "db/databaseadmin.h"
#include "db/dialect.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QCursor>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryFile>

Q_LOGGING_CATEGORY(lcBackup, "velmora.backup")

namespace {

// The hourglass while the copy is written, restored however the work ends.
class BusyCursor {
public:
    BusyCursor()
    {
        if (qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
            QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
            m_set = true;
        }
    }
    ~BusyCursor()
    {
        if (m_set)
            QGuiApplication::restoreOverrideCursor();
    }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;

private:
    bool m_set = false;
};

// pg_dump from the PATH, else the newest installed server version's.
QString findPgDump()
{
    QString exe = QStandardPaths::findExecutable(QStringLiteral("pg_dump"));
    if (!exe.isEmpty())
        return exe;
    const QDir versions(QStringLiteral("/usr/lib/postgresql"));
    QStringList entries = versions.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    std::sort(entries.begin(), entries.end(),
              [](const QString &a, const QString &b) { return a.toInt() > b.toInt(); });
    for (const QString &v : entries) {
        const QString candidate = versions.filePath(v + QStringLiteral("/bin/pg_dump"));
        if (QFileInfo(candidate).isExecutable())
            return candidate;
    }
    return QString();
}

bool vacuumInto(QSqlDatabase db, const QString &file, QString *error)
{
    QSqlQuery query(db);
    if (query.prepare(QStringLiteral("VACUUM INTO :file"))) {
        query.bindValue(QStringLiteral(":file"), file);
        if (query.exec())
            return true;
    }
    *error = query.lastError().text();
    return false;
}

bool dumpPostgres(const db::DbSettings &settings, const QString &file, QString *error)
{
    const QString exe = findPgDump();
    if (exe.isEmpty()) {
        *error = QStringLiteral("pg_dump not found");
        return false;
    }
    const QStringList args{QStringLiteral("--format=custom"),
                           QStringLiteral("--file=") + file,
                           QStringLiteral("--host=") + settings.host,
                           QStringLiteral("--port=") + QString::number(settings.port),
                           QStringLiteral("--username=") + settings.user,
                           QStringLiteral("--no-password"),
                           QStringLiteral("--dbname=") + db::DatabaseAdmin(settings).serverName()};
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PGPASSWORD"), settings.password);
    env.insert(QStringLiteral("PGCONNECT_TIMEOUT"), QStringLiteral("10"));
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(exe, args);
    if (!process.waitForStarted() || !process.waitForFinished(-1)) {
        *error = process.errorString();
        return false;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        *error = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
        if (error->isEmpty())
            *error = QStringLiteral("pg_dump ended with code %1").arg(process.exitCode());
        return false;
    }
    return true;
}

}  // namespace

AutoBackup::Outcome AutoBackup::run(TdmData &data, const QDate &today)
{
    bool ok = false;
    const QString folder = data.LookupText(QStringLiteral("select F_BakPath from sysInfo"), {}, &ok).trimmed();
    if (!ok)
        return Outcome::Failed;

    // An empty folder would mean the working directory; it is never a backup folder.
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        if (ShowMess(QStringLiteral("当前目录") + folder + QStringLiteral(" 不存在，是否创建！"), MessQuestion)
            == AnswerNo)
            return Outcome::Declined;
        if (folder.isEmpty() || !QDir().mkpath(folder)) {
            ShowMess(QStringLiteral("目录") + folder + QStringLiteral(" 创建失败,请检测路径是否合法!"), MessError);
            return Outcome::Failed;
        }
    }

    const QString file = fileName(folder, today);
    if (QFileInfo::exists(file))
        return Outcome::AlreadyDone;

    QString error;
    bool written = false;
    {
        const BusyCursor busy;
        written = writeBackupFile(data.ADOcnn(), data.ConnectionSettings(), file, &error);
    }
    if (!written) {
        qCWarning(lcBackup).noquote() << "backup to" << file << "failed:" << error;
        ShowMess(QStringLiteral("备份失败，请与管理员联系！"), MessError);
        return Outcome::Failed;
    }
    return Outcome::Written;
}

QString AutoBackup::fileName(const QString &folder, const QDate &day)
{
    return QDir(folder).filePath(QStringLiteral("dp") + day.toString(QStringLiteral("yyyyMMdd"))
                                 + QStringLiteral(".back"));
}

bool AutoBackup::writeBackupFile(QSqlDatabase db, const db::DbSettings &settings, const QString &file,
                                 QString *error)
{
    QString localError;
    QString &err = error ? *error : localError;
    const QFileInfo target(file);

    // The copy is written beside the target and only renamed when complete,
    // so a failed backup never leaves a file that looks like a good one.
    QTemporaryFile temp(target.absoluteDir().filePath(QStringLiteral(".dpXXXXXX.tmp")));
    temp.setAutoRemove(false);
    if (!temp.open()) {
        err = temp.errorString();
        return false;
    }
    const QString tempName = temp.fileName();
    temp.close();

    const bool done = db::Dialect::of(db).isSqlite() ? vacuumInto(db, tempName, &err)
                                                      : dumpPostgres(settings, tempName, &err);
    if (done) {
        if (target.exists() && !QFile::remove(file)) {
            err = QStringLiteral("cannot replace %1").arg(file);
        } else if (QFile::rename(tempName, file)) {
            return true;
        } else {
            err = QStringLiteral("cannot rename %1 to %2").arg(tempName, file);
        }
    }
    QFile::remove(tempName);
    return false;
}
