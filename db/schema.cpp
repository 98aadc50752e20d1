#include "db/schema.h"

#include "db/ddlbuilder.h"
#include "db/dialect.h"
#include "db/rowinserter.h"
#include "db/seedfile.h"
#include "db/seedrows.h"
#include "db/tables.h"
#include "db/transactionguard.h"

#include <QDate>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariantList>

namespace db {

namespace {

bool fail(QString *error, const QString &text)
{
    if (error)
        *error = text;
    return false;
}

bool run(QSqlDatabase db, const QString &statement, QString *error)
{
    QSqlQuery q(db);
    if (q.exec(statement))
        return true;
    return fail(error, q.lastError().text() + QStringLiteral(" [") + statement + QLatin1Char(']'));
}

// Texts are citext on PostgreSQL. The extension is trusted, so the owner of
// the database may add it; it is looked up first so that a connection that
// finds it in place needs no privilege at all.
bool ensureCitext(QSqlDatabase db, QString *error)
{
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("select to_regtype('citext') is not null")))
        return fail(error, q.lastError().text());
    if (q.next() && q.value(0).toBool())
        return true;
    return run(db, QStringLiteral("CREATE EXTENSION IF NOT EXISTS citext"), error);
}

bool insertRows(QSqlDatabase db, const char *table, const QStringList &columns,
                const QList<QVariantList> &rows, QString *error)
{
    RowInserter inserter(db, *findTable(QString::fromLatin1(table)), columns);
    if (!inserter.isValid())
        return fail(error, inserter.errorText());
    for (const QVariantList &row : rows) {
        if (!inserter.insert(row))
            return fail(error, QString::fromLatin1(table) + QStringLiteral(": ") + inserter.errorText());
    }
    return true;
}

bool seedOperators(QSqlDatabase db, QString *error)
{
    return insertRows(db, "OperList",
                      {QStringLiteral("F_Name"), QStringLiteral("F_PassWord"), QStringLiteral("F_Mem"),
                       QStringLiteral("F_Flag"), QStringLiteral("F_xtFlag"), QStringLiteral("F_XQflag"),
                       QStringLiteral("F_XQname")},
                      {{QStringLiteral("admin"), QString(), QString(), 0, 0, 0, QString()}}, error);
}

bool seedPermissions(QSqlDatabase db, QString *error)
{
    QList<QVariantList> rows;
    for (const PermissionSeed &p : SeedRows::permissions())
        rows << QVariantList{p.name, p.code, 1};
    return insertRows(db, "Limits", {QStringLiteral("F_name"), QStringLiteral("F_code"), QStringLiteral("F_flag")},
                      rows, error);
}

bool seedCodeLists(QSqlDatabase db, QString *error)
{
    QList<QVariantList> rows;
    for (const CodeListSeed &list : SeedRows::codeLists()) {
        for (const QString &value : list.values)
            rows << QVariantList{list.category, value};
    }
    return insertRows(db, "t_code", {QStringLiteral("F_type"), QStringLiteral("F_name")}, rows, error);
}

// The one settings row: empty company data, two decimals everywhere, no
// founding date (stored as the empty-date marker).
bool seedSystemInfo(QSqlDatabase db, const QString &backupFolder, QString *error)
{
    return insertRows(db, "sysInfo",
                      {QStringLiteral("F_name"), QStringLiteral("F_Address"), QStringLiteral("F_phone"),
                       QStringLiteral("F_fax"), QStringLiteral("F_HomePage"), QStringLiteral("F_email"),
                       QStringLiteral("F_linker"), QStringLiteral("F_buildDate"), QStringLiteral("F_enroler"),
                       QStringLiteral("F_enrolPrice"), QStringLiteral("F_empNumber"), QStringLiteral("F_Mem"),
                       QStringLiteral("F_BakPath"), QStringLiteral("F_iAmount"), QStringLiteral("F_iPrice"),
                       QStringLiteral("F_iTotal")},
                      {{QString(), QString(), QString(), QString(), QString(), QString(), QString(),
                        QDate(1900, 8, 14), QString(), 0.0, 0, QString(), backupFolder, 2, 2, 2}},
                      error);
}

}  // namespace

bool createSchema(QSqlDatabase db, QString *error)
{
    const Dialect dialect = Dialect::of(db);
    if (dialect.isPostgres() && !ensureCitext(db, error))
        return false;

    TransactionGuard guard(db);
    if (!guard.isActive())
        return fail(error, guard.errorText());
    const DdlBuilder ddl(dialect);
    for (const TableDef &table : permanentTables()) {
        if (!run(db, ddl.createTable(table), error))
            return false;
        for (const QString &statement : ddl.createIndexes(table)) {
            if (!run(db, statement, error))
                return false;
        }
    }
    if (!guard.commit())
        return fail(error, guard.errorText());
    return true;
}

bool seedSystemRows(QSqlDatabase db, QString *error)
{
    return seedSystemRows(db, error, QString());
}

bool seedSystemRows(QSqlDatabase db, QString *error, const QString &backupFolder)
{
    TransactionGuard guard(db);
    if (!guard.isActive())
        return fail(error, guard.errorText());
    if (!seedOperators(db, error) || !seedPermissions(db, error) || !seedCodeLists(db, error)
        || !seedSystemInfo(db, backupFolder, error)
        || !SeedFile::load(db, QStringLiteral(":/seeds/cfg_grid.tsv"), QStringLiteral("cfg_Grid"), error)
        || !SeedFile::load(db, QStringLiteral(":/seeds/cfg_import.tsv"), QStringLiteral("cfg_import"), error))
        return false;
    if (!guard.commit())
        return fail(error, guard.errorText());
    return true;
}

bool createScratchTables(QSqlDatabase db, QString *error)
{
    const Dialect dialect = Dialect::of(db);
    if (dialect.isPostgres() && !ensureCitext(db, error))
        return false;
    const DdlBuilder ddl(dialect);
    for (const TableDef &table : scratchTables()) {
        if (!run(db, ddl.createTempTable(table), error))
            return false;
    }
    return true;
}

bool createFeeCrossTable(QSqlDatabase db, int feeItems, QString *error)
{
    const DdlBuilder ddl(Dialect::of(db));
    const TableDef table = feeCrossTable(feeCrossValueColumns(feeItems));
    return run(db, ddl.dropTempTable(table.name()), error) && run(db, ddl.createTempTable(table), error);
}

QList<TableDef> expectedTables()
{
    return permanentTables();
}

bool checkSchema(QSqlDatabase db, QStringList *problems)
{
    QStringList found;
    for (const TableDef &table : expectedTables()) {
        QSqlQuery q(db);
        if (!q.exec(QStringLiteral("select * from ") + table.name() + QStringLiteral(" where 1 = 0"))) {
            found << QStringLiteral("missing table %1").arg(table.name());
            continue;
        }
        const QSqlRecord record = q.record();
        for (const ColumnDef &column : table.columns()) {
            if (record.indexOf(column.name) < 0)
                found << QStringLiteral("missing column %1.%2").arg(table.name(), column.name);
        }
    }
    if (problems)
        *problems = found;
    return found.isEmpty();
}

}  // namespace db
