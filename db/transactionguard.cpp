#include "db/transactionguard.h"

#include "db/dialect.h"

#include <QSqlError>
#include <QSqlQuery>

namespace db {

TransactionGuard::TransactionGuard(QSqlDatabase db, const QString &lockKey) : m_db(db)
{
    const Dialect dialect = Dialect::of(m_db);
    if (!exec(dialect.beginStatement()))
        return;
    m_active = true;
    if (!lockKey.isEmpty() && dialect.isPostgres()) {
        QSqlQuery q(m_db);
        q.prepare(QStringLiteral("select pg_advisory_xact_lock(hashtext(:key))"));
        q.bindValue(QStringLiteral(":key"), lockKey);
        if (!q.exec()) {
            m_error = q.lastError().text();
            rollback();
        }
    }
}

TransactionGuard::~TransactionGuard()
{
    if (m_active)
        rollback();
}

bool TransactionGuard::commit()
{
    if (!m_active)
        return false;
    if (!exec(QStringLiteral("COMMIT"))) {
        rollback();
        return false;
    }
    m_active = false;
    return true;
}

void TransactionGuard::rollback()
{
    if (!m_active)
        return;
    m_active = false;
    QSqlQuery q(m_db);
    q.exec(QStringLiteral("ROLLBACK"));
}

bool TransactionGuard::exec(const QString &statement)
{
    QSqlQuery q(m_db);
    if (q.exec(statement))
        return true;
    m_error = q.lastError().text();
    return false;
}

}  // namespace db
