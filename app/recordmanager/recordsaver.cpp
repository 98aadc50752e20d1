#include "app/recordmanager/recordsaver.h"

#include "app/codenumbering.h"
#include "db/transactionguard.h"

#include <QSqlError>
#include <QSqlQuery>

RecordSaver::RecordSaver(QSqlDatabase db) : m_db(db) {}

bool RecordSaver::isUniqueViolation(const QSqlError &error)
{
    const QString code = error.nativeErrorCode();
    if (code == QLatin1String("23505") || code == QLatin1String("2067") || code == QLatin1String("1555"))
        return true;
    return error.text().contains(QLatin1String("UNIQUE constraint failed"), Qt::CaseInsensitive)
           || error.text().contains(QLatin1String("duplicate key"), Qt::CaseInsensitive);
}

RecordSaver::Result RecordSaver::save(const Request &request)
{
    Result result;
    result.code = request.code;
    const int attempts = qMax(1, request.attempts);
    for (int i = 0; i < attempts; ++i) {
        if (attempt(request, result) == Attempt::Done)
            return result;
    }
    result.status = Status::Failed;
    return result;
}

std::optional<bool> RecordSaver::codeTaken(const Request &request, const QString &code, QString *error)
{
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("select F_ID from ") + request.table + QStringLiteral(" where ") + request.codeColumn
              + QStringLiteral(" = :code and F_ID <> :id"));
    q.bindValue(QStringLiteral(":code"), code);
    q.bindValue(QStringLiteral(":id"), request.id.isNull() ? qint64(-1) : request.id.toLongLong());
    if (!q.exec()) {
        *error = q.lastError().text();
        return std::nullopt;
    }
    return q.next();
}

RecordSaver::Attempt RecordSaver::attempt(const Request &request, Result &result)
{
    db::TransactionGuard guard(m_db, request.table);
    if (!guard.isActive()) {
        result.status = Status::Failed;
        result.error = guard.errorText();
        return Attempt::Done;
    }

    QString code = result.code;
    if (!request.codeColumn.isEmpty()) {
        // The next code is larger than every stored one, so a few rounds
        // settle even codes typed by hand.
        for (int round = 0; round < 5; ++round) {
            const std::optional<bool> taken = codeTaken(request, code, &result.error);
            if (!taken) {
                result.status = Status::Failed;
                return Attempt::Done;
            }
            if (!*taken)
                break;
            if (request.codePolicy == CodePolicy::Refuse) {
                result.status = Status::CodeTaken;
                return Attempt::Done;
            }
            const CodeProposal next =
                CodeNumbering::nextCode(m_db, request.table, request.codeWidth, request.codeColumn);
            if (!next || next.code == code) {
                result.status = Status::Failed;
                result.error = next ? QStringLiteral("no free code") : next.error;
                return Attempt::Done;
            }
            code = next.code;
        }
    }

    if (request.check) {
        if (const std::optional<Refusal> refusal = request.check(m_db, request.id)) {
            result.status = Status::Refused;
            result.refusal = *refusal;
            return Attempt::Done;
        }
    }
    if (request.beforeWrite)
        request.beforeWrite(m_db);

    bool uniqueViolation = false;
    if (!writeRow(request, code, result, &uniqueViolation)) {
        result.status = Status::Failed;
        return uniqueViolation ? Attempt::Retry : Attempt::Done;
    }
    if (request.dependents && !request.dependents(m_db, result.id, &result.error)) {
        result.status = Status::Failed;
        return Attempt::Done;
    }
    if (!guard.commit()) {
        result.status = Status::Failed;
        result.error = guard.errorText();
        return Attempt::Done;
    }
    result.status = Status::Saved;
    result.codeChanged = code != request.code;
    result.code = code;
    return Attempt::Done;
}

bool RecordSaver::writeRow(const Request &request, const QString &code, Result &result, bool *uniqueViolation)
{
    QStringList columns;
    QStringList holders;
    QList<QVariant> values;
    for (const auto &[column, value] : request.values) {
        columns << column;
        holders << QStringLiteral(":v") + QString::number(holders.size());
        const bool isCode = !request.codeColumn.isEmpty()
                            && column.compare(request.codeColumn, Qt::CaseInsensitive) == 0;
        values << (isCode ? QVariant(code) : value);
    }

    QSqlQuery q(m_db);
    const bool isNew = request.id.isNull();
    if (isNew) {
        q.prepare(QStringLiteral("insert into ") + request.table + QStringLiteral(" (") + columns.join(QStringLiteral(", "))
                  + QStringLiteral(") values (") + holders.join(QStringLiteral(", "))
                  + QStringLiteral(") returning F_ID"));
    } else {
        QStringList sets;
        for (int i = 0; i < columns.size(); ++i)
            sets << columns.at(i) + QStringLiteral(" = ") + holders.at(i);
        q.prepare(QStringLiteral("update ") + request.table + QStringLiteral(" set ") + sets.join(QStringLiteral(", "))
                  + QStringLiteral(" where F_ID = :id"));
        q.bindValue(QStringLiteral(":id"), request.id);
    }
    for (int i = 0; i < values.size(); ++i)
        q.bindValue(holders.at(i), values.at(i));
    if (!q.exec()) {
        result.error = q.lastError().text();
        *uniqueViolation = isUniqueViolation(q.lastError());
        return false;
    }
    if (isNew) {
        if (!q.next()) {
            result.error = q.lastError().text();
            return false;
        }
        result.id = q.value(0);
    } else {
        result.id = request.id;
    }
    return true;
}
