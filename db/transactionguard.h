#pragma once

#include <QSqlDatabase>
#include <QString>

namespace db {

// Owns one transaction: begins it on construction and rolls it back on
// destruction unless commit() succeeded. A lock key serialises writers that
// number records (codes, receipt numbers) across clients: SQLite's write lock,
// or a PostgreSQL advisory lock held until the transaction ends.
class TransactionGuard {
public:
    explicit TransactionGuard(QSqlDatabase db, const QString &lockKey = QString());
    ~TransactionGuard();
    TransactionGuard(const TransactionGuard &) = delete;
    TransactionGuard &operator=(const TransactionGuard &) = delete;

    bool isActive() const { return m_active; }
    QString errorText() const { return m_error; }
    bool commit();
    void rollback();

private:
    bool exec(const QString &statement);

    QSqlDatabase m_db;
    bool m_active = false;
    QString m_error;
};

}  // namespace db
